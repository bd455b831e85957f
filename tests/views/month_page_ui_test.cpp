#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>
#include <QToolTip>
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/shell/up_down.h"
#include "app/shell/window_services.h"
#include "calendar/calendar_day.h"
#include "calendar/holidays.h"
#include "calendar/omer.h"
#include "common/number_text.h"
#include "sun/sun_times.h"
#include "tests/support/qt_application.h"
#include "views/month_page.h"

// Failures show the text.
void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}

namespace tevorin {
namespace {

using testing::ensureApplication;

constexpr GeoLocation kJerusalem{31.7833, 35.2333, 2};
constexpr const char* kPlace = "Jerusalem, Israel";

constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 255);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kWhite = qRgb(255, 255, 255);

QRgb infoBackground() {
  return QToolTip::palette().color(QPalette::ToolTipBase).rgb();
}

struct Line {
  std::string text;
  QRgb color;
  bool bold;
  int pixelSize;
  int alignment;
  bool operator==(const Line&) const = default;
};

void PrintTo(const Line& line, std::ostream* out) {
  *out << "{\"" << line.text << "\" #" << std::hex << line.color << std::dec
       << (line.bold ? " bold " : " regular ") << line.pixelSize << "px align " << line.alignment
       << "}";
}

std::vector<Line> linesOf(const QTextEdit* box) {
  std::vector<Line> lines;
  const QFont normal = box->document()->defaultFont();
  for (QTextBlock block = box->document()->begin(); block.isValid(); block = block.next()) {
    const QTextCharFormat format =
        block.begin().atEnd() ? block.charFormat() : block.begin().fragment().charFormat();
    lines.push_back({block.text().toStdString(), format.foreground().color().rgb(),
                     format.fontWeight() >= QFont::Bold,
                     QFontInfo(format.font().resolve(normal)).pixelSize(),
                     static_cast<int>(block.blockFormat().alignment())});
  }
  return lines;
}

struct BoxState {
  bool shown;
  std::vector<Line> lines;
  std::string hint;
  QRgb background;
  bool operator==(const BoxState&) const = default;
};

struct PageState {
  std::string monthLabel;
  std::string hebrewLabel;
  std::vector<BoxState> boxes;
  bool operator==(const PageState&) const = default;
};

void PrintTo(const PageState& page, std::ostream* out) {
  *out << page.monthLabel << " / " << page.hebrewLabel;
  for (size_t n = 0; n < page.boxes.size(); ++n) {
    const BoxState& box = page.boxes[n];
    *out << "\n  " << n + 1 << (box.shown ? " shown #" : " hidden #") << std::hex << box.background
         << std::dec << " \"" << box.hint << "\"";
    for (const Line& line : box.lines) {
      *out << " ";
      PrintTo(line, out);
    }
  }
}

class MonthPageTest : public ::testing::Test {
 protected:
  MonthPageTest() {
    ensureApplication();
    services.placeName = [this] { return placeName; };
    services.hasPlace = [this] { return hasPlace; };
    services.placeGeoLocation = [this] { return place(); };
    services.currentPage = [this] { return currentPage; };
    services.showPage = [](int) {};
    services.yield = [this] {
      ++yields;
      // A copy: the hook may replace itself while it runs.
      if (const std::function<void()> hook = onYield) hook();
    };
    services.today = [] { return GregorianDate{2007, 9, 17}; };
    services.openDocument = [](const std::string&, std::function<void(bool)> done) { done(true); };
    page = std::make_unique<MonthPage>(services);
    page->resize(662, 503);
    page->show();
    page->activateWindow();
    for (int i = 0; i < 100 && QApplication::activeWindow() != page.get(); ++i)
      QApplication::processEvents();
    // As the window starts: February 2007 in both month controls.
    page->MonthComboBox1->setCurrentIndex(1);
    page->MonthEdit1->setText("2");
    yields = 0;
  }

  QTextEdit* box(int n) const { return page->RichEdit[n - 1]; }
  int normalPixels() const { return QFontInfo(box(1)->document()->defaultFont()).pixelSize(); }

  PageState state() const {
    PageState now{
        page->MonthLabel1->text().toStdString(), page->HebYearLabel1->text().toStdString(), {}};
    for (int n = 1; n <= 42; ++n)
      now.boxes.push_back({!box(n)->isHidden(), linesOf(box(n)), page->boxHint(n).toStdString(),
                           box(n)->palette().color(QPalette::Base).rgb()});
    return now;
  }

  // The month as the user gets it: year field first, then month field.
  void showThroughFields(int month, int year) {
    page->YearEdit1->setText(QString::number(year));
    page->MonthEdit1->setText(QString::number(month));
  }

