#include "app/main_window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QScreen>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTimer>
#include <exception>

#include "app/about_page.h"
#include "app/location_group.h"
#include "app/program_resources.h"
#include "app/rules_group.h"
#include "app/settings_file.h"
#include "app/shell/desktop_opener.h"
#include "app/shell/error_report.h"
#include "app/shell/field_text.h"
#include "app/shell/link_label.h"
#include "app/shell/page_look.h"
#include "calendar/calendar_day.h"
#include "common/file_error.h"
#include "common/number_text.h"
#include "common/product.h"
#include "publish/generate_page.h"
#include "views/month_page.h"
#include "views/tray_display.h"

namespace tevorin {

namespace {

constexpr char kRulesSection[] = "Rules";

constexpr const char* kTabCaptions[] = {"&Common && Hebrew", "G&enerate calendar",
                                        "&Location && About"};

// Flat buttons: the chosen tab looks pressed in, the others show a frame only under the pointer.
constexpr char kTabStyle[] = R"(
QTabBar { font-size: 11px; font-weight: bold; }
QTabBar::tab { color: #000080; background: transparent; border: 1px solid transparent;
               border-radius: 3px; padding: 1px 10px; margin: 2px 2px 1px 2px; }
QTabBar::tab:hover { border-color: #8796a8; }
QTabBar::tab:selected { background: #d3dae3; border-color: #66768a #f7f9fb #f7f9fb #66768a; }
)";

}  // namespace

TForm1::TForm1(std::filesystem::path dataDir, SettingsLocation settings, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      settings_(std::move(settings)) {
  createWindowFrame();
  connectServices(std::move(dataDir));
  createTabs();
  createPages();
  connectPages();
  try {
    FormCreate();
  } catch (const std::exception& error) {
    reportError(error.what());
  }
}

TForm1::TForm1(const std::filesystem::path& programDir, QWidget* parent)
    : TForm1(programDir, {programDir / "tvrn.ini", programDir / "tvrn.ini"}, parent) {}

void TForm1::createWindowFrame() {
  // Our own conversions never read the locale; this makes Qt's agree with them.
  QLocale::setDefault(QLocale::c());

  setObjectName("Form1");
  setWindowTitle(QString(kApplicationTitle) + " " + kVersion);
  setWindowIcon(programIcon());
  QFont font = sansSerifFont();
  font.setPixelSize(10);
  setFont(font);
  setFixedSize(665, 527);
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TForm1::connectServices(std::filesystem::path dataDir) {
  services.placeName = [this] { return GroupBox1->placeName(); };
  services.hasPlace = [this] { return GroupBox1->hasPlace(); };
  services.placeGeoLocation = [this] { return GroupBox1->placeGeoLocation(); };
  services.currentPage = [this] { return TabControl1->currentIndex(); };
  services.showPage = [this](int index) { selectTab(index); };
  // The window repaints while a month is drawn; the user's clicks and keys wait until it is whole,
  // or a click would land on a box still hidden.
  services.yield = [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); };
  services.today = [] { return todayLocalDate(); };
  services.openDocument = [](const std::string& target, std::function<void(bool)> done) {
    openOnDesktop(target, std::move(done));
  };
  services.dataDir = std::move(dataDir);
}

void TForm1::createTabs() {
  TabControl1 = new QTabBar(this);
  TabControl1->setObjectName("TabControl1");
  TabControl1->setDrawBase(false);
  TabControl1->setExpanding(false);
  TabControl1->setCursor(Qt::PointingHandCursor);
  TabControl1->setStyleSheet(kTabStyle);
  for (const char* caption : kTabCaptions) TabControl1->addTab(caption);
  TabControl1->setGeometry(0, 0, 666, 22);
  connect(TabControl1, &QTabBar::currentChanged, this, &TForm1::TabControl1Change);
}

void TForm1::createPages() {
  ScrollBox1 = new MonthPage(services, this);
  ScrollBox1->setGeometry(2, 22, 662, 503);
  ScrollBox2 = new GeneratePage(services, this);
  ScrollBox2->setGeometry(2, 22, 662, 503);
  ScrollBox3 = new AboutPage(this);
  ScrollBox3->setGeometry(1, 22, 663, 503);
  GroupBox1 = ScrollBox3->GroupBox1;
  RulesGroupBox = ScrollBox3->RulesGroupBox;
  Tray = new TrayDisplay(*this, *ScrollBox1, services);
}

void TForm1::connectPages() {
  connect(GroupBox1, &LocationGroup::placeChosen, this, &TForm1::placeChosen);
  connect(this, &TForm1::placeChosen, Tray, &TrayDisplay::Timer1Timer);
  connect(RulesGroupBox, &RulesGroup::rulesChosen, this, &TForm1::RulesGroupBoxChange);
  for (QLabel* link : {ScrollBox3->Label7, ScrollBox3->URLLabel1, ScrollBox2->Label18})
    link->installEventFilter(this);
}

TForm1::~TForm1() {
  FormDestroy();
}

void TForm1::selectTab(int index) {
  {
    const QSignalBlocker quiet(TabControl1);
    TabControl1->setCurrentIndex(index);
  }
  TabControl1Change();
}

void TForm1::FormCreate() {
  selectTab(kAboutPage);
  try {
    GroupBox1->loadLists(services.dataDir);
  } catch (const FileOpenError& error) {
    reportError(error.what());
  }
  readSettings();
}

void TForm1::readSettings() {
  SettingsFile settings;
  try {
    settings = SettingsFile::read(settings_.readFrom);
  } catch (const FileOpenError& error) {
    reportError(error.what());
    // The run goes on with the defaults. The user's own file is kept as it is; a tvrn.ini beside
    // the program only gave the first values, and the user's file is made afresh.
    if (settings_.readFrom == settings_.file)
      settingsUnreadable_ = true;
    else
      settings_.readFrom = settings_.file;
  }
  // First, as nothing can fail there: the month the later keys draw already follows the rules.
  readRules(settings);
  GroupBox1->selectStoredPlace(
      settings.value("Location", "ListCountry", integerText(kDefaultPlaceIndex)));

  const int32_t listMonth = parseInteger(settings.value("Generate", "Month", "1"));
  {
    const QSignalBlocker quiet(ScrollBox2->MonthListBox1);
    ScrollBox2->MonthListBox1->setCurrentRow(listMonth);
  }
  setFieldText(ScrollBox2->MonthEdit2, settings.value("Generate", "MonthNo", "1"));
  setFieldText(ScrollBox2->YearEdit2, settings.value("Generate", "Year", "2007"));
  setFieldText(ScrollBox2->NoMonthEdit1, settings.value("Generate", "NoMonthsGen", "1"));

  const int32_t month = parseInteger(settings.value("CHMonth", "Month", "1"));
  {
    const QSignalBlocker quiet(ScrollBox1->MonthComboBox1);
    ScrollBox1->MonthComboBox1->setCurrentIndex(month);
  }
  setFieldText(ScrollBox1->MonthEdit1, integerText(int64_t{month} + 1));
  setFieldText(ScrollBox1->YearEdit1, settings.value("CHMonth", "Year", "2007"));
}

// Anything but "1" is the default, and is written back as "0" at the end.
void TForm1::readRules(const SettingsFile& settings) {
  services.inIsrael = settings.value(kRulesSection, "InIsrael", "0") == "1";
  services.ashkenaziNames = settings.value(kRulesSection, "AshkenaziNames", "0") == "1";
  RulesGroupBox->setChoice(services.inIsrael, services.ashkenaziNames);
}

void TForm1::RulesGroupBoxChange() {
  services.inIsrael = RulesGroupBox->inIsrael();
  services.ashkenaziNames = RulesGroupBox->ashkenaziNames();
  ScrollBox1->GenerateClick();
}

void TForm1::FormActivate() {
  QLineEdit* field = ScrollBox1->MonthEdit1;
  try {
    const int32_t month = fieldNumber(field);
    const std::string away = integerText(month >= 12 ? int64_t{month} - 1 : int64_t{month} + 1);
    const std::string back = integerText(month);
    // Away to a neighbouring month and back: the field's change handler draws the month again.
    // When the month cannot be drawn (a year or a place that is no number) the way back is taken
    // all the same: the controls and the headers end on the month they started with.
    ScrollBox1->keepSelectionAcross([&] {
      try {
        setFieldText(field, away);
      } catch (const ConversionError&) {
        try {
          setFieldText(field, back);
        } catch (const ConversionError&) {
          // The same fault again; the first is reported.
        }
        throw;
      }
      setFieldText(field, back);
    });
  } catch (const ConversionError& error) {
    // Closing an error's message box activates the window again: the error just shown is not
    // shown again and again.
    if (error.what() == lastReportedError()) return;
    throw;
  }
}

void TForm1::FormDestroy() {
  writeSettings();
}

void TForm1::writeSettings() {
  try {
    saveSettings();
  } catch (const FileError& error) {
    reportError(error.what());
  }
}

void TForm1::saveSettings() {
  // Written over, a file that could not be read would lose the place and all else it holds.
  if (settingsUnreadable_) return;
  SettingsFile values;
  storeSettings(values);
  if (values.text() == settingsWritten_) return;
  // The old file stays whole when the write fails, but the user's choices are lost: say so.
  try {
    SettingsFile settings = SettingsFile::read(settings_.readFrom);
    storeSettings(settings);
    makeFoldersFor(settings_.file);
    settings.write(settings_.file);
  } catch (const FileError& error) {
    throw FileError(std::string("The choices of this run were not saved. ") + error.what());
  }
  settingsWritten_ = values.text();
  settings_.readFrom = settings_.file;
}

void TForm1::storeSettings(SettingsFile& settings) const {
  // Without places (a file missing or empty) the stored choice waits for a run that finds them.
  if (GroupBox1->hasPlace())
    settings.setValue("Location", "ListCountry", integerText(GroupBox1->selectedIndex()));
  settings.setValue("Generate", "Month", integerText(ScrollBox2->MonthListBox1->currentRow()));
  settings.setValue("Generate", "MonthNo", fieldText(ScrollBox2->MonthEdit2));
  settings.setValue("Generate", "Year", fieldText(ScrollBox2->YearEdit2));
  settings.setValue("Generate", "NoMonthsGen", fieldText(ScrollBox2->NoMonthEdit1));
  settings.setValue("CHMonth", "Month", integerText(ScrollBox1->MonthComboBox1->currentIndex()));
  settings.setValue("CHMonth", "Year", fieldText(ScrollBox1->YearEdit1));
  settings.setValue(kRulesSection, "InIsrael", services.inIsrael ? "1" : "0");
  settings.setValue(kRulesSection, "AshkenaziNames", services.ashkenaziNames ? "1" : "0");
}

void TForm1::TabControl1Change() {
  switch (TabControl1->currentIndex()) {
    case kMonthPage:
      ScrollBox2->hide();
      ScrollBox1->show();
      ScrollBox3->hide();
      ScrollBox1->setWeekdayLabelsVisible(true);
      ScrollBox1->MonthComboBox1Change();
      ScrollBox1->focusBox(MonthPage::kFirstSaturdayBox);
      break;
    case kGeneratePage:
      ScrollBox1->hide();
      ScrollBox2->show();
      ScrollBox3->hide();
      ScrollBox1->setWeekdayLabelsVisible(false);
      break;
    case kAboutPage:
      ScrollBox1->hide();
      ScrollBox2->hide();
      ScrollBox3->show();
      break;
  }
}

void TForm1::URLLabel1Click() {
  openLink(ScrollBox3->URLLabel1->text().toLocal8Bit().toStdString());
}

void TForm1::Label7Click() {
  openLink(kProductWebPage);
}

void TForm1::openLink(const std::string& address) {
  services.openDocument(address, [address](bool opened) {
    if (!opened) reportError("Cannot open '" + address + "' in the browser");
  });
}

bool TForm1::event(QEvent* event) {
  const bool handled = QWidget::event(event);
  if (event->type() == QEvent::WindowActivate) {
    activated_ = true;
    FormActivate();
  }
  return handled;
}

void TForm1::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // A desktop without a window manager never activates the window; its first show then counts.
  QTimer::singleShot(0, this, [this] {
    if (!activated_) FormActivate();
  });
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (auto* link = qobject_cast<QLabel*>(watched); link && opensLink(link, event)) {
    if (watched == ScrollBox3->Label7) {
      Label7Click();
      return true;
    }
    URLLabel1Click();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace tevorin
