#include <gmock/gmock.h>
#include <unistd.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTest>
#include <QTextDocument>
#include <QTextEdit>
#include <QWheelEvent>
#include <array>
#include <string_view>

#include "app/about_page.h"
#include "app/location_group.h"
#include "common/product.h"
#include "publish/generate_page.h"
#include "tests/support/fifo_watch.h"
#include "tests/support/permission_bits.h"
#include "tests/support/window_fixture.h"
#include "views/month_page.h"
#include "views/tray_display.h"

namespace tevorin::testing {
namespace {

std::string text(const QLineEdit* field) {
  return field->text().toStdString();
}

// What start-up puts into the controls that the settings feed.
struct Fields {
  int place;
  int listMonth;
  std::string monthNo, generateYear, monthCount;
  int comboMonth;
  std::string month, year;
};

Fields fieldsOf(const TForm1& form) {
  return {form.GroupBox1->selectedIndex(),     form.ScrollBox2->MonthListBox1->currentRow(),
          text(form.ScrollBox2->MonthEdit2),   text(form.ScrollBox2->YearEdit2),
          text(form.ScrollBox2->NoMonthEdit1), form.ScrollBox1->MonthComboBox1->currentIndex(),
          text(form.ScrollBox1->MonthEdit1),   text(form.ScrollBox1->YearEdit1)};
}

void expectFields(const TForm1& form, const Fields& expected) {
  const Fields actual = fieldsOf(form);
  EXPECT_EQ(actual.place, expected.place);
  EXPECT_EQ(actual.listMonth, expected.listMonth);
  EXPECT_EQ(actual.monthNo, expected.monthNo);
  EXPECT_EQ(actual.generateYear, expected.generateYear);
  EXPECT_EQ(actual.monthCount, expected.monthCount);
  EXPECT_EQ(actual.comboMonth, expected.comboMonth);
  EXPECT_EQ(actual.month, expected.month);
  EXPECT_EQ(actual.year, expected.year);
}

void activate(TForm1& form) {
  QCoreApplication::postEvent(&form, new QEvent(QEvent::WindowActivate));
  QCoreApplication::processEvents();
}

void click(QWidget* widget) {
  const QPointF inside(2, 2);
  QMouseEvent press(QEvent::MouseButtonPress, inside, widget->mapToGlobal(inside), Qt::LeftButton,
                    Qt::LeftButton, Qt::NoModifier);
  QMouseEvent release(QEvent::MouseButtonRelease, inside, widget->mapToGlobal(inside),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(widget, &press);
  QCoreApplication::sendEvent(widget, &release);
}

TEST_F(WindowTest, WithoutSettingsOpensOnTheThirdPageWithTheDefaultsAndWritesEveryKey) {
  copyShippedPlaces();
  {
    const auto form = openWindow();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(form->TabControl1->currentIndex(), 2);
    EXPECT_TRUE(form->ScrollBox1->isHidden());
    EXPECT_TRUE(form->ScrollBox2->isHidden());
    EXPECT_FALSE(form->ScrollBox3->isHidden());
    expectFields(*form, {4935, 1, "1", "2007", "1", 1, "2", "2007"});
    for (const QComboBox* hidden : {form->GroupBox1->LatComboBox, form->GroupBox1->LongComboBox,
                                    form->GroupBox1->UTOComboBox})
      EXPECT_EQ(hidden->currentIndex(), 4935);
    EXPECT_EQ(form->services.placeName(), "Jerusalem, Israel");
    EXPECT_TRUE(form->services.hasPlace());
    EXPECT_NEAR(form->services.placeGeoLocation().latitude, 31.78, 0.01);
    EXPECT_FALSE(fs::exists(dir_ / "tvrn.ini")) << "settings are written only at the end";
  }
  EXPECT_EQ(readFile("tvrn.ini"),
            "[Location]\r\nListCountry=4935\r\n\r\n"
            "[Generate]\r\nMonth=1\r\nMonthNo=1\r\nYear=2007\r\nNoMonthsGen=1\r\n\r\n"
            "[CHMonth]\r\nMonth=1\r\nYear=2007\r\n\r\n"
            "[Rules]\r\nInIsrael=0\r\nAshkenaziNames=0\r\n");
}

TEST_F(WindowTest, SettingsAreFoundWithoutRegardToCaseAndUnknownPartsSurviveTheWrite) {
  writeSmallPlaces();
  writeFile("tvrn.ini",
            "; mine\r\n[location]\r\nLISTCOUNTRY=2\r\n[Extra]\r\nKey=Value\r\n"
            "[generate]\r\nmonth=10\r\nMONTHNO=11\r\nyear=1999\r\nNoMonthsGen=5\r\n"
            "[chmonth]\r\nMONTH=10\r\nYEAR=2010\r\n");
  {
    const auto form = openWindow();
    EXPECT_TRUE(errors.empty());
    expectFields(*form, {2, 10, "11", "1999", "5", 10, "11", "2010"});
    form->ScrollBox1->YearEdit1->setText("2011");
  }
  EXPECT_EQ(readFile("tvrn.ini"),
            "; mine\r\n[location]\r\nLISTCOUNTRY=2\r\n[Extra]\r\nKey=Value\r\n"
            "[generate]\r\nmonth=10\r\nMONTHNO=11\r\nyear=1999\r\nNoMonthsGen=5\r\n"
            "[chmonth]\r\nMONTH=10\r\nYEAR=2011\r\n\r\n"
            "[Rules]\r\nInIsrael=0\r\nAshkenaziNames=0\r\n");
}

// A link to a folder that is gone: there are no settings to read, and none can be written.
TEST_F(WindowTest, SettingsThatCannotBeWrittenAtTheEndAreReported) {
  writeSmallPlaces();
  fs::create_symlink("gone/tvrn.ini", dir_ / "tvrn.ini");
  openWindow().reset();
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_EQ(errors[0], "The choices of this run were not saved. Cannot create file '" +
                           (dir_ / "tvrn.ini").string() + "': No such file or directory");
  EXPECT_TRUE(fs::is_symlink(dir_ / "tvrn.ini"));
}

// Taken as empty and written over at the end, such a file would lose the stored place and all
// else it holds. The run goes on with the defaults and says so once.
TEST_F(WindowTest, SettingsThatCannotBeReadAreKeptAndSaidOnce) {
  const fs::path file = dir_ / "tvrn.ini";
  const struct {
    const char* what;
    void (*make)(const fs::path& file);
    bool (*kept)(const fs::path& file);
  } cases[] = {
      {"a folder", [](const fs::path& file) { fs::create_directories(file / "inside"); },
       [](const fs::path& file) { return fs::is_directory(file / "inside"); }},
      {"a FIFO", [](const fs::path& file) { makeFifo(file); },
       [](const fs::path& file) { return fs::is_fifo(file); }},
      {"no right to read",
       [](const fs::path& file) {
         testing::writeFile(file, "[Location]\nListCountry=2\n[Mine]\nKey=Value\n");
         fs::permissions(file, fs::perms::owner_write);
       },
       [](const fs::path& file) {
         fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
         return testing::readFile(file) == "[Location]\nListCountry=2\n[Mine]\nKey=Value\n";
       }},
  };
  writeSmallPlaces();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const testing::PermissionBitsBind bits;
    if (!bits.binds()) {
      ADD_FAILURE() << "the permission bits cannot be made to bind root here";
      continue;
    }
    errors.clear();
    c.make(file);
    {
      const FifoWatch watch(file);
      const auto form = openWindow();
      expectFields(*form, {0, 1, "1", "2007", "1", 1, "2", "2007"});
    }
    EXPECT_EQ(errors, std::vector<std::string>{"Cannot open file " + file.string()});
    EXPECT_TRUE(c.kept(file));
    EXPECT_EQ(folderEntries(dir_).size(), 5u) << "no temporary file is left";
    fs::remove_all(file);
  }
}

TEST_F(WindowTest, AnIndexKeyThatIsNoWholeNumberEndsStartUpAtThatKey) {
  const struct {
    const char* settings;
    const char* error;
    int place;
    const char* monthCount;
    const char* year;
  } cases[] = {
      {"[Location]\nListCountry=abc\n[Generate]\nNoMonthsGen=7\n[CHMonth]\nYear=2010\n",
       "'abc' is not a valid integer value", 0, "12", "2007"},
      {"[Location]\nListCountry=2\n[Generate]\nMonth=x\nNoMonthsGen=7\n[CHMonth]\nYear=2010\n",
       "'x' is not a valid integer value", 2, "12", "2007"},
      {"[Location]\nListCountry=2\n[Generate]\nNoMonthsGen=7\n[CHMonth]\nMonth=1.5\nYear=2010\n",
       "'1.5' is not a valid integer value", 2, "7", "2007"},
  };
  writeSmallPlaces();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.settings);
    errors.clear();
    writeFile("tvrn.ini", c.settings);
    const auto form = openWindow();
    EXPECT_EQ(errors, std::vector<std::string>{c.error});
    EXPECT_EQ(form->GroupBox1->selectedIndex(), c.place);
    EXPECT_EQ(text(form->ScrollBox2->NoMonthEdit1), c.monthCount);
    EXPECT_EQ(text(form->ScrollBox1->YearEdit1), c.year);
    form->show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->TabControl1->currentIndex(), 2);
  }
}