  WindowServices services;
  std::string placeName = kPlace;
  bool hasPlace = true;
  std::function<GeoLocation()> place = [] { return kJerusalem; };
  int currentPage = 0;
  int yields = 0;
  std::function<void()> onYield;
  std::unique_ptr<MonthPage> page;
};

struct MonthCase {
  int month;
  int year;
  int firstBox;
  int lastBox;
  const char* monthLabel;
  const char* hebrewLabel;
};

TEST_F(MonthPageTest, EachMonthFillsTheBoxesOfItsDaysUnderBothHeaders) {
  const MonthCase cases[] = {
      {4, 2007, 1, 30, "April 2007", "Nisan-Iyar 5767"},            // starts on a Sunday
      {2, 2009, 1, 28, "February 2009", "Shevat-Adar 5769"},        // exactly four rows
      {9, 2007, 7, 36, "September 2007", "Elul-Tishri 5767-5768"},  // starts on a Saturday
      {12, 2007, 7, 37, "December 2007", "Kislev-Tevet 5768"},      // the highest slot
      {3, 2007, 5, 35, "March 2007", "Adar-Nisan 5767"},            //
      {3, 2008, 7, 37, "March 2008", "Adar I-Adar II 5768"},        // a Hebrew leap year
      {4, 2014, 3, 32, "April 2014", "Nisan 5774"},                 // inside one Hebrew month
      {2, 2014, 7, 34, "February 2014", "Adar I 5774"},             //
      {1, 1600, 7, 37, "January 1600", "Tevet-Shevat 5360"},        // the first supported month
      {12, 2500, 4, 34, "December 2500", "Kislev-Tevet 6261"},      // the last
  };
  for (const MonthCase& c : cases) {
    SCOPED_TRACE(c.monthLabel);
    page->showMonth(c.month, c.year, false, false);
    EXPECT_EQ(page->MonthLabel1->text().toStdString(), c.monthLabel);
    EXPECT_EQ(page->HebYearLabel1->text().toStdString(), c.hebrewLabel);
    for (int n = 1; n <= 42; ++n) {
      SCOPED_TRACE("RichEdit" + std::to_string(n));
      const bool holds = n >= c.firstBox && n <= c.lastBox;
      ASSERT_EQ(!box(n)->isHidden(), holds);
      const std::vector<Line> lines = linesOf(box(n));
      const QRgb background = box(n)->palette().color(QPalette::Base).rgb();
      if (n % 7 == 0) {
        EXPECT_EQ(background, infoBackground());
      }
      if (!holds) continue;
      ASSERT_GE(lines.size(), 2u);
      EXPECT_EQ(lines[0], (Line{std::to_string(n - c.firstBox + 1), kBlack, true,
                                normalPixels() + 2, Qt::AlignLeft}));
      EXPECT_EQ(lines[1].color, kBlue);
      EXPECT_FALSE(lines[1].bold);
      EXPECT_EQ(lines[1].pixelSize, normalPixels());
      EXPECT_EQ(lines[1].alignment, Qt::AlignHCenter);
      const bool holiday = lines.size() > 2 && lines[2].color == kRed;
      if (n % 7 != 0) {
        EXPECT_EQ(background, holiday ? infoBackground() : kWhite);
      }
      EXPECT_EQ(box(n)->toolTip(), QString());
      EXPECT_EQ(box(n)->textCursor().position(), 0);
    }
  }
}

TEST_F(MonthPageTest, BoxLinesCarryTheirOwnStyleInOrder) {
  struct BoxCase {
    int month, year, box;
    std::vector<std::pair<std::string, QRgb>> lines;  // after the two date lines
    QRgb background;
  };
  const BoxCase cases[] = {
      // 16 Nisan: the second day of Pesach and the first of the Omer.
      {4, 2007, 4, {{"Pesach", kRed}, {"Omer 1", kBlack}}, infoBackground()},
      {4, 2007, 11, {{"Omer 8", kBlack}}, kWhite},  // an Omer day alone keeps white
      {3, 2007, 8, {{"Purim", kRed}}, infoBackground()},
      {3, 2007, 7, {}, infoBackground()},  // 13 Adar on a Saturday: no fast, still shaded
      {2, 2008, 25, {{"Purim Katan", kRed}}, infoBackground()},
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.year) + " box " +
                 std::to_string(c.box));
    page->showMonth(c.month, c.year, false, false);
    const std::vector<Line> lines = linesOf(box(c.box));
    ASSERT_EQ(lines.size(), 2 + c.lines.size());
    for (size_t i = 0; i < c.lines.size(); ++i)
      EXPECT_EQ(lines[2 + i],
                (Line{c.lines[i].first, c.lines[i].second, false, normalPixels(), Qt::AlignLeft}));
    EXPECT_EQ(box(c.box)->palette().color(QPalette::Base).rgb(), c.background);
  }
}

struct Ink {
  std::string text;
  double top;
  double bottom;
};

// Where the glyphs of each laid-out line of a box are drawn, top to bottom, in viewport pixels.
std::vector<Ink> inkOf(const QTextEdit* box) {
  std::vector<Ink> inks;
  const QTextDocument* document = box->document();
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    const QFontMetricsF metrics(block.charFormat().font().resolve(document->defaultFont()));
    const double blockTop = document->documentLayout()->blockBoundingRect(block).top();
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
      const QTextLine line = block.layout()->lineAt(i);
      const QString text = block.text().mid(line.textStart(), line.textLength()).trimmed();
      const double baseline = blockTop + line.y() + line.ascent();
      const QRectF glyphs = metrics.tightBoundingRect(text);
      inks.push_back({text.toStdString(), baseline + glyphs.top(), baseline + glyphs.bottom()});
    }
  }
  return inks;
}

// The boxes have no scroll bars, so a line laid out past the viewport is never seen.
void expectEveryLineVisible(const QTextEdit* box) {
  SCOPED_TRACE(box->toPlainText().toStdString());
  const QSizeF needed = box->document()->documentLayout()->documentSize();
  EXPECT_LE(needed.height(), box->viewport()->height());
  EXPECT_LE(needed.width(), box->viewport()->width());
  const std::vector<Ink> inks = inkOf(box);
  for (size_t i = 0; i < inks.size(); ++i) {
    SCOPED_TRACE(inks[i].text);
    EXPECT_GE(inks[i].top, 0);
    EXPECT_LE(inks[i].bottom, box->viewport()->height());
    if (i > 0) {
      EXPECT_LE(inks[i - 1].bottom, inks[i].top) << "overlaps " << inks[i - 1].text;
    }
  }
}

TEST_F(MonthPageTest, FiveLinesOfAHolidayThatWrapsAboveTheOmerAllFitTheBox) {
  page->showMonth(4, 2007, false, false);
  EXPECT_EQ(box(6)->font().pointSize(), 8);
  // 6 April 2007, 18 Nisan: the holiday takes two lines, then comes the Omer.
  const std::vector<Line> lines = linesOf(box(6));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2].text, "Chol Hamoed Pesach");
  EXPECT_EQ(lines[3].text, "Omer 3");
  EXPECT_EQ(box(6)->document()->lastBlock().layout()->lineCount(), 1);
  EXPECT_EQ(box(6)->document()->findBlockByNumber(2).layout()->lineCount(), 2);
  for (int n = 1; n <= 30; ++n) {
    SCOPED_TRACE("RichEdit" + std::to_string(n));
    expectEveryLineVisible(box(n));
  }
}

