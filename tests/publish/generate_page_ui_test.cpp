#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/shell/up_down.h"
#include "app/shell/window_services.h"
#include "common/file_error.h"
#include "common/number_text.h"
#include "common/product.h"
#include "publish/generate_page.h"
#include "tests/support/ics_reading.h"
#include "tests/support/modal_dialog.h"
#include "tests/support/qt_application.h"
#include "tests/support/scoped_variable.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using testing::folderEntries;
using ::testing::HasSubstr;
using testing::readFile;
using testing::ScratchFolder;
using testing::writeFile;

using testing::ensureApplication;
using testing::whenModal;

constexpr GeoLocation kJerusalem{31.78, 35.22, 2};
constexpr char kReady[] = "Ready to generate";

std::string text(const QLineEdit* field) {
  return field->text().toStdString();
}

// QFileDialog::accept checks the typed name as the Save button does.
void accept(QDialog* dialog) {
  QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
}

// The page in a scratch folder that is also the current directory, with a fake place and shell.
class GeneratePageTest : public ::testing::Test {
 public:
  GeneratePageTest() {
    ensureApplication();
    std::filesystem::create_directories(programDir);
    writeFile(programDir / "Parsh.htm", "portions");
    services.placeName = [] { return std::string("Jerusalem, Israel"); };
    services.hasPlace = [] { return true; };
    services.placeGeoLocation = [this] {
      if (!placeReadable) throw ConversionError("'' is not a valid floating point value");
      return kJerusalem;
    };
    services.openDocument = [this](const std::string& target, std::function<void(bool)> done) {
      opened.push_back(target);
      answers.push_back(std::move(done));
    };
    services.dataDir = programDir;
    std::filesystem::current_path(here);
    page = std::make_unique<GeneratePage>(services);
    page->SaveDialog1->setOption(QFileDialog::DontUseNativeDialog);
  }
  ~GeneratePageTest() override { std::filesystem::current_path(previousDir); }

  std::vector<std::string> log() const {
    std::vector<std::string> lines;
    for (const QString& line : page->MessagesMemo1->toPlainText().split('\n'))
      lines.push_back(line.toStdString());
    return lines;
  }

  QString labelText(const QString& start) const {
    for (const QLabel* label : page->findChildren<QLabel*>())
      if (label->text().startsWith(start)) return label->text();
    return {};
  }

  ScratchFolder scratch;
  std::filesystem::path previousDir = std::filesystem::current_path();
  std::filesystem::path here = std::filesystem::canonical(scratch.path());
  std::filesystem::path programDir = here / "program";
  WindowServices services;
  bool placeReadable = true;
  std::vector<std::string> opened;
  // The shell's answers still to come, in the order it was asked.
  std::vector<std::function<void(bool)>> answers;
  std::unique_ptr<GeneratePage> page;
};