TEST_F(WindowTest, ActivationSetsTheMonthFieldToANeighbourAndBack) {
  const struct {
    const char* month;
    const char* field;
    std::array<const char*, 2> changes;
  } cases[] = {{"11", "12", {"11", "12"}}, {"0", "1", {"2", "1"}}, {"4", "5", {"6", "5"}}};
  writeSmallPlaces();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.month);
    writeFile("tvrn.ini", std::string("[CHMonth]\nMonth=") + c.month + "\n");
    const auto form = openWindow();
    EXPECT_EQ(text(form->ScrollBox1->MonthEdit1), c.field);
    std::vector<std::string> changes;
    QObject::connect(form->ScrollBox1->MonthEdit1, &QLineEdit::textChanged,
                     [&](const QString& now) { changes.push_back(now.toStdString()); });
    activate(*form);
    EXPECT_EQ(changes, std::vector<std::string>(c.changes.begin(), c.changes.end()));
    EXPECT_EQ(form->ScrollBox1->MonthComboBox1->currentIndex(), std::stoi(c.field) - 1);
    EXPECT_TRUE(errors.empty());
  }
}

TEST_F(WindowTest, ActivationWithAMonthThatIsNoNumberIsReportedOnceAndTheProgramGoesOn) {
  writeSmallPlaces();
  const auto form = openWindow();
  {
    const QSignalBlocker quiet(form->ScrollBox1->MonthEdit1);
    form->ScrollBox1->MonthEdit1->setText("x");
  }
  activate(*form);
  // Closing the message box activates the window again: the same refusal is not shown again.
  activate(*form);
  EXPECT_EQ(errors, std::vector<std::string>{"'x' is not a valid integer value"});
  {
    const QSignalBlocker quiet(form->ScrollBox1->MonthEdit1);
    form->ScrollBox1->MonthEdit1->setText("5");
  }
  std::vector<std::string> changes;
  QObject::connect(form->ScrollBox1->MonthEdit1, &QLineEdit::textChanged,
                   [&](const QString& now) { changes.push_back(now.toStdString()); });
  activate(*form);
  EXPECT_EQ(changes, (std::vector<std::string>{"6", "5"}));
  EXPECT_EQ(form->ScrollBox1->MonthComboBox1->currentIndex(), 4);
  EXPECT_EQ(errors.size(), 1u);
}