TEST_F(MonthPageTest, EveryKindOfDayFitsItsBoxThroughAllSupportedYears) {
  // Beside the day number, a box's lines differ only by the Hebrew month's name, the holiday's name
  // and whether an Omer line follows, so one month for each such kind of day that 1600..2500
  // holds stands for all of them.
  std::map<std::string, std::pair<int, int>> monthOf;
  CalendarDay day(1, 1, 1600, false, false);
  while (day.gregorianYear() <= 2500) {
    const std::string kind = day.hebrewMonthName() + " / " +
                             std::string(holidayName(day).value_or("")) +
                             (omerDay(day) != 0 ? " / Omer" : "");
    monthOf.try_emplace(kind, day.gregorianMonth(), day.gregorianYear());
    day.nextDay();
  }
  for (const auto& [kind, month] : monthOf) {
    SCOPED_TRACE(kind + " in " + std::to_string(month.first) + "/" + std::to_string(month.second));
    page->showMonth(month.first, month.second, false, false);
    for (int n = 1; n <= 42; ++n)
      if (!box(n)->isHidden()) expectEveryLineVisible(box(n));
  }
}

TEST_F(MonthPageTest, LeapYearAdarIsNamedAdarIInBoxAndDetail) {
  page->showMonth(2, 2008, false, false);
  const std::vector<Line> lines = linesOf(box(25));
  ASSERT_GE(lines.size(), 2u);
  EXPECT_EQ(lines[0].text, "20");
  EXPECT_EQ(lines[1].text, "Adar I 14");
  EXPECT_EQ(page->boxHint(25).toStdString(),
            " Wednesday, February 20, 2008 - 14 Adar I 5768 - Sunrise/Sunset: 6:18/17:27 - "
            "Location: Jerusalem, Israel");
}

TEST_F(MonthPageTest, RenderingAgainGivesTheSamePage) {
  page->showMonth(3, 2007, false, false);
  const PageState first = state();
  page->showMonth(9, 2007, false, false);
  page->showMonth(3, 2007, false, false);
  EXPECT_EQ(state(), first);
}

TEST_F(MonthPageTest, AnotherPlaceChangesOnlyTheDetailTexts) {
  page->showMonth(3, 2007, false, false);
  const PageState before = state();
  placeName = "New York, USA";
  place = [] { return GeoLocation{40.7142, -74.0064, -5}; };
  page->showMonth(3, 2007, false, false);
  PageState after = state();
  EXPECT_EQ(after.boxes[7].hint,
            " Sunday, March 4, 2007 - 14 Adar 5767 - Sunrise/Sunset: 6:27/17:48 - Location: New "
            "York, USA");
  for (int n = 0; n < 42; ++n) {
    if (before.boxes[n].shown) {
      EXPECT_NE(after.boxes[n].hint, before.boxes[n].hint);
    }
    after.boxes[n].hint = before.boxes[n].hint;
  }
  EXPECT_EQ(after, before);
}

// Both headers name the month asked for, as the controls do; the focus the grid had goes to the
// month drop-down.
TEST_F(MonthPageTest, PlaceNumbersThatDoNotConvertStopTheRenderAtTheFirstDay) {
  page->showMonth(3, 2007, false, false);
  page->focusBox(12);
  place = []() -> GeoLocation { throw ConversionError("'x' is not a valid floating point value"); };
  EXPECT_THROW(page->showMonth(9, 2007, false, false), ConversionError);
  EXPECT_EQ(page->MonthLabel1->text(), "September 2007");
  EXPECT_EQ(page->HebYearLabel1->text(), "Elul-Tishri 5767-5768");
  for (int n = 1; n <= 42; ++n) EXPECT_TRUE(box(n)->isHidden()) << n;
  EXPECT_EQ(page->selectedBox(), 0);
  EXPECT_TRUE(page->SelectionFrame->isHidden());
  EXPECT_EQ(QApplication::focusWidget(), page->MonthComboBox1);
}

TEST_F(MonthPageTest, WithoutAPlaceTheDetailsCarryDashesForTheSunTimes) {
  hasPlace = false;
  placeName = "";
  place = []() -> GeoLocation { throw ConversionError("'' is not a valid floating point value"); };
  page->showMonth(9, 2007, false, false);
  EXPECT_EQ(page->HebYearLabel1->text(), "Elul-Tishri 5767-5768");
  EXPECT_EQ(page->boxHint(7).toStdString(),
            " Saturday, September 1, 2007 - 18 Elul 5767 - Sunrise/Sunset: --:--/--:-- - "
            "Location: ");
}

TEST_F(MonthPageTest, SettingAFieldToItsOwnTextRunsNothingAndANewTextRendersAtOnce) {
  page->YearEdit1->setText("2007");
  page->MonthEdit1->setText("2");
  EXPECT_EQ(yields, 0);
  EXPECT_EQ(page->MonthLabel1->text(), "February 2007");
  page->YearEdit1->setText("2008");
  EXPECT_GT(yields, 0);
  EXPECT_EQ(page->MonthLabel1->text(), "February 2008");
}

TEST_F(MonthPageTest, MonthFieldIsKeptWithinTheYear) {
  struct Correction {
    const char* typed;
    const char* field;
    int index;
    const char* shown;
  };
  const Correction cases[] = {
      {"13", "12", 11, "December 2007"},
      {"0", "1", 0, "January 2007"},
      {"-4", "1", 0, "January 2007"},
      {"7", "7", 6, "July 2007"},
  };
  for (const Correction& c : cases) {
    SCOPED_TRACE(c.typed);
    showThroughFields(5, 2007);
    page->MonthEdit1->setText(c.typed);
    EXPECT_EQ(page->MonthEdit1->text(), c.field);
    EXPECT_EQ(page->MonthComboBox1->currentIndex(), c.index);
    EXPECT_EQ(page->MonthLabel1->text(), c.shown);
    EXPECT_EQ(QApplication::focusWidget(), box(7));
    EXPECT_EQ(page->MessStaticText->text(), page->boxHint(7));
  }
}

TEST_F(MonthPageTest, EmptiedMonthFieldChangesNothing) {
  showThroughFields(3, 2007);
  const PageState before = state();
  yields = 0;
  page->MonthEdit1->setText("");
  EXPECT_EQ(yields, 0);
  EXPECT_EQ(state(), before);
  EXPECT_EQ(page->MonthComboBox1->currentIndex(), 2);
}