TEST_F(GeneratePageTest, StartsWithItsControlsLabelsAndColours) {
  EXPECT_EQ(text(page->MonthEdit2), "1");
  EXPECT_EQ(text(page->YearEdit2), "2007");
  EXPECT_EQ(text(page->NoMonthEdit1), "12");
  EXPECT_EQ(text(page->PathEdit1), "calendar.html");
  EXPECT_EQ(page->YLabel1->text(), "");
  EXPECT_THAT(log(), ElementsAre(kReady));
  EXPECT_TRUE(page->MessagesMemo1->isReadOnly());
  EXPECT_EQ(page->MessagesMemo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_FALSE(page->ViewHTMLBitBtn1->isEnabled());

  std::vector<std::string> months;
  for (int row = 0; row < page->MonthListBox1->count(); ++row)
    months.push_back(page->MonthListBox1->item(row)->text().toStdString());
  EXPECT_THAT(months, ElementsAre("January", "February", "March", "April", "May", "June", "July",
                                  "August", "September", "October", "November", "December"));
  EXPECT_EQ(page->MonthListBox1->visualItemRect(page->MonthListBox1->item(0)).height(), 16);
  EXPECT_EQ(page->MonthListBox1->selectionMode(), QAbstractItemView::SingleSelection);

  EXPECT_EQ(page->BrowseBitBtn1->text(), "&Browse");
  EXPECT_EQ(page->GenerateBitBtn1->text(), "&Generate HTML calendar ");
  EXPECT_EQ(page->ViewHTMLBitBtn1->text(), "&View generated calendar");
  EXPECT_EQ(page->SaveDialog1->windowTitle(), "Calendar HTML file generate in");
  EXPECT_EQ(page->Label18->text(), kMakerHomePage);
  for (const char* caption :
       {"Common (Gregorian) date", "Month:", "Month No:", "Year:", "No. of months to generate:",
        "Path for output generated HTML calendar:", "Messages:"})
    EXPECT_EQ(labelText(caption), caption);

  EXPECT_EQ(page->palette().color(QPalette::Window), QColor(0, 64, 128));
  EXPECT_EQ(page->MessagesMemo1->palette().color(QPalette::Base), QColor(193, 224, 255));
  EXPECT_EQ(page->YLabel1->palette().color(QPalette::WindowText), QColor(255, 0, 0));
  EXPECT_EQ(page->findChild<QLabel*>()->palette().color(QPalette::WindowText), Qt::white);
}

// Each label is its control's buddy; a screen reader says each control by the name a person would.
TEST_F(GeneratePageTest, EveryControlHasItsLabelAsBuddyAndANameToSay) {
  const struct {
    const char* label;
    QWidget* control;
    const char* spoken;
  } labelled[] = {
      {"Month:", page->MonthListBox1, "Month"},
      {"Month No:", page->MonthEdit2, "Month number"},
      {"Year:", page->YearEdit2, "Year"},
      {"No. of months to generate:", page->NoMonthEdit1, "Number of months to generate"},
      {"Path for output generated HTML calendar:", page->PathEdit1,
       "Path for the generated HTML calendar"},
      {"Messages:", page->MessagesMemo1, "Messages"},
  };
  for (const auto& l : labelled) {
    SCOPED_TRACE(l.label);
    const QLabel* label = nullptr;
    for (const QLabel* candidate : page->findChildren<QLabel*>())
      if (candidate->text() == l.label) label = candidate;
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->buddy(), l.control);
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(l.control)->text(QAccessible::Name).toStdString(),
        l.spoken);
  }
  const struct {
    QObject* control;
    const char* spoken;
  } named[] = {
      {page->MonthUpDown2->findChildren<QToolButton*>().at(0), "Month number up"},
      {page->YearUpDown2->findChildren<QToolButton*>().at(1), "Year down"},
      {page->NoMonthUpDown1->findChildren<QToolButton*>().at(0), "Number of months to generate up"},
      {page->BrowseBitBtn1, "Browse"},
      {page->ViewHTMLBitBtn1, "View generated calendar"},
      {page->Label18, kMakerHomePage},
  };
  for (const auto& n : named)
    EXPECT_EQ(
        QAccessible::queryAccessibleInterface(n.control)->text(QAccessible::Name).toStdString(),
        n.spoken);
}

TEST_F(GeneratePageTest, SpinnersStopAtTheirLimits) {
  const struct {
    QLineEdit* field;
    UpDown* arrows;
    const char* low;
    const char* high;
  } spinners[] = {
      {page->MonthEdit2, page->MonthUpDown2, "1", "12"},
      {page->YearEdit2, page->YearUpDown2, "1600", "2500"},
      {page->NoMonthEdit1, page->NoMonthUpDown1, "1", "1000"},
  };
  for (const auto& s : spinners) {
    SCOPED_TRACE(s.field->objectName().toStdString());
    s.field->setText(s.high);
    s.arrows->stepUp();
    EXPECT_EQ(text(s.field), s.high);
    s.field->setText(s.low);
    s.arrows->stepDown();
    EXPECT_EQ(text(s.field), s.low);
  }
  page->NoMonthEdit1->setText("999");
  page->NoMonthUpDown1->stepUp();
  EXPECT_EQ(text(page->NoMonthEdit1), "1000");
}

TEST_F(GeneratePageTest, MonthFieldIsCorrectedAndSelectsItsName) {
  const struct {
    const char* typed;
    const char* field;
    int row;
  } cases[] = {{"13", "12", 11}, {"0", "1", 0}, {"3", "3", 2}, {"-4", "1", 0}, {"+7", "+7", 6}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    page->MonthEdit2->setText(c.typed);
    EXPECT_EQ(text(page->MonthEdit2), c.field);
    EXPECT_EQ(page->MonthListBox1->currentRow(), c.row);
  }
  page->MonthEdit2->setText("");
  EXPECT_EQ(page->MonthListBox1->currentRow(), 6);
  EXPECT_THROW(page->MonthEdit2->setText("x"), ConversionError);
  EXPECT_EQ(text(page->MonthEdit2), "x");
}