// Closing an error's message box activates the window again. An activation that fails the same
// way must not show the box again (an endless row of boxes), nor step the month on.
TEST_F(WindowTest, ActivationThatCannotDrawDoesNotRepeatTheErrorJustShown) {
  const struct {
    const char* name;
    const char* year;       // from the settings
    const char* typedYear;  // typed into the emptied year field afterwards, if any
    const char* error;
  } cases[] = {
      {"year in the settings", "abc", nullptr, "'abc' is not a valid integer value"},
      {"year field emptied", "2010", "", "'' is not a valid integer value"},
      {"year typed", "2010", "20x", "'20x' is not a valid integer value"},
  };
  writeSmallPlaces();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    errors.clear();
    writeFile("tvrn.ini", std::string("[CHMonth]\nMonth=4\nYear=") + c.year + "\n");
    const auto form = openWindow();
    if (c.typedYear) {
      form->ScrollBox1->YearEdit1->clear();
      QTest::keyClicks(form->ScrollBox1->YearEdit1, c.typedYear);
    }
    for (int i = 0; i < 3; ++i) activate(*form);
    EXPECT_EQ(errors, std::vector<std::string>{c.error});
    EXPECT_EQ(text(form->ScrollBox1->MonthEdit1), "5");
    EXPECT_EQ(form->ScrollBox1->MonthComboBox1->currentIndex(), 4);
  }
}