TEST_F(MonthPageTest, YearsOutsideTheRangeAreRefusedWithoutRendering) {
  for (const char* year : {"1599", "2501", "1", "99999", "-2007"}) {
    SCOPED_TRACE(year);
    showThroughFields(3, 2007);
    PageState before = state();
    page->MessStaticText->clear();
    box(20)->setFocus();
    yields = 0;
    page->YearEdit1->setText(year);
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(page->MonthLabel1->text(), "Year out of range");
    EXPECT_EQ(page->YearEdit1->text(), year);
    EXPECT_EQ(page->MonthEdit1->text(), "3");
    EXPECT_EQ(page->MonthComboBox1->currentIndex(), 2);
    EXPECT_EQ(QApplication::focusWidget(), box(7));
    before.monthLabel = "Year out of range";
    EXPECT_EQ(state(), before);

    // A change of month does not slip the refused year past the check.
    page->MonthEdit1->setText("4");
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(page->MonthLabel1->text(), "Year out of range");
    EXPECT_EQ(state(), before);
    page->Generate->click();
    EXPECT_EQ(yields, 0);
  }
}

TEST_F(MonthPageTest, TextThatIsNotANumberReachesTheErrorReportAndChangesNothingElse) {
  struct Typed {
    QLineEdit* MonthPage::*field;
    const char* text;
  };
  const Typed cases[] = {
      {&MonthPage::MonthEdit1, "abc"},       {&MonthPage::MonthEdit1, "1x"},
      {&MonthPage::YearEdit1, "20x7"},       {&MonthPage::YearEdit1, " "},
      {&MonthPage::YearEdit1, "9999999999"},
  };
  for (const Typed& c : cases) {
    SCOPED_TRACE(c.text);
    showThroughFields(3, 2007);
    box(12)->setFocus();
    const PageState before = state();
    const QString message = page->MessStaticText->text();
    yields = 0;
    try {
      (page.get()->*c.field)->setText(c.text);
      ADD_FAILURE() << "no conversion error";
    } catch (const ConversionError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(c.text) + "' is not a valid integer value");
    }
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(state(), before);
    EXPECT_EQ((page.get()->*c.field)->text(), c.text);
    EXPECT_EQ(page->MonthComboBox1->currentIndex(), 2);
    EXPECT_EQ(page->MessStaticText->text(), message);
    EXPECT_EQ(QApplication::focusWidget(), box(12));
  }
}

TEST_F(MonthPageTest, EmptiedYearFieldFailsTheNextMonthChange) {
  showThroughFields(3, 2007);
  const PageState before = state();
  page->YearEdit1->setText("");
  EXPECT_EQ(state(), before);
  try {
    page->MonthEdit1->setText("4");
    ADD_FAILURE() << "no conversion error";
  } catch (const ConversionError& error) {
    EXPECT_STREQ(error.what(), "'' is not a valid integer value");
  }
  EXPECT_EQ(state(), before);
}

TEST_F(MonthPageTest, MessageBarShowsTheFirstSaturdayAfterEveryAcceptedChange) {
  struct Change {
    const char* what;
    std::function<void(MonthPage&)> act;
    const char* shown;
    const char* firstSaturday;
  };
  const Change cases[] = {
      {"month field", [](MonthPage& p) { p.MonthEdit1->setText("9"); }, "September 2007",
       " Saturday, September 1, 2007 - 18 Elul 5767"},
      {"year field", [](MonthPage& p) { p.YearEdit1->setText("2008"); }, "September 2008",
       " Saturday, September 6, 2008 - 6 Elul 5768"},
      {"month arrow", [](MonthPage& p) { p.MonthUpDown1->stepUp(); }, "October 2008",
       " Saturday, October 4, 2008 - 5 Tishri 5769"},
      {"year arrow", [](MonthPage& p) { p.YearUpDown1->stepDown(); }, "October 2007",
       " Saturday, October 6, 2007 - 24 Tishri 5768"},
      {"digit typed into the month field",
       [](MonthPage& p) {
         p.MonthEdit1->setFocus();
         p.MonthEdit1->selectAll();
         QTest::keyClick(p.MonthEdit1, Qt::Key_5);
       },
       "May 2007", " Saturday, May 5, 2007 - 17 Iyar 5767"},
      {"up key in the year field",
       [](MonthPage& p) {
         p.YearEdit1->setFocus();
         QTest::keyClick(p.YearEdit1, Qt::Key_Up);
       },
       "May 2008", " Saturday, May 3, 2008 - 28 Nisan 5768"},
      {"drop-down",
       [](MonthPage& p) {
         p.MonthComboBox1->setCurrentIndex(2);
         emit p.MonthComboBox1->activated(2);
       },
       "March 2008", " Saturday, March 1, 2008 - 24 Adar I 5768"},
  };
  showThroughFields(8, 2007);
  for (const Change& c : cases) {
    SCOPED_TRACE(c.what);
    page->MessStaticText->clear();
    c.act(*page);
    EXPECT_EQ(page->MonthLabel1->text(), c.shown);
    EXPECT_EQ(page->MonthComboBox1->currentIndex() + 1, page->MonthEdit1->text().toInt());
    EXPECT_EQ(page->MessStaticText->text(), page->boxHint(7));
    EXPECT_TRUE(page->MessStaticText->text().startsWith(c.firstSaturday))
        << page->MessStaticText->text().toStdString();
  }
}

TEST_F(MonthPageTest, ArrowsStopAtTheEndsOfTheirRange) {
  struct Stop {
    QLineEdit* field;
    UpDown* arrows;
    const char* end;
    bool up;
    const char* shown;
  };
  const Stop cases[] = {
      {page->MonthEdit1, page->MonthUpDown1, "12", true, "December 2007"},
      {page->MonthEdit1, page->MonthUpDown1, "1", false, "January 2007"},
      {page->YearEdit1, page->YearUpDown1, "2500", true, "January 2500"},
      {page->YearEdit1, page->YearUpDown1, "1600", false, "January 1600"},
  };
  for (const Stop& c : cases) {
    SCOPED_TRACE(c.end);
    c.field->setText(c.end);
    yields = 0;
    c.up ? c.arrows->stepUp() : c.arrows->stepDown();
    EXPECT_EQ(c.field->text(), c.end);
    EXPECT_EQ(yields, 0);
    EXPECT_EQ(page->MonthLabel1->text(), c.shown);
  }
}

