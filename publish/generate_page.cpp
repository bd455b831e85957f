#include "publish/generate_page.h"

#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <string>

#include "app/shell/field_text.h"
#include "app/shell/page_look.h"
#include "app/shell/up_down.h"
#include "app/shell/window_services.h"
#include "calendar/calendar_day.h"
#include "common/number_text.h"
#include "publish/html_writer.h"
#include "publish/ics_writer.h"

namespace tevorin {

namespace {

constexpr char kDefaultPath[] = "calendar.html";
constexpr char kReady[] = "Ready to generate";

constexpr int kMonthRowHeight = 16;

constexpr char kHtmlFilter[] = "HTML files (*.html)";
constexpr char kHtmFilter[] = "HTM files (*.htm)";
constexpr char kIcsFilter[] = "iCalendar files (*.ics)";

QLabel* label(const QString& text, const QRect& place, QWidget* parent, int pixels = 11,
              bool bold = false) {
  QLabel* label = pageLabel(text, kWhite, pixels, bold, parent);
  label->setGeometry(place);
  return label;
}

// Named as a person would say it: the arrows beside it take their names from it.
QLineEdit* numberField(const char* name, const char* spokenName, const char* text,
                       const QRect& place, QWidget* parent) {
  auto* field = new QLineEdit(text, parent);
  field->setObjectName(name);
  field->setAccessibleName(spokenName);
  field->setGeometry(place);
  return field;
}

QPushButton* button(const char* name, const char* caption, const QRect& place, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setGeometry(place);
  return button;
}

bool namesIcsFile(const QLineEdit* path) {
  return path->text().endsWith(".ics", Qt::CaseInsensitive);
}

// The same months, place, rules and days' texts as the document: holidays, portions, the Omer and
// the sun times.
IcsCalendarRequest icsRequestFor(const HtmlCalendarRequest& document) {
  IcsCalendarRequest request;
  static_cast<MonthRun&>(request) = document;
  request.kinds.sunTimes = true;
  request.stamp = icsStampNow();
  return request;
}

}  // namespace

GeneratePage::GeneratePage(const WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName("ScrollBox2");
  paintPageBackground(this);

  createDateControls();
  createRunControls();
  createPathControls();
}

void GeneratePage::createDateControls() {
  label("Common (Gregorian) date", QRect(24, 12, 260, 18), this, 13, true);
  auto* frame = new QFrame(this);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setGeometry(16, 34, 316, 268);

  MonthListBox1 = new QListWidget(this);
  MonthListBox1->setObjectName("MonthListBox1");
  MonthListBox1->setAccessibleName("Month");
  label("Month:", QRect(28, 44, 100, 16), this)->setBuddy(MonthListBox1);
  MonthListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
  MonthListBox1->setUniformItemSizes(true);
  for (int32_t month = 1; month <= 12; ++month) {
    auto* item = new QListWidgetItem(QString::fromUtf8(gregorianMonthNameOf(month)), MonthListBox1);
    item->setSizeHint(QSize(96, kMonthRowHeight));
  }
  MonthListBox1->setGeometry(28, 62, 104, 12 * kMonthRowHeight + 2 * MonthListBox1->frameWidth());
  // currentRowChanged follows the mouse and the keyboard; code that selects a row blocks it. A
  // click on the row already selected changes nothing there, yet the month field may disagree
  // with it (the settings are applied that way), so clicks count too.
  connect(MonthListBox1, &QListWidget::currentRowChanged, this, [this] { MonthListBox1Click(); });
  connect(MonthListBox1, &QListWidget::itemClicked, this, [this] { MonthListBox1Click(); });

  MonthEdit2 = numberField("MonthEdit2", "Month number", "1", QRect(150, 62, 28, 21), this);
  label("Month No:", QRect(150, 44, 100, 16), this)->setBuddy(MonthEdit2);
  MonthUpDown2 = upDownBeside("MonthUpDown2", MonthEdit2, 1, 12, this);
  connect(MonthEdit2, &QLineEdit::textChanged, this, [this] { MonthEdit2Change(); });

  YearEdit2 = numberField("YearEdit2", "Year", "2007", QRect(150, 118, 40, 21), this);
  label("Year:", QRect(150, 100, 100, 16), this)->setBuddy(YearEdit2);
  YearUpDown2 = upDownBeside("YearUpDown2", YearEdit2, kFirstShownYear, kLastShownYear, this);
  connect(YearEdit2, &QLineEdit::textChanged, this, [this] { YearEdit2Change(); });
  YLabel1 = label(QString(), QRect(208, 120, 116, 18), this);
  YLabel1->setObjectName("YLabel1");
  YLabel1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setColour(YLabel1, QPalette::WindowText, kRed);

  NoMonthEdit1 = numberField("NoMonthEdit1", "Number of months to generate", "12",
                             QRect(190, 270, 40, 21), this);
  label("No. of months to generate:", QRect(28, 272, 160, 18), this)->setBuddy(NoMonthEdit1);
  NoMonthUpDown1 = upDownBeside("NoMonthUpDown1", NoMonthEdit1, 1, kMaxMonthCount, this);
  connect(NoMonthEdit1, &QLineEdit::textChanged, this, [this] { NoMonthEdit1Change(); });
}

void GeneratePage::createRunControls() {
  GenerateBitBtn1 =
      button("GenerateBitBtn1", "&Generate HTML calendar ", QRect(352, 34, 290, 30), this);
  connect(GenerateBitBtn1, &QPushButton::clicked, this, [this] { GenerateBitBtn1Click(); });
  ViewHTMLBitBtn1 =
      button("ViewHTMLBitBtn1", "&View generated calendar", QRect(352, 72, 290, 30), this);
  ViewHTMLBitBtn1->setEnabled(false);
  connect(ViewHTMLBitBtn1, &QPushButton::clicked, this, [this] { ViewHTMLBitBtn1Click(); });

  MessagesMemo1 = new QPlainTextEdit(kReady, this);
  MessagesMemo1->setObjectName("MessagesMemo1");
  MessagesMemo1->setAccessibleName("Messages");
  label("Messages:", QRect(352, 112, 200, 16), this)->setBuddy(MessagesMemo1);
  MessagesMemo1->setReadOnly(true);
  MessagesMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  MessagesMemo1->setGeometry(352, 130, 290, 172);
  setColour(MessagesMemo1, QPalette::Base, kLightBlue);
}

void GeneratePage::createPathControls() {
  PathEdit1 = new QLineEdit(kDefaultPath, this);
  PathEdit1->setObjectName("PathEdit1");
  PathEdit1->setAccessibleName("Path for the generated HTML calendar");
  PathEdit1->setGeometry(24, 346, 530, 22);
  label("Path for output generated HTML calendar:", QRect(24, 326, 400, 18), this)
      ->setBuddy(PathEdit1);
  BrowseBitBtn1 = button("BrowseBitBtn1", "&Browse", QRect(564, 345, 78, 24), this);
  connect(BrowseBitBtn1, &QPushButton::clicked, this, [this] { BrowseBitBtn1Click(); });
  SaveDialog1 = new QFileDialog(this, "Calendar HTML file generate in");
  SaveDialog1->setObjectName("SaveDialog1");
  // A name typed without its ending under the iCalendar filter is still written as one.
  connect(SaveDialog1, &QFileDialog::filterSelected, this, [this](const QString& filter) {
    SaveDialog1->setDefaultSuffix(filter == kIcsFilter ? "ics" : "");
  });

  Label18 = makerLinkLabel("Label18", this);
}

void GeneratePage::logLine(std::string_view line) {
  MessagesMemo1->appendPlainText(
      QString::fromLocal8Bit(line.data(), static_cast<qsizetype>(line.size())));
}

void GeneratePage::MonthListBox1Click() {
  setFieldText(MonthEdit2, integerText(MonthListBox1->currentRow() + 1));
}

// Each correction raises this handler again with a text in range before the outer call goes on.
void GeneratePage::MonthEdit2Change() {
  if (MonthEdit2->text().isEmpty()) return;
  if (fieldNumber(MonthEdit2) > 12) MonthEdit2->setText("12");
  if (fieldNumber(MonthEdit2) < 1) MonthEdit2->setText("1");
  const QSignalBlocker quiet(MonthListBox1);
  MonthListBox1->setCurrentRow(fieldNumber(MonthEdit2) - 1);
}

// Only a warning: the year goes to the writer as it is, which refuses what the engine cannot do.
void GeneratePage::YearEdit2Change() {
  if (YearEdit2->text().isEmpty()) return;
  const int32_t year = fieldNumber(YearEdit2);
  YLabel1->setText(year > kLastShownYear || year < kFirstShownYear ? "Year out of range" : "");
}

void GeneratePage::NoMonthEdit1Change() {
  if (NoMonthEdit1->text().isEmpty()) return;
  if (fieldNumber(NoMonthEdit1) > kMaxMonthCount)
    setFieldText(NoMonthEdit1, integerText(kMaxMonthCount));
  if (fieldNumber(NoMonthEdit1) < 1) NoMonthEdit1->setText("1");
}

void GeneratePage::GenerateBitBtn1Click() {
  if (NoMonthEdit1->text().isEmpty()) NoMonthEdit1->setText("1");
  if (MonthEdit2->text().isEmpty()) MonthEdit2->setText("1");
  if (YearEdit2->text().isEmpty()) YearEdit2->setText("2003");

  HtmlCalendarRequest request;
  request.startYear = fieldNumber(YearEdit2);
  request.startMonth = fieldNumber(MonthEdit2);
  request.monthCountText = fieldText(NoMonthEdit1);
  request.placeName = services_.placeName();
  request.place = services_.placeGeoLocation();
  // The field shows the full path from here on, as the View button will open it.
  if (const auto full = fullOutputPath(fieldText(PathEdit1)); !full.empty())
    setFieldText(PathEdit1, full.string());
  request.outputPath = fieldText(PathEdit1);
  request.inIsrael = services_.inIsrael;
  request.ashkenaziNames = services_.ashkenaziNames;
  request.programDir = services_.dataDir;

  const LogLine log = [this](std::string_view line) { logLine(line); };
  if (namesIcsFile(PathEdit1))
    writeIcsCalendarFile(icsRequestFor(request), request.outputPath, request.programDir, log);
  else
    writeHtmlCalendar(request, log);
  logLine(kReady);
  ViewHTMLBitBtn1->setEnabled(true);
}

// The opener answers later: the page stays usable meanwhile, and may be gone by then.
void GeneratePage::ViewHTMLBitBtn1Click() {
  logLine("Starting the browser...");
  services_.openDocument(fieldText(PathEdit1), [page = QPointer<GeneratePage>(this)](bool opened) {
    if (!page) return;
    page->logLine(opened ? "The browser was started and the calendar page is displayed"
                         : "The browser starting error");
    page->logLine(kReady);
  });
}

// A new file may be named, and choosing an existing one asks before it is overwritten.
void GeneratePage::BrowseBitBtn1Click() {
  SaveDialog1->setAcceptMode(QFileDialog::AcceptSave);
  SaveDialog1->setFileMode(QFileDialog::AnyFile);
  SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite, false);
  SaveDialog1->setNameFilters({kHtmlFilter, kHtmFilter, kIcsFilter});
  SaveDialog1->selectNameFilter(kHtmlFilter);
  SaveDialog1->setDefaultSuffix("");
  SaveDialog1->setDirectory(QDir::currentPath());
  SaveDialog1->selectFile(kDefaultPath);
  if (SaveDialog1->exec() != QDialog::Accepted) return;
  const QStringList chosen = SaveDialog1->selectedFiles();
  if (!chosen.isEmpty()) PathEdit1->setText(chosen.constFirst());
}

}  // namespace tevorin