// Alt+Tab back, or a dialog closed: the activation draws the month again and the day the user
// chose stays chosen. A click that activates the window chooses its day.
TEST_F(WindowTest, ActivationKeepsTheSelectedDayAndAClickThatActivatesSelectsItsDay) {
  writeSmallPlaces();
  writeFile("tvrn.ini", "[CHMonth]\nMonth=2\nYear=2007\n");
  const auto form = openWindow();
  form->selectTab(0);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  MonthPage* page = form->ScrollBox1;
  QWidget elsewhere;
  const auto away = [&] {
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
  };
  const auto back = [&] {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  };
  const auto clickBox = [&](int n) {
    QTest::mouseClick(page->RichEdit[n - 1]->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  };
  const auto expectSelected = [&](int n) {
    EXPECT_EQ(page->selectedBox(), n);
    EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(page->RichEdit[n - 1]));
    EXPECT_EQ(page->MessStaticText->text(), page->boxHint(n));
  };

  clickBox(20);
  expectSelected(20);
  int changes = 0;
  QObject::connect(page->MonthEdit1, &QLineEdit::textChanged, [&] { ++changes; });
  away();
  back();
  EXPECT_EQ(changes, 2) << "the activation draws the month again";
  expectSelected(20);
  EXPECT_TRUE(page->MessStaticText->text().startsWith(" Friday, March 16, 2007"));

  away();
  clickBox(15);
  back();
  expectSelected(15);
  EXPECT_TRUE(page->MessStaticText->text().startsWith(" Sunday, March 11, 2007"));
  EXPECT_EQ(changes, 4);

  // Another month on view after the activation: its first Saturday, as after any change.
  away();
  {
    const QSignalBlocker quiet(page->MonthEdit1);
    page->MonthEdit1->setText("4");
  }
  back();
  expectSelected(7);
  EXPECT_EQ(page->MonthLabel1->text(), "April 2007");
  EXPECT_TRUE(errors.empty());
}

// The place's numbers do not convert: the activation cannot draw, and the headers and the controls
// still name the same month.
TEST_F(WindowTest, AnActivationThatCannotDrawLeavesHeadersAndControlsOnOneMonth) {
  writeSmallPlaces();
  writeFile("lat.dat", "1.5\r\nx\r\n3\r\n");
  writeFile("tvrn.ini", "[Location]\nListCountry=0\n[CHMonth]\nMonth=8\nYear=2007\n");
  const auto form = openWindow();
  form->selectTab(0);
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  MonthPage* page = form->ScrollBox1;
  ASSERT_EQ(page->MonthLabel1->text(), "September 2007");
  form->GroupBox1->setSelectedIndex(1);
  errors.clear();
  activate(*form);
  EXPECT_EQ(errors, std::vector<std::string>{"'x' is not a valid floating point value"});
  EXPECT_EQ(page->MonthLabel1->text(), "September 2007");
  EXPECT_EQ(page->HebYearLabel1->text(), "Elul-Tishri 5767-5768");
  EXPECT_EQ(text(page->MonthEdit1), "9");
  EXPECT_EQ(page->MonthComboBox1->currentIndex(), 8);
  for (const QTextEdit* box : page->RichEdit) EXPECT_TRUE(box->isHidden());
  EXPECT_EQ(QApplication::focusWidget(), page->MonthComboBox1);
}