// The arrows read their field as its handlers do: blanks and a sign belong to the number.
TEST_F(MonthPageTest, ArrowsStepFromTheNumberTheHandlersRead) {
  struct Step {
    QLineEdit* field;
    UpDown* arrows;
    const char* text;
    bool up;
    const char* stepped;
    const char* shown;
  };
  const Step cases[] = {
      {page->MonthEdit1, page->MonthUpDown1, "2 ", true, "3", "March 2007"},
      {page->MonthEdit1, page->MonthUpDown1, " 11", false, "10", "October 2007"},
      {page->YearEdit1, page->YearUpDown1, "+2010", true, "2011", "October 2011"},
      {page->YearEdit1, page->YearUpDown1, " 2005 ", false, "2004", "October 2004"},
  };
  showThroughFields(1, 2007);
  for (const Step& c : cases) {
    SCOPED_TRACE(c.text);
    c.field->setText(c.text);
    c.up ? c.arrows->stepUp() : c.arrows->stepDown();
    EXPECT_EQ(c.field->text(), c.stepped);
    EXPECT_EQ(page->MonthLabel1->text(), c.shown);
  }
}

TEST_F(MonthPageTest, OffTheMonthPageAChangeRendersButLeavesTheFocus) {
  currentPage = 1;
  page->YearEdit1->setFocus();
  page->MessStaticText->clear();
  showThroughFields(9, 2007);
  EXPECT_EQ(page->MonthLabel1->text(), "September 2007");
  EXPECT_EQ(QApplication::focusWidget(), page->YearEdit1);
  EXPECT_EQ(page->MessStaticText->text(), "");
}

TEST_F(MonthPageTest, GenerateButtonDrawsTheMonthOfTheFields) {
  EXPECT_TRUE(page->Generate->isHidden());
  page->showMonth(9, 2000, false, false);
  page->MonthEdit1->blockSignals(true);
  page->MonthEdit1->setText("3");
  page->MonthEdit1->blockSignals(false);
  page->Generate->click();
  EXPECT_EQ(page->MonthLabel1->text(), "March 2007");
  EXPECT_EQ(page->HebYearLabel1->text(), "Adar-Nisan 5767");
}