// Each key is handled at once, corrections included, and the field keeps the focus throughout.
TEST_F(GeneratePageTest, TypingIntoAFieldKeepsTheFocusThere) {
  page->show();
  page->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
  const struct {
    QLineEdit* field;
    const char* typed;
    const char* text;
  } cases[] = {
      {page->MonthEdit2, "12", "12"},
      {page->YearEdit2, "2008", "2008"},
      {page->NoMonthEdit1, "5000", "1000"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field->objectName().toStdString());
    QTest::mouseClick(c.field, Qt::LeftButton);
    c.field->selectAll();
    for (const char* key = c.typed; *key; ++key) {
      QTest::keyClick(c.field, *key);
      EXPECT_EQ(QApplication::focusWidget(), c.field);
    }
    EXPECT_EQ(text(c.field), c.text);
  }
  EXPECT_EQ(page->MonthListBox1->currentRow(), 11);
  EXPECT_EQ(page->YLabel1->text(), "");
}

TEST_F(GeneratePageTest, ChoosingAMonthNamePutsItsNumber) {
  page->MonthListBox1->setCurrentRow(2);
  EXPECT_EQ(text(page->MonthEdit2), "3");
  page->MonthListBox1->setCurrentRow(11);
  EXPECT_EQ(text(page->MonthEdit2), "12");
}

// The list may already stand on a name the month field disagrees with (after the settings are
// read); a click on that very name must still put its number.
TEST_F(GeneratePageTest, ClickingAMonthNamePutsItsNumberEvenWhenItIsSelected) {
  const struct {
    int selected;
    int clicked;
    const char* field;
  } cases[] = {{1, 1, "2"}, {1, 2, "3"}, {11, 0, "1"}};
  page->show();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.clicked);
    page->MonthEdit2->setText("5");
    {
      const QSignalBlocker quiet(page->MonthListBox1);
      page->MonthListBox1->setCurrentRow(c.selected);
    }
    QWidget* rows = page->MonthListBox1->viewport();
    const QRect row = page->MonthListBox1->visualItemRect(page->MonthListBox1->item(c.clicked));
    QTest::mouseClick(rows, Qt::LeftButton, {}, row.center());
    EXPECT_EQ(text(page->MonthEdit2), c.field);
    EXPECT_EQ(page->MonthListBox1->currentRow(), c.clicked);
  }
}