TEST_F(WindowTest, TabsShowOnePageAtATime) {
  writeSmallPlaces();
  const auto form = openWindow();
  form->show();
  form->activateWindow();
  QCoreApplication::processEvents();
  {
    const QSignalBlocker quiet(form->ScrollBox1->MonthComboBox1);
    form->ScrollBox1->MonthComboBox1->setCurrentIndex(6);
  }
  const struct {
    int tab;
    bool monthShown, generateShown, aboutShown, weekdaysShown;
  } steps[] = {
      {0, true, false, false, true},
      {1, false, true, false, false},
      {2, false, false, true, false},  // the third tab leaves the weekday labels as they were
      {0, true, false, false, true},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.tab);
    form->TabControl1->setCurrentIndex(step.tab);
    QCoreApplication::processEvents();
    EXPECT_EQ(!form->ScrollBox1->isHidden(), step.monthShown);
    EXPECT_EQ(!form->ScrollBox2->isHidden(), step.generateShown);
    EXPECT_EQ(!form->ScrollBox3->isHidden(), step.aboutShown);
    for (const QLabel* weekday : form->ScrollBox1->MLabel)
      EXPECT_EQ(!weekday->isHidden(), step.weekdaysShown);
  }
  // Back on the month page: the month field follows the drop-down, the view is drawn again and
  // the first Saturday's box has the focus.
  EXPECT_EQ(text(form->ScrollBox1->MonthEdit1), "7");
  EXPECT_EQ(form->ScrollBox1->MonthLabel1->text().toStdString().find("July"), 0u);
  EXPECT_EQ(QApplication::focusWidget(), static_cast<QWidget*>(form->ScrollBox1->RichEdit[6]));
  EXPECT_TRUE(errors.empty());
}