TEST_F(MonthPageTest, ClickedBoxShowsItsDetailText) {
  showThroughFields(3, 2007);
  QTest::mouseClick(box(15)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(QApplication::focusWidget(), box(15));
  EXPECT_EQ(page->MessStaticText->text().toStdString(),
            " Sunday, March 11, 2007 - 21 Adar 5767 - Sunrise/Sunset: 5:56/17:41 - Location: "
            "Jerusalem, Israel");

  page->focusBox(40);  // never shown
  EXPECT_EQ(QApplication::focusWidget(), box(15));
}

// Each key is handled at once, the view following as soon as the text is a year in range or a
// whole month, while the field keeps the focus for the next key.
TEST_F(MonthPageTest, TypedYearAndMonthAreHandledAtEachKeyWhileTheFieldKeepsTheFocus) {
  struct Key {
    QLineEdit* MonthPage::*field;
    Qt::Key key;
    const char* text;
    const char* header;
    const char* firstSaturday;
  };
  const Key keys[] = {
      {&MonthPage::YearEdit1, Qt::Key_2, "2", "Year out of range", " Saturday, February 3, 2007"},
      {&MonthPage::YearEdit1, Qt::Key_0, "20", "Year out of range", " Saturday, February 3, 2007"},
      {&MonthPage::YearEdit1, Qt::Key_0, "200", "Year out of range", " Saturday, February 3, 2007"},
      {&MonthPage::YearEdit1, Qt::Key_8, "2008", "February 2008", " Saturday, February 2, 2008"},
      {&MonthPage::MonthEdit1, Qt::Key_1, "1", "January 2008", " Saturday, January 5, 2008"},
      {&MonthPage::MonthEdit1, Qt::Key_2, "12", "December 2008", " Saturday, December 6, 2008"},
  };
  showThroughFields(2, 2007);
  QLineEdit* typedInto = nullptr;
  for (const Key& k : keys) {
    QLineEdit* field = page.get()->*k.field;
    SCOPED_TRACE(field->objectName().toStdString() + " " + k.text);
    // The user clicks into the field and selects its text.
    if (field != typedInto) {
      QTest::mouseClick(field, Qt::LeftButton);
      field->selectAll();
      typedInto = field;
    }
    QTest::keyClick(field, k.key);
    EXPECT_EQ(field->text(), k.text);
    EXPECT_EQ(page->MonthLabel1->text(), k.header);
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(page->selectedBox(), 7);
    EXPECT_EQ(page->MessStaticText->text(), page->boxHint(7));
    EXPECT_TRUE(page->MessStaticText->text().startsWith(k.firstSaturday))
        << page->MessStaticText->text().toStdString();
  }
  EXPECT_EQ(page->MonthComboBox1->currentIndex(), 11);
  EXPECT_EQ(page->YearEdit1->text(), "2008");

  // Enter ends the typing: the focus goes to the selected first Saturday.
  QTest::keyClick(page->MonthEdit1, Qt::Key_Return);
  EXPECT_EQ(QApplication::focusWidget(), box(7));
  EXPECT_EQ(page->MonthLabel1->text(), "December 2008");
}

// Once the user has left the field, or turns to the arrows, changes move the focus to the first
// Saturday again.
TEST_F(MonthPageTest, TypingEndsWhenTheUserLeavesTheFieldOrTakesTheArrows) {
  const auto arrow = [](UpDown* arrows, int which) {
    return arrows->findChildren<QToolButton*>().at(which);
  };
  struct End {
    const char* what;
    std::function<void(MonthPage&)> act;
    const char* shown;
  };
  const End ends[] = {
      {"Tab, then a change from code",
       [](MonthPage& p) {
         QTest::keyClick(p.MonthEdit1, Qt::Key_Tab);
         p.MonthEdit1->setText("7");
       },
       "July 2007"},
      {"the month's up arrow",
       [&](MonthPage& p) { QTest::mouseClick(arrow(p.MonthUpDown1, 0), Qt::LeftButton); },
       "June 2007"},
      {"a click on a box, then the year's down arrow",
       [&](MonthPage& p) {
         QTest::mouseClick(p.RichEdit[19]->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
         QTest::mouseClick(arrow(p.YearUpDown1, 1), Qt::LeftButton);
       },
       "May 2006"},
  };
  for (const End& e : ends) {
    SCOPED_TRACE(e.what);
    showThroughFields(1, 2007);
    QTest::mouseClick(page->MonthEdit1, Qt::LeftButton);
    page->MonthEdit1->selectAll();
    QTest::keyClick(page->MonthEdit1, Qt::Key_5);
    ASSERT_EQ(QApplication::focusWidget(), page->MonthEdit1);
    e.act(*page);
    EXPECT_EQ(page->MonthLabel1->text(), e.shown);
    EXPECT_EQ(QApplication::focusWidget(), box(7));
    EXPECT_EQ(page->MessStaticText->text(), page->boxHint(7));
  }
}

TEST_F(MonthPageTest, PickingAMonthInTheDropDownLeavesTheFocusOnTheFirstSaturday) {
  showThroughFields(2, 2007);
  page->MonthComboBox1->setFocus();
  QTest::keyClick(page->MonthComboBox1, Qt::Key_Down);
  EXPECT_EQ(page->MonthLabel1->text(), "March 2007");
  EXPECT_EQ(page->MonthEdit1->text(), "3");
  EXPECT_EQ(QApplication::focusWidget(), box(7));
  EXPECT_TRUE(page->MessStaticText->text().startsWith(" Saturday, March 3, 2007"));
}

// A frame in the page's colours: white while the box has the focus, light blue while a field has
// it; none while no box is selected.
TEST_F(MonthPageTest, TheSelectedBoxIsFramed) {
  const auto frameColour = [&] {
    return page->SelectionFrame->palette().color(QPalette::Window).rgb();
  };
  const auto framesBox = [&](int n) {
    return !page->SelectionFrame->isHidden() &&
           page->SelectionFrame->geometry() == box(n)->geometry().adjusted(-2, -2, 2, 2);
  };
  page->showMonth(3, 2007, false, false);
  EXPECT_EQ(page->selectedBox(), 0);
  EXPECT_TRUE(page->SelectionFrame->isHidden());

  QTest::mouseClick(box(15)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_TRUE(framesBox(15));
  EXPECT_EQ(frameColour(), kWhite);
  QTest::mouseClick(page->YearEdit1, Qt::LeftButton);
  EXPECT_TRUE(framesBox(15));
  EXPECT_EQ(frameColour(), qRgb(193, 224, 255));
  page->YearUpDown1->stepUp();
  EXPECT_TRUE(framesBox(7));
  EXPECT_EQ(frameColour(), kWhite);
  // The frame lies under the boxes and stays inside the gaps between them.
  const QObjectList inGrid = page->SelectionFrame->parent()->children();
  EXPECT_LT(inGrid.indexOf(page->SelectionFrame), inGrid.indexOf(box(1)));
  EXPECT_FALSE(page->SelectionFrame->geometry().intersects(box(8)->geometry()));
}

TEST_F(MonthPageTest, ADetailTooLongForTheBarCanBeReadWholeInItsTooltip) {
  const struct {
    std::string place;
    bool cut;
  } cases[] = {
      {"Jerusalem, Israel", false},
      {"King Edward Point, South Georgia and the South Sandwich Islands", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.place);
    placeName = c.place;
    showThroughFields(c.cut ? 9 : 10, 2007);
    const QString detail = page->boxHint(7);
    EXPECT_EQ(page->MessStaticText->text(), detail);
    EXPECT_EQ(page->MessStaticText->toolTip(),
              c.cut ? detail : QString("Select a day box for Sunrise/Sunset Time"));
  }
}

// The arrow keys step a day or a week, Page Up and Page Down a month, Home goes to today (17
// September 2007 here); another month is drawn as a change of the fields would draw it.
TEST_F(MonthPageTest, KeysInTheGridMoveTheSelectedDay) {
  struct Step {
    GregorianDate from;
    Qt::Key key;
    const char* day;  // the selected day afterwards
    const char* header;
  };
  const Step steps[] = {
      // The first day of a month.
      {{2007, 3, 1}, Qt::Key_Right, "Friday, March 2, 2007", "March 2007"},
      {{2007, 3, 1}, Qt::Key_Down, "Thursday, March 8, 2007", "March 2007"},
      {{2007, 3, 1}, Qt::Key_Left, "Wednesday, February 28, 2007", "February 2007"},
      {{2007, 3, 1}, Qt::Key_Up, "Thursday, February 22, 2007", "February 2007"},
      {{2007, 3, 1}, Qt::Key_PageUp, "Thursday, February 1, 2007", "February 2007"},
      {{2007, 3, 1}, Qt::Key_PageDown, "Sunday, April 1, 2007", "April 2007"},
      {{2007, 3, 1}, Qt::Key_Home, "Monday, September 17, 2007", "September 2007"},
      // The last day of a month.
      {{2007, 3, 31}, Qt::Key_Right, "Sunday, April 1, 2007", "April 2007"},
      {{2007, 3, 31}, Qt::Key_Down, "Saturday, April 7, 2007", "April 2007"},
      {{2007, 3, 31}, Qt::Key_Left, "Friday, March 30, 2007", "March 2007"},
      {{2007, 3, 31}, Qt::Key_Up, "Saturday, March 24, 2007", "March 2007"},
      {{2007, 3, 31}, Qt::Key_PageDown, "Monday, April 30, 2007", "April 2007"},
      {{2007, 3, 31}, Qt::Key_PageUp, "Wednesday, February 28, 2007", "February 2007"},
      {{2007, 12, 31}, Qt::Key_Right, "Tuesday, January 1, 2008", "January 2008"},
      // A month whose day 1 is a Saturday, in the first row's last box.
      {{2007, 9, 1}, Qt::Key_Left, "Friday, August 31, 2007", "August 2007"},
      {{2007, 9, 1}, Qt::Key_Up, "Saturday, August 25, 2007", "August 2007"},
      {{2007, 9, 1}, Qt::Key_Right, "Sunday, September 2, 2007", "September 2007"},
      {{2007, 9, 1}, Qt::Key_Down, "Saturday, September 8, 2007", "September 2007"},
      {{2007, 9, 1}, Qt::Key_Home, "Monday, September 17, 2007", "September 2007"},
      // A leap day.
      {{2008, 2, 29}, Qt::Key_Right, "Saturday, March 1, 2008", "March 2008"},
      {{2008, 2, 29}, Qt::Key_Down, "Friday, March 7, 2008", "March 2008"},
      {{2008, 2, 29}, Qt::Key_Left, "Thursday, February 28, 2008", "February 2008"},
      {{2008, 2, 29}, Qt::Key_Up, "Friday, February 22, 2008", "February 2008"},
      {{2008, 2, 29}, Qt::Key_PageDown, "Saturday, March 29, 2008", "March 2008"},
      {{2008, 2, 29}, Qt::Key_PageUp, "Tuesday, January 29, 2008", "January 2008"},
      // The ends of the shown years: nothing moves.
      {{1600, 1, 1}, Qt::Key_Left, "Saturday, January 1, 1600", "January 1600"},
      {{2500, 12, 31}, Qt::Key_Down, "Friday, December 31, 2500", "December 2500"},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(std::to_string(step.from.year) + "-" + std::to_string(step.from.month) + "-" +
                 std::to_string(step.from.day) + " " + QTest::toString(step.key));
    showThroughFields(step.from.month, step.from.year);
    // Day 1 stands in the first shown box of the first row.
    int first = 1;
    while (box(first)->isHidden()) ++first;
    const int start = first + step.from.day - 1;
    QTest::mouseClick(box(start)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(QApplication::focusWidget(), step.key);

    EXPECT_EQ(page->MonthLabel1->text(), step.header);
    const int selected = page->selectedBox();
    ASSERT_GE(selected, 1);
    EXPECT_EQ(QApplication::focusWidget(), box(selected));
    EXPECT_TRUE(page->MessStaticText->text().startsWith(QString(" ") + step.day + " -"))
        << page->MessStaticText->text().toStdString();
    EXPECT_EQ(page->MessStaticText->text(), page->boxHint(selected));
    // The controls name the month on view.
    EXPECT_EQ(page->MonthLabel1->text(),
              page->MonthComboBox1->currentText() + " " + page->YearEdit1->text());
    EXPECT_EQ(page->MonthComboBox1->currentIndex() + 1, page->MonthEdit1->text().toInt());
  }
}

// One drawing for a step into another month, and the day it chose: never the first Saturday.
TEST_F(MonthPageTest, AStepIntoAnotherMonthDrawsItOnceAndSelectsOnlyTheChosenDay) {
  showThroughFields(3, 2007);
  QTest::mouseClick(box(5)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  std::vector<std::string> shown;
  onYield = [&] {
    const std::string header = page->MonthLabel1->text().toStdString();
    if (shown.empty() || shown.back() != header) shown.push_back(header);
  };
  std::vector<int> selections;
  const QObject listening;
  QObject::connect(qApp, &QApplication::focusChanged, &listening, [&](QWidget*, QWidget* now) {
    for (int n = 1; n <= 42; ++n)
      if (now == box(n)) selections.push_back(n);
  });
  QTest::keyClick(box(5), Qt::Key_Left);
  onYield = nullptr;
  EXPECT_EQ(shown, std::vector<std::string>{"February 2007"});
  EXPECT_EQ(selections, std::vector<int>{32});
}

// Tab visits the month controls, the grid once, at its selected day, and the message bar.
TEST_F(MonthPageTest, TabVisitsTheGridOnceAtItsSelectedDay) {
  showThroughFields(3, 2007);
  const auto order = [&](Qt::Key key) {
    std::vector<QString> visited;
    page->MonthComboBox1->setFocus();
    for (int i = 0; i < 6; ++i) {
      QTest::keyClick(QApplication::focusWidget(), key);
      visited.push_back(QApplication::focusWidget()->objectName());
    }
    return visited;
  };
  EXPECT_EQ(order(Qt::Key_Tab),
            (std::vector<QString>{"MonthEdit1", "YearEdit1", "RichEdit7", "MessStaticText",
                                  "MonthComboBox1", "MonthEdit1"}));
  QTest::mouseClick(box(20)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(order(Qt::Key_Backtab),
            (std::vector<QString>{"MessStaticText", "RichEdit20", "YearEdit1", "MonthEdit1",
                                  "MonthComboBox1", "MessStaticText"}));
  // The focus can be seen on the bar: a plain line in place of its sunken frame.
  page->MessStaticText->setFocus();
  EXPECT_EQ(page->MessStaticText->frameStyle(), QFrame::Box | QFrame::Plain);
  box(20)->setFocus();
  EXPECT_EQ(page->MessStaticText->frameStyle(), QFrame::Panel | QFrame::Sunken);
}

// A drop-down's name is its current text; a screen reader says its label's name with it.
QString spokenName(QObject* object) {
  QAccessibleInterface* face = QAccessible::queryAccessibleInterface(object);
  if (!face) return "(none)";
  if (face->role() != QAccessible::ComboBox) return face->text(QAccessible::Name);
  const auto labels = face->relations(QAccessible::Label);
  return labels.isEmpty() ? "(no label)" : labels.first().first->text(QAccessible::Name);
}

// A screen reader hears each box's whole day, the grid as the month, and the controls by the names
// a person would say.
TEST_F(MonthPageTest, AScreenReaderHearsTheDaysTheMonthAndTheControls) {
  showThroughFields(4, 2007);
  QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(page->Grid);
  ASSERT_NE(grid, nullptr);
  EXPECT_EQ(grid->role(), QAccessible::List);
  EXPECT_EQ(grid->text(QAccessible::Name), "April 2007, Nisan-Iyar 5767");
  ASSERT_EQ(grid->childCount(), 42);
  for (int n = 1; n <= 42; ++n) {
    SCOPED_TRACE(n);
    QAccessibleInterface* day = grid->child(n - 1);
    ASSERT_NE(day, nullptr);
    EXPECT_EQ(day->object(), box(n));
    EXPECT_EQ(day->role(), QAccessible::ListItem);
    EXPECT_EQ(grid->indexOfChild(day), n - 1);
    EXPECT_EQ(day->parent()->object(), page->Grid);
    EXPECT_EQ(day->state().invisible, n > 30);
  }
  EXPECT_EQ(spokenName(box(1)),
            "Sunday, April 1, 2007 - 13 Nisan 5767 - Sunrise/Sunset: 5:29/17:56 - Location: "
            "Jerusalem, Israel");
  EXPECT_EQ(spokenName(box(4)),
            "Wednesday, April 4, 2007 - 16 Nisan 5767 - Pesach - Omer 1 - Sunrise/Sunset: "
            "5:26/17:58 - Location: Jerusalem, Israel");
  EXPECT_EQ(spokenName(box(31)), "");

  const std::vector<std::pair<QObject*, QString>> named = {
      {page->MonthComboBox1, "Month"},
      {page->MonthEdit1, "Month number"},
      {page->YearEdit1, "Year"},
      {page->MonthUpDown1->findChildren<QToolButton*>().at(0), "Month number up"},
      {page->MonthUpDown1->findChildren<QToolButton*>().at(1), "Month number down"},
      {page->YearUpDown1->findChildren<QToolButton*>().at(0), "Year up"},
      {page->YearUpDown1->findChildren<QToolButton*>().at(1), "Year down"},
      {page->MessStaticText, page->MessStaticText->text()},
  };
  for (const auto& [object, name] : named) EXPECT_EQ(spokenName(object), name);
}

// The focused day's name follows the arrow keys, and the selected day says so.
TEST_F(MonthPageTest, AScreenReaderFollowsTheSelectedDay) {
  showThroughFields(4, 2007);
  QTest::mouseClick(box(4)->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
  const char* const days[] = {"Thursday, April 5, 2007", "Friday, April 6, 2007",
                              "Saturday, April 7, 2007", "Sunday, April 8, 2007"};
  for (const char* day : days) {
    SCOPED_TRACE(day);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QAccessibleInterface* focused =
        QAccessible::queryAccessibleInterface(QApplication::focusWidget());
    EXPECT_TRUE(focused->text(QAccessible::Name).startsWith(day));
    EXPECT_TRUE(focused->state().focused);
    EXPECT_TRUE(focused->state().selected);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(box(4))->state().selected);
  }
}

TEST_F(MonthPageTest, RenderAskedForInsideAYieldWinsWhole) {
  page->showMonth(9, 2007, false, false);
  const PageState september = state();
  page->showMonth(12, 2007, false, false);
  const PageState december = state();

  struct Interruption {
    int atYield;
    std::function<void(MonthPage&)> ask;
    const PageState& expected;
  };
  const auto showSeptember = [](MonthPage& p) { p.showMonth(9, 2007, false, false); };
  const auto typeSeptember = [](MonthPage& p) {
    p.YearEdit1->setText("2007");
    p.MonthEdit1->setText("9");
  };
  // Inside September's own render, December is asked for in turn.
  const auto septemberThenDecember = [this](MonthPage& p) {
    int seen = 0;
    onYield = [&p, &seen, this] {
      if (++seen == 20) {
        onYield = nullptr;
        p.showMonth(12, 2007, false, false);
      }
    };
    p.showMonth(9, 2007, false, false);
  };
  const Interruption cases[] = {
      {1, showSeptember, september},         {3, showSeptember, september},
      {4, showSeptember, september},         {37, showSeptember, september},
      {71, showSeptember, september},        {25, typeSeptember, september},
      {10, septemberThenDecember, december},
  };
  for (const Interruption& c : cases) {
    SCOPED_TRACE(c.atYield);
    page->showMonth(1, 2000, false, false);
    int seen = 0;
    onYield = [&] {
      if (++seen == c.atYield) {
        onYield = nullptr;
        c.ask(*page);
      }
    };
    page->showMonth(3, 2007, false, false);
    EXPECT_EQ(onYield, nullptr) << "the render yielded fewer times than the case expects";
    onYield = nullptr;
    EXPECT_EQ(state(), c.expected);
  }
}

TEST_F(MonthPageTest, LabelsTurnBoldOnlyUnderThePointer) {
  std::vector<QLabel*> labels(page->MLabel.begin(), page->MLabel.end());
  labels.push_back(page->MonthLabel1);
  labels.push_back(page->HebYearLabel1);
  for (QLabel* label : labels) {
    SCOPED_TRACE(label->objectName().toStdString());
    const QColor color = label->palette().color(QPalette::WindowText);
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, label->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(label, &move);
    EXPECT_TRUE(label->font().bold());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(label, &leave);
    EXPECT_FALSE(label->font().bold());
    EXPECT_EQ(label->palette().color(QPalette::WindowText), color);
  }
  EXPECT_EQ(page->MLabel[6]->palette().color(QPalette::WindowText).rgb(), kRed);
  EXPECT_EQ(page->MLabel[0]->palette().color(QPalette::WindowText).rgb(), qRgb(0, 255, 0));
}

TEST_F(MonthPageTest, EveryMonthNameFitsTheDropDownBesideItsArrow) {
  QComboBox* combo = page->MonthComboBox1;
  EXPECT_EQ(combo->geometry(), QRect(21, 13, 79, 21));
  EXPECT_EQ(QFontInfo(combo->font()).pixelSize(), 11);
  const QFontMetrics metrics(combo->font());
  for (int i = 0; i < combo->count(); ++i) {
    SCOPED_TRACE(combo->itemText(i).toStdString());
    combo->setCurrentIndex(i);
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.currentText = combo->currentText();
    option.subControls = QStyle::SC_All;
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const QRect arrow = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxArrow, combo);
    EXPECT_FALSE(field.intersects(arrow));
    // The label is drawn a pixel in from each side of the field.
    EXPECT_LE(metrics.horizontalAdvance(combo->currentText()) + 2, field.width());
    EXPECT_TRUE(combo->rect().contains(field));
  }
}

TEST_F(MonthPageTest, ControlsAreFoundByTheirNames) {
  EXPECT_EQ(page->objectName(), "ScrollBox1");
  const std::vector<std::pair<const char*, QWidget*>> named = {
      {"MonthComboBox1", page->MonthComboBox1},
      {"MonthEdit1", page->MonthEdit1},
      {"MonthUpDown1", page->MonthUpDown1},
      {"YearEdit1", page->YearEdit1},
      {"YearUpDown1", page->YearUpDown1},
      {"Generate", page->Generate},
      {"MonthLabel1", page->MonthLabel1},
      {"HebYearLabel1", page->HebYearLabel1},
      {"MessStaticText", page->MessStaticText},
      {"MLabel7", page->MLabel[6]},
      {"RichEdit1", box(1)},
      {"RichEdit42", box(42)},
  };
  for (const auto& [name, widget] : named)
    EXPECT_EQ(page->findChild<QWidget*>(name), widget) << name;
  // In page coordinates: the boxes stand in the grid.
  EXPECT_EQ(QRect(box(42)->mapTo(page.get(), QPoint(0, 0)), box(42)->size()),
            QRect(559, 403, 85, 59));
  EXPECT_EQ(page->MessStaticText->toolTip(), "Select a day box for Sunrise/Sunset Time");
}

}  // namespace
}  // namespace tevorin