TEST_F(GeneratePageTest, YearOutsideTheSpanIsWarnedAboutButKept) {
  const struct {
    const char* typed;
    const char* warning;
  } cases[] = {{"2600", "Year out of range"},
               {"2007", ""},
               {"1599", "Year out of range"},
               {"1600", ""},
               {"2500", ""},
               {"2501", "Year out of range"},
               {"", "Year out of range"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    page->YearEdit2->setText(c.typed);
    EXPECT_EQ(text(page->YearEdit2), c.typed);
    EXPECT_EQ(page->YLabel1->text().toStdString(), c.warning);
  }
}

TEST_F(GeneratePageTest, MonthCountIsKeptWithinOneToAThousand) {
  const struct {
    const char* typed;
    const char* field;
  } cases[] = {{"5000", "1000"}, {"0", "1"}, {"-3", "1"}, {"24", "24"}, {"", ""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    page->NoMonthEdit1->setText(c.typed);
    EXPECT_EQ(text(page->NoMonthEdit1), c.field);
  }
  EXPECT_THROW(page->NoMonthEdit1->setText("12 months"), ConversionError);
}

TEST_F(GeneratePageTest, GenerateWritesTheDocumentAndLogsEachStep) {
  page->MonthEdit2->setText("11");
  page->NoMonthEdit1->setText("3");
  page->GenerateBitBtn1->click();

  EXPECT_THAT(log(), ElementsAre(kReady, "Starting to generate...", "1 of 3 months was generated",
                                 "2 of 3 months was generated", "3 of 3 months was generated",
                                 "Generating process done", kReady));
  EXPECT_EQ(text(page->PathEdit1), (here / "calendar.html").string());
  const std::string document = readFile(here / "calendar.html");
  EXPECT_THAT(document, HasSubstr("<CAPTION><BIG>November 2007 (5768) - Jerusalem, Israel</BIG>"));
  EXPECT_THAT(document, HasSubstr("<CAPTION><BIG>January 2008 (5768) - Jerusalem, Israel</BIG>"));
  EXPECT_EQ(readFile(here / "Parshiyot.htm"), "portions");
  EXPECT_TRUE(page->ViewHTMLBitBtn1->isEnabled());
}

// The same months, place, rules, day texts and log as a document, as events of the user's own
// calendar; no portions page goes beside it.
TEST_F(GeneratePageTest, PathEndingInIcsWritesAnIcalendarFile) {
  const testing::ScopedVariable epoch("SOURCE_DATE_EPOCH", "1700000000");
  testing::IcalendarReading icalendar;
  for (const char* name : {"year.ics", "YEAR.ICS", "Year.Ics"}) {
    SCOPED_TRACE(name);
    page = std::make_unique<GeneratePage>(services);
    page->MonthEdit2->setText("3");
    page->NoMonthEdit1->setText("2");
    page->PathEdit1->setText(name);
    page->GenerateBitBtn1Click();

    EXPECT_THAT(log(),
                ElementsAre(kReady, "Starting to generate...", "1 of 2 months was generated",
                            "2 of 2 months was generated", "Generating process done", kReady));
    const auto path = here / name;
    EXPECT_EQ(text(page->PathEdit1), path.string());
    const std::string file = readFile(path);
    icalendar.add(file);
    const auto calendar = testing::readIcs(file);
    EXPECT_EQ(calendar.properties.at("X-WR-CALNAME"),
              "Tevorin: Jerusalem\\, Israel - diaspora rules\\, Sephardi names");
    std::set<std::string> summaries;
    for (const auto& event : calendar.events) {
      summaries.insert(event.at("SUMMARY"));
      EXPECT_EQ(event.at("DTSTAMP"), "20231114T221320Z");
    }
    for (const char* summary : {"Purim", "Vayakhel Pekudei (weekly portion)", "Pesach", "Omer 1"})
      EXPECT_TRUE(summaries.contains(summary)) << summary;
    // Shown 6:08/17:34 on 1 March 2007 at two hours ahead.
    EXPECT_THAT(file, HasSubstr("\r\nDTSTART:20070301T040800Z\r\nDTEND:20070301T040900Z\r\n"
                                "LOCATION:Jerusalem\\, Israel\r\nSUMMARY:Sunrise\r\n"));
    EXPECT_FALSE(summaries.contains("11 Adar 5767"));  // no Hebrew dates
    EXPECT_TRUE(page->ViewHTMLBitBtn1->isEnabled());

    opened.clear();
    page->ViewHTMLBitBtn1Click();
    EXPECT_THAT(opened, ElementsAre(path.string()));
    std::filesystem::remove(path);
  }
  EXPECT_EQ(folderEntries(here), std::set<std::string>{"program"});
  icalendar.check();
}

TEST_F(GeneratePageTest, OtherPathsWriteADocument) {
  for (const char* name : {"calendar.ics.html", "calendar.icsx", "ics", "calendar.htm"}) {
    SCOPED_TRACE(name);
    page->PathEdit1->setText(name);
    page->NoMonthEdit1->setText("1");
    page->GenerateBitBtn1Click();
    EXPECT_THAT(readFile(here / name), HasSubstr("<CAPTION><BIG>January 2007 (5767)"));
  }
}

TEST_F(GeneratePageTest, EmptyFieldsAreFilledBeforeTheRun) {
  page->NoMonthEdit1->setText("");
  page->MonthEdit2->setText("");
  page->YearEdit2->setText("");
  page->GenerateBitBtn1Click();

  EXPECT_EQ(text(page->NoMonthEdit1), "1");
  EXPECT_EQ(text(page->MonthEdit2), "1");
  EXPECT_EQ(text(page->YearEdit2), "2003");
  EXPECT_THAT(readFile(here / "calendar.html"), HasSubstr("<CAPTION><BIG>January 2003 (5763)"));
  EXPECT_THAT(log(), ElementsAre(kReady, "Starting to generate...", "1 of 1 months was generated",
                                 "Generating process done", kReady));
}

// Runs the writer refuses still end normally: the log says why, and the View button wakes up.
TEST_F(GeneratePageTest, RefusedRunsEndWithReadyToGenerate) {
  const struct {
    const char* month;
    const char* year;
    const char* path;
    const char* line;
  } cases[] = {
      {"1", "2007", "", "Bad filename or path"},
      {"1", "0", "calendar.html", "Year out of range"},
      {"2", "9999", "calendar.html", "Year out of range"},  // twelve months run into 10000
      {"1", "2147483647", "calendar.html", "Year out of range"},
      {"2", "9999", "calendar.ics", "Year out of range"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.month) + "/" + c.year + " '" + c.path + "'");
    page = std::make_unique<GeneratePage>(services);
    page->MonthEdit2->setText(c.month);
    page->YearEdit2->setText(c.year);
    page->PathEdit1->setText(c.path);
    page->GenerateBitBtn1Click();
    EXPECT_THAT(log(), ElementsAre(kReady, c.line, kReady));
    EXPECT_TRUE(page->ViewHTMLBitBtn1->isEnabled());
    EXPECT_EQ(folderEntries(here), std::set<std::string>{"program"});
  }
}

TEST_F(GeneratePageTest, YearsBeyondTheSpanTheEngineHandlesAreWritten) {
  page->YearEdit2->setText("2600");
  page->NoMonthEdit1->setText("1");
  page->GenerateBitBtn1Click();
  EXPECT_THAT(readFile(here / "calendar.html"), HasSubstr("<CAPTION><BIG>January 2600 (6360)"));
}

// Errors leave the handler before its closing steps: no "Ready to generate", View unchanged.
TEST_F(GeneratePageTest, ErrorsEndTheRunWithoutTheClosingSteps) {
  const auto missing = (here / "missing" / "calendar.html").string();
  const auto missingIcs = (here / "missing" / "calendar.ics").string();
  const struct {
    std::function<void(GeneratePageTest&)> arrange;
    std::string error;
    std::vector<std::string> log;
  } cases[] = {
      {[](GeneratePageTest& t) { t.placeReadable = false; },
       "'' is not a valid floating point value",
       {kReady}},
      {[](GeneratePageTest& t) {
         t.page->YearEdit2->blockSignals(true);
         t.page->YearEdit2->setText("20x7");
       },
       "'20x7' is not a valid integer value",
       {kReady}},
      {[](GeneratePageTest& t) {
         t.page->MonthEdit2->blockSignals(true);
         t.page->MonthEdit2->setText("1x");
       },
       "'1x' is not a valid integer value",
       {kReady}},
      // The year is read before the month.
      {[](GeneratePageTest& t) {
         t.page->MonthEdit2->blockSignals(true);
         t.page->MonthEdit2->setText("1x");
         t.page->YearEdit2->blockSignals(true);
         t.page->YearEdit2->setText("20x7");
       },
       "'20x7' is not a valid integer value",
       {kReady}},
      {[missing](GeneratePageTest& t) {
         t.page->PathEdit1->setText(QString::fromStdString(missing));
       },
       "Cannot create file '" + missing + "': No such file or directory",
       {kReady}},
      {[missingIcs](GeneratePageTest& t) {
         t.page->PathEdit1->setText(QString::fromStdString(missingIcs));
       },
       "Cannot create file '" + missingIcs + "': No such file or directory",
       {kReady}},
      {[](GeneratePageTest& t) { std::filesystem::remove(t.programDir / "Parsh.htm"); },
       "Cannot copy '" + (programDir / "Parsh.htm").string() + "' file to '" +
           (here / "Parshiyot.htm").string() + "'!",
       {kReady, "Starting to generate...", "1 of 1 months was generated"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    page = std::make_unique<GeneratePage>(services);
    page->NoMonthEdit1->setText("1");
    c.arrange(*this);
    try {
      page->GenerateBitBtn1Click();
      ADD_FAILURE() << "no error";
    } catch (const std::exception& error) {
      EXPECT_EQ(std::string(error.what()), c.error);
    }
    EXPECT_THAT(log(), ElementsAreArray(c.log));
    EXPECT_FALSE(page->ViewHTMLBitBtn1->isEnabled());
    placeReadable = true;
  }
}

TEST_F(GeneratePageTest, PlaceIsReadBeforeThePathIsTouched) {
  placeReadable = false;
  EXPECT_THROW(page->GenerateBitBtn1Click(), ConversionError);
  EXPECT_EQ(text(page->PathEdit1), "calendar.html");
}

// The shell's answer comes later; the log tells it when it comes, and the page waits for nothing.
TEST_F(GeneratePageTest, ViewAsksTheShellToOpenThePathAndLogsTheAnswer) {
  const struct {
    bool accepts;
    const char* line;
  } cases[] = {{true, "The browser was started and the calendar page is displayed"},
               {false, "The browser starting error"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    page = std::make_unique<GeneratePage>(services);
    page->show();
    opened.clear();
    answers.clear();
    page->ViewHTMLBitBtn1->setEnabled(true);
    page->PathEdit1->setText("/srv/web/calendar.html");
    QTest::mouseClick(page->ViewHTMLBitBtn1, Qt::LeftButton);
    EXPECT_THAT(opened, ElementsAre("/srv/web/calendar.html"));
    EXPECT_THAT(log(), ElementsAre(kReady, "Starting the browser..."));
    page->MonthEdit2->setText("4");
    EXPECT_EQ(page->MonthListBox1->currentRow(), 3);
    ASSERT_EQ(answers.size(), 1u);
    answers[0](c.accepts);
    EXPECT_THAT(log(), ElementsAre(kReady, "Starting the browser...", c.line, kReady));
  }
  // An answer that comes after the page has gone changes nothing.
  page->ViewHTMLBitBtn1Click();
  page.reset();
  answers.back()(false);
}

TEST_F(GeneratePageTest, BrowseOffersANewFileNameInTheCurrentFolder) {
  QFileDialog* shown = nullptr;
  whenModal([&](QWidget* modal) {
    shown = qobject_cast<QFileDialog*>(modal);
    if (!shown) {
      modal->close();
      return;
    }
    shown->findChild<QLineEdit*>("fileNameEdit")->setText("new-calendar.html");
    accept(shown);
  });
  page->BrowseBitBtn1Click();

  ASSERT_EQ(shown, page->SaveDialog1);
  EXPECT_EQ(shown->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(shown->fileMode(), QFileDialog::AnyFile);
  EXPECT_FALSE(shown->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(shown->nameFilters(),
            QStringList({"HTML files (*.html)", "HTM files (*.htm)", "iCalendar files (*.ics)"}));
  EXPECT_EQ(shown->selectedNameFilter(), "HTML files (*.html)");
  EXPECT_EQ(shown->directory().absolutePath().toStdString(), here.string());
  EXPECT_EQ(text(page->PathEdit1), (here / "new-calendar.html").string());
}

// Under the iCalendar filter a name without an ending gets ".ics"; under the others it stays.
TEST_F(GeneratePageTest, BrowseGivesANameTypedUnderTheIcalendarFilterItsEnding) {
  const struct {
    const char* filter;
    const char* typed;
    const char* chosen;
  } cases[] = {
      {"iCalendar files (*.ics)", "events", "events.ics"},
      {"iCalendar files (*.ics)", "events.ics", "events.ics"},
      {"HTML files (*.html)", "events", "events"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.filter) + " " + c.typed);
    whenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<QFileDialog*>(modal);
      if (!dialog) {
        modal->close();
        return;
      }
      auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
      // As a choice in the list does.
      types->setCurrentIndex(types->findText(c.filter));
      emit types->activated(types->currentIndex());
      emit types->textActivated(types->currentText());
      dialog->findChild<QLineEdit*>("fileNameEdit")->setText(c.typed);
      accept(dialog);
    });
    page->BrowseBitBtn1Click();
    EXPECT_EQ(text(page->PathEdit1), (here / c.chosen).string());
  }
}

TEST_F(GeneratePageTest, BrowseProposesCalendarHtmlAndCancelChangesNothing) {
  QString proposed;
  whenModal([&](QWidget* modal) {
    if (auto* dialog = qobject_cast<QFileDialog*>(modal))
      proposed = dialog->selectedFiles().value(0);
    modal->close();
  });
  page->PathEdit1->setText("mine.html");
  page->BrowseBitBtn1Click();
  EXPECT_EQ(proposed.toStdString(), (here / "calendar.html").string());
  EXPECT_EQ(text(page->PathEdit1), "mine.html");
}

TEST_F(GeneratePageTest, BrowseAsksBeforeAnExistingFileIsChosen) {
  writeFile(here / "calendar.html", "an earlier calendar");
  std::vector<std::string> questions;
  // First answer No (the dialog stays open), then Yes.
  const auto answer = [&](QMessageBox::StandardButton reply) {
    whenModal([&, reply](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      if (!box) {
        modal->close();
        return;
      }
      questions.push_back(box->text().toStdString());
      box->button(reply)->click();
    });
  };
  whenModal([&](QWidget* modal) {
    auto* dialog = qobject_cast<QFileDialog*>(modal);
    if (!dialog) {
      modal->close();
      return;
    }
    answer(QMessageBox::No);
    accept(dialog);
    EXPECT_TRUE(dialog->isVisible());
    answer(QMessageBox::Yes);
    accept(dialog);
  });
  page->BrowseBitBtn1Click();
  EXPECT_EQ(questions.size(), 2u);
  EXPECT_EQ(text(page->PathEdit1), (here / "calendar.html").string());
}

}  // namespace
}  // namespace tevorin