// A place file is the user's to edit: a name that reads as markup is shown as written, in the
// message bar, the headers, the location group, the Generate page and the tooltip alike.
TEST_F(WindowTest, UserTextIsShownAsWrittenNeverAsMarkup) {
  const std::string name = "<b>B</b>, <font color=red size=6>RED</font> <img src=x.png>";
  writeFile("locco.dat", name + "\r\nBeta, B\r\n");
  writeFile("lat.dat", "1.5\r\n-2.5\r\n");
  writeFile("long.dat", "10.25\r\n-20\r\n");
  writeFile("uto.dat", "2\r\n-5\r\n");
  writeFile("tvrn.ini", "[Location]\nListCountry=0\n");
  const auto form = openWindow();
  form->selectTab(0);
  form->ScrollBox1->RichEditEnter(MonthPage::kFirstSaturdayBox);
  EXPECT_NE(form->ScrollBox1->MessStaticText->text().toStdString().find(name), std::string::npos);
  // The save dialog's own labels are Qt's.
  for (const QLabel* label : form->findChildren<QLabel*>()) {
    if (label->window() == form.get() && label->pixmap().isNull()) {
      EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
  }
  form->Tray->Timer1Timer();
  // Qt takes a tooltip for markup by its first line, the date line.
  const QString tip = form->Tray->TrayIcon1->toolTip();
  EXPECT_TRUE(tip.endsWith(" @ <b>B</b>")) << tip.toStdString();
  EXPECT_FALSE(Qt::mightBeRichText(tip));
  EXPECT_TRUE(errors.empty());
}

TEST_F(WindowTest, LinkLabelsOpenTheirAddressesOnTheDesktop) {
  writeSmallPlaces();
  const auto form = openWindow();
  std::vector<std::string> opened;
  bool desktopOpens = true;
  form->services.openDocument = [&](const std::string& target, std::function<void(bool)> done) {
    opened.push_back(target);
    done(desktopOpens);
  };
  click(form->ScrollBox3->Label7);
  click(form->ScrollBox3->URLLabel1);
  click(form->ScrollBox2->Label18);
  EXPECT_EQ(opened, (std::vector<std::string>{kProductWebPage, kMakerHomePage, kMakerHomePage}));
  EXPECT_TRUE(errors.empty());

  // A desktop that cannot open them says so, once for each click.
  desktopOpens = false;
  click(form->ScrollBox3->Label7);
  click(form->ScrollBox2->Label18);
  EXPECT_EQ(errors, (std::vector<std::string>{
                        "Cannot open '" + std::string(kProductWebPage) + "' in the browser",
                        "Cannot open '" + std::string(kMakerHomePage) + "' in the browser"}));
}

// A wheel turned over a closed drop-down to scroll past it must not change the place or the month.
TEST_F(WindowTest, AClosedDropDownTakesTheWheelOnlyWithTheFocus) {
  writeSmallPlaces();
  const auto form = openWindow();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  int placesChosen = 0;
  QObject::connect(form.get(), &TForm1::placeChosen, [&] { ++placesChosen; });
  const struct {
    int tab;
    QComboBox* dropDown;
  } cases[] = {{2, form->GroupBox1->LocCountryComboBox}, {0, form->ScrollBox1->MonthComboBox1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dropDown->objectName().toStdString());
    form->selectTab(c.tab);
    const int before = c.dropDown->currentIndex();
    const int chosen = placesChosen;
    const auto turn = [&] {
      const QPointF inside(5, 5);
      QWheelEvent notch(inside, c.dropDown->mapToGlobal(inside), QPoint(), QPoint(0, -120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
      QCoreApplication::sendEvent(c.dropDown, &notch);
    };
    turn();
    turn();
    EXPECT_EQ(c.dropDown->currentIndex(), before);
    EXPECT_FALSE(c.dropDown->hasFocus());
    EXPECT_EQ(placesChosen, chosen);

    c.dropDown->setFocus();
    turn();
    EXPECT_EQ(c.dropDown->currentIndex(), before + 1);
  }
  EXPECT_EQ(placesChosen, 1);
  EXPECT_EQ(text(form->ScrollBox1->MonthEdit1), "3");
  EXPECT_TRUE(errors.empty());
}

// The link labels are stops of the Tab key, open with Enter or Space, and a screen reader knows
// them as links it can press.
TEST_F(WindowTest, LinksAreReachedWithTabAndOpenWithEnterOrSpace) {
  writeSmallPlaces();
  const auto form = openWindow();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  std::vector<std::string> opened;
  form->services.openDocument = [&](const std::string& target, std::function<void(bool)> done) {
    opened.push_back(target);
    done(true);
  };
  const auto tabOrder = [&](int tab) {
    form->selectTab(tab);
    form->TabControl1->setFocus();
    std::vector<std::string> visited;
    for (int i = 0; i < 20; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      if (QApplication::focusWidget() == form->TabControl1) break;
      visited.push_back(QApplication::focusWidget()->objectName().toStdString());
    }
    return visited;
  };
  std::vector<std::string> about = tabOrder(2);
  ASSERT_GE(about.size(), 3u);
  EXPECT_EQ(about.front(), "Label7");
  EXPECT_EQ(about[1], "LocCountryComboBox");
  EXPECT_EQ(about.back(), "URLLabel1");
  EXPECT_EQ(tabOrder(1).back(), "Label18");

  const struct {
    int tab;
    QLabel* link;
    Qt::Key key;
    const char* opens;
    const char* spoken;
  } links[] = {
      {2, form->ScrollBox3->Label7, Qt::Key_Return, kProductWebPage, "Tevorin web page"},
      {2, form->ScrollBox3->URLLabel1, Qt::Key_Space, kMakerHomePage, kMakerHomePage},
      {1, form->ScrollBox2->Label18, Qt::Key_Enter, kMakerHomePage, kMakerHomePage},
  };
  for (const auto& l : links) {
    SCOPED_TRACE(l.link->objectName().toStdString());
    form->selectTab(l.tab);
    l.link->setFocus();
    EXPECT_EQ(l.link->frameStyle(), QFrame::Box | QFrame::Plain) << "the focus is seen";
    opened.clear();
    QTest::keyClick(l.link, l.key);
    EXPECT_EQ(opened, std::vector<std::string>{l.opens});

    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(l.link);
    EXPECT_EQ(spoken->role(), QAccessible::Link);
    EXPECT_EQ(spoken->text(QAccessible::Name).toStdString(), l.spoken);
    opened.clear();
    spoken->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, std::vector<std::string>{l.opens});
  }
  // Another key does nothing.
  opened.clear();
  QTest::keyClick(form->ScrollBox2->Label18, Qt::Key_A);
  EXPECT_TRUE(opened.empty());
}

// A drop-down is named by its choice; a screen reader says its label's name with it.
TEST_F(WindowTest, ThePlaceListIsSpokenWithItsLabel) {
  writeSmallPlaces();
  const auto form = openWindow();
  QAccessibleInterface* list =
      QAccessible::queryAccessibleInterface(form->GroupBox1->LocCountryComboBox);
  // The group's caption labels it too.
  std::vector<QString> labels;
  for (const auto& [label, relation] : list->relations(QAccessible::Label))
    labels.push_back(label->text(QAccessible::Name));
  EXPECT_THAT(labels, ::testing::Contains(QString("Location and country")));
  EXPECT_EQ(form->GroupBox1->Label1->buddy(), form->GroupBox1->LocCountryComboBox);
}

}  // namespace
}  // namespace tevorin::testing
