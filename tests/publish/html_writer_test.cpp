#include "publish/html_writer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "common/file_error.h"
#include "common/number_text.h"
#include "sun/sun_times.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::EndsWith;
using testing::folderEntries;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using testing::readFile;
using testing::ScratchFolder;
using ::testing::StartsWith;
using testing::writeFile;

constexpr GeoLocation kJerusalem{31.78, 35.22, 2};
constexpr std::string_view kPortionsPage = "<HTML>portions</HTML>\r\n";
constexpr std::string_view kRowBreak = "</TR>\r\n<TR VALIGN=\"TOP\">";
constexpr std::string_view kEmptyCell = "<TD HEIGHT=100></TD>";
constexpr std::string_view kHolidayOpening = "<font color=\"#FF0000\">";
constexpr std::string_view kHighlightedOpening = "<TD HEIGHT=100 bgcolor=\"#FEFFE6\">";

std::string textBetween(std::string_view text, std::string_view from, std::string_view to) {
  const auto begin = text.find(from);
  if (begin == std::string_view::npos) return {};
  const auto end = text.find(to, begin + from.size());
  return std::string(text.substr(begin + from.size(), end - begin - from.size()));
}

std::vector<std::string_view> split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> parts;
  for (size_t at; (at = text.find(separator)) != std::string_view::npos;) {
    parts.push_back(text.substr(0, at));
    text.remove_prefix(at + separator.size());
  }
  parts.push_back(text);
  return parts;
}

// One month table read back from the document: its caption and its rows of cells.
struct MonthTable {
  std::string caption;
  std::vector<std::vector<std::string>> rows;
};

std::vector<MonthTable> monthTables(std::string_view document) {
  std::vector<MonthTable> tables;
  auto chunks = split(document, "<TABLE BGCOLOR=\"E1E0F1\"");
  chunks.erase(chunks.begin());
  for (auto chunk : chunks) {
    MonthTable table{textBetween(chunk, "<CAPTION><BIG>", "</BIG></CAPTION>"), {}};
    const auto bodyStart = chunk.find(kRowBreak) + kRowBreak.size();
    const auto body = chunk.substr(bodyStart, chunk.find("</TR></TABLE>") - bodyStart);
    for (auto row : split(body, kRowBreak)) {
      std::vector<std::string> cells;
      for (auto cell : split(row, "<TD")) {
        if (!cell.empty()) cells.push_back("<TD" + std::string(cell));
      }
      table.rows.push_back(cells);
    }
    tables.push_back(table);
  }
  return tables;
}

int cellDay(std::string_view cell) {
  return parseInteger(textBetween(cell, "<B>", "</B>"));
}
std::string cellSunTimes(std::string_view cell) {
  return textBetween(cell, "<font size=\"2\"><BR>", "</font></TD>");
}

class HtmlWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(programDir);
    std::filesystem::create_directories(outputDir);
    writeFile(programDir / "Parsh.htm", kPortionsPage);
  }

  HtmlCalendarRequest request(int32_t month, int32_t year, std::string count) const {
    HtmlCalendarRequest request;
    request.startMonth = month;
    request.startYear = year;
    request.monthCountText = std::move(count);
    request.outputPath = output.string();
    request.placeName = "Jerusalem, Israel";
    request.place = kJerusalem;
    request.programDir = programDir;
    return request;
  }

  RunOutcome run(const HtmlCalendarRequest& request) {
    return writeHtmlCalendar(request, [this](std::string_view line) { log.emplace_back(line); });
  }

  // Writes the months and returns the document.
  std::string generate(int32_t month, int32_t year, std::string count) {
    EXPECT_EQ(run(request(month, year, std::move(count))), RunOutcome::Written);
    return readFile(output);
  }

  ScratchFolder scratch;
  std::filesystem::path programDir = scratch.path() / "program";
  std::filesystem::path outputDir = scratch.path() / "web";
  std::filesystem::path output = outputDir / "calendar.html";
  std::vector<std::string> log;
};

TEST_F(HtmlWriterTest, OneMonthIsTheWholeDocumentFromHeadToGeneratedByLine) {
  const std::string document = generate(1, 2007, "1");

  EXPECT_THAT(
      document,
      StartsWith("<HTML>\r\n<HEAD>\r\n<TITLE>Hebrew Calendar</TITLE>\r\n"
                 "<BODY BGCOLOR=\"C0C0C0\">\r\n<CENTER>\r\n<TABLE BORDER=0 CELLSPACING=5>"
                 "<TABLE BGCOLOR=\"E1E0F1\" BORDER=2 CELLPADDING=3 COLS=7 WIDTH=\"95%\">\r\n"
                 "<CAPTION><BIG>January 2007 (5767) - Jerusalem, Israel</BIG></CAPTION>\r\n"
                 "<TR BGCOLOR=\"008FFF\" align=\"center\">"
                 "<TD WIDTH=\"14%\"><b><font color=\"#FFFFFF\">Sunday</font></b></TD>"
                 "<TD WIDTH=\"14%\"><b><font color=\"#FFFFFF\">Monday</font></b></TD>"
                 "<TD WIDTH=\"14%\"><b><font color=\"#FFFFFF\">Tuesday</font></b></TD>"
                 "<TD WIDTH=\"14%\"><b><font color=\"#FFFFFF\">Wednesday</font></b></TD>"
                 "<TD WIDTH=\"14%\"><b><font color=\"#FFFFFF\">Thursday</font></b></TD>"
                 "<TD WIDTH=\"14%\"><b><font color=\"#FFFFFF\">Friday</font></b></TD>"
                 "<TD BGCOLOR=\"FF3F00\" WIDTH=\"14%\"><b><font color=\"#FFFFFF\">Saturday"
                 "</font></b></TD>\r\n</TR>\r\n<TR VALIGN=\"TOP\">"
                 "<TD HEIGHT=100></TD>"
                 "<TD HEIGHT=100><P ALIGN=\"RIGHT\"><B>1</B></P>"));
  // The link names the copy as it is written ("Parshiyot.htm"), so it works on any server.
  EXPECT_THAT(document,
              EndsWith("<B>31</B></P><P FONT COLOR=\"#Ff0000\" ALIGN=\"CENTER\">Shevat 12</P>"
                       "<font size=\"2\"><BR>" +
                       sunTimesAt(kJerusalem, 2007, 1, 31) +
                       "</font></TD></TR></TABLE>\r\n<BR>\r\n"
                       "<P>Table of <A href=\"Parshiyot.htm\">Parshiyot</A> - Weekly and Special "
                       "\r\n<BR>\r\n"
                       "<P>Generated by <A href=\"https://tevorin.org/\">Tevorin</A> software\r\n"
                       "</HTML>\r\n"));
  EXPECT_EQ(split(document, "<HTML>").size(), 2u);
  EXPECT_EQ(split(document, "<BODY").size(), 2u);
  EXPECT_THAT(log, ElementsAre("Starting to generate...", "1 of 1 months was generated",
                               "Generating process done"));
}

// Leading empty cells, days per month, and how the last row ends.
struct MonthShape {
  int32_t month;
  int32_t year;
  int leadingEmpty;
  int days;
  int lastRowCells;  // 0: the month ends on a Saturday and leaves an empty row
};

TEST_F(HtmlWriterTest, TablesHaveTheMonthsShape) {
  const MonthShape shapes[] = {
      {4, 2007, 0, 30, 2},  // begins on Sunday
      {9, 2007, 6, 30, 1},  // begins on Saturday
      {3, 2007, 4, 31, 0},  // ends on Saturday
      {1, 2007, 1, 31, 4},  // ends on Wednesday
      {2, 1900, 4, 28, 4}, {2, 2000, 2, 29, 3}, {2, 2004, 0, 29, 1},
      {2, 2007, 4, 28, 4}, {2, 2015, 0, 28, 0},  // four full weeks, then the empty row
  };
  for (const auto& shape : shapes) {
    SCOPED_TRACE(std::to_string(shape.month) + "/" + std::to_string(shape.year));
    log.clear();
    const std::string document = generate(shape.month, shape.year, "1");
    const auto tables = monthTables(document);
    ASSERT_EQ(tables.size(), 1u);
    const auto& rows = tables[0].rows;

    int day = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
      if (r + 1 < rows.size()) {
        EXPECT_EQ(rows[r].size(), 7u) << "row " << r;
      } else {
        EXPECT_EQ(rows[r].size(), size_t(shape.lastRowCells));
      }
      for (size_t c = 0; c < rows[r].size(); ++c) {
        const auto& cell = rows[r][c];
        if (r == 0 && int(c) < shape.leadingEmpty) {
          EXPECT_EQ(cell, kEmptyCell);
          continue;
        }
        EXPECT_EQ(cellDay(cell), ++day);
        const bool saturday = c == 6;
        const bool holiday = cell.find(kHolidayOpening) != std::string::npos;
        EXPECT_EQ(cell.starts_with(kHighlightedOpening), saturday || holiday) << cell;
      }
    }
    EXPECT_EQ(day, shape.days);
    if (shape.lastRowCells == 0) {
      EXPECT_THAT(document, HasSubstr("</font></TD></TR>\r\n<TR VALIGN=\"TOP\"></TR></TABLE>"));
    }
  }
}

// One day's cell, byte for byte; SUN stands for that day's sun times.
struct CellCase {
  int32_t year;
  int32_t month;
  int32_t day;
  bool inIsrael;
  bool ashkenaziNames;
  std::string cell;
};

const std::string kSaturdayEnd = "</font></TD></TR>\r\n<TR VALIGN=\"TOP\">";

TEST_F(HtmlWriterTest, DayCellsCarryTheirLinesWithTheRightOpenings) {
  const CellCase cases[] = {
      {2007, 1, 1, false, false,
       R"(<TD HEIGHT=100><P ALIGN="RIGHT"><B>1</B></P><P FONT COLOR="#Ff0000" ALIGN="CENTER">)"
       R"(Tevet 11</P><font size="2"><BR>SUN</font></TD>)"},
      // A Saturday with a portion and nothing else: the plain portion opening.
      {2007, 1, 6, false, false,
       R"(<TD HEIGHT=100 bgcolor="#FEFFE6"><P ALIGN="RIGHT"><B>6</B></P>)"
       R"(<P FONT COLOR="#Ff0000" ALIGN="CENTER">Tevet 16</P><font size="2">Vayechi</font>)"
       R"(<font size="2"><BR>SUN)" +
           kSaturdayEnd},
      // The second day of Pesach: holiday, then the Omer line after a break.
      {2007, 4, 4, false, false,
       R"(<TD HEIGHT=100 bgcolor="#FEFFE6"><P ALIGN="RIGHT"><B>4</B></P>)"
       R"(<P FONT COLOR="#Ff0000" ALIGN="CENTER">Nisan 16</P><font color="#FF0000">Pesach</font>)"
       R"(<BR><i><font size="2">Omer 1</font></i><font size="2"><BR>SUN</font></TD>)"},
      // A festival Saturday reads no portion.
      {2007, 4, 7, false, false,
       R"(<TD HEIGHT=100 bgcolor="#FEFFE6"><P ALIGN="RIGHT"><B>7</B></P>)"
       R"(<P FONT COLOR="#Ff0000" ALIGN="CENTER">Nisan 19</P>)"
       R"(<font color="#FF0000">Chol Hamoed Pesach</font><BR><i><font size="2">Omer 4</font></i>)"
       R"(<font size="2"><BR>SUN)" +
           kSaturdayEnd},
      // A Saturday inside the Omer: the portion opening with a break.
      {2007, 4, 21, false, false,
       R"(<TD HEIGHT=100 bgcolor="#FEFFE6"><P ALIGN="RIGHT"><B>21</B></P>)"
       R"(<P FONT COLOR="#Ff0000" ALIGN="CENTER">Iyar 3</P><i><font size="2">Omer 18</font></i>)"
       R"(<BR><font size="2">Tazria Metzora</font><font size="2"><BR>SUN)" +
           kSaturdayEnd},
      // An Omer day without a holiday: no break before the Omer line, no highlight.
      {2007, 5, 6, false, false,
       R"(<TD HEIGHT=100><P ALIGN="RIGHT"><B>6</B></P><P FONT COLOR="#Ff0000" ALIGN="CENTER">)"
       R"(Iyar 18</P><i><font size="2">Lag B'Omer</font></i><font size="2"><BR>SUN</font></TD>)"},
      // A Saturday with a holiday and a portion.
      {2006, 12, 16, false, false,
       R"(<TD HEIGHT=100 bgcolor="#FEFFE6"><P ALIGN="RIGHT"><B>16</B></P>)"
       R"(<P FONT COLOR="#Ff0000" ALIGN="CENTER">Kislev 25</P><font color="#FF0000">Chanukah</font>)"
       R"(<BR><font size="2">Vayeshev</font><font size="2"><BR>SUN)" +
           kSaturdayEnd},
      // A weekday holiday is highlighted; Adar of a leap year is "Adar I".
      {2008, 2, 20, false, false,
       R"(<TD HEIGHT=100 bgcolor="#FEFFE6"><P ALIGN="RIGHT"><B>20</B></P>)"
       R"(<P FONT COLOR="#Ff0000" ALIGN="CENTER">Adar I 14</P>)"
       R"(<font color="#FF0000">Purim Katan</font><font size="2"><BR>SUN</font></TD>)"},
      // The flags reach the engine.
      {2006, 10, 21, false, true,
       R"(<TD HEIGHT=100 bgcolor="#FEFFE6"><P ALIGN="RIGHT"><B>21</B></P>)"
       R"(<P FONT COLOR="#Ff0000" ALIGN="CENTER">Tishri 29</P><font size="2">Bereshis</font>)"
       R"(<font size="2"><BR>SUN)" +
           kSaturdayEnd},
      {2012, 4, 14, true, false,
       R"(<TD HEIGHT=100 bgcolor="#FEFFE6"><P ALIGN="RIGHT"><B>14</B></P>)"
       R"(<P FONT COLOR="#Ff0000" ALIGN="CENTER">Nisan 22</P><i><font size="2">Omer 7</font></i>)"
       R"(<BR><font size="2">Shmini</font><font size="2"><BR>SUN)" +
           kSaturdayEnd},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.day) + "/" + std::to_string(c.month) + "/" +
                 std::to_string(c.year));
    auto run = request(c.month, c.year, "1");
    run.inIsrael = c.inIsrael;
    run.ashkenaziNames = c.ashkenaziNames;
    ASSERT_EQ(this->run(run), RunOutcome::Written);
    std::string expected = c.cell;
    expected.replace(expected.find("SUN"), 3, sunTimesAt(kJerusalem, c.year, c.month, c.day));
    EXPECT_THAT(readFile(output), HasSubstr(expected));
  }
}

TEST_F(HtmlWriterTest, FourteenMonthsRunAcrossTheYearEndWithEachDaysOwnSunTimes) {
  const std::string document = generate(11, 2007, "14");

  const auto tables = monthTables(document);
  std::vector<std::string> captions;
  for (const auto& table : tables) captions.push_back(table.caption);
  EXPECT_THAT(
      captions,
      ElementsAre(
          "November 2007 (5768) - Jerusalem, Israel", "December 2007 (5768) - Jerusalem, Israel",
          "January 2008 (5768) - Jerusalem, Israel", "February 2008 (5768) - Jerusalem, Israel",
          "March 2008 (5768) - Jerusalem, Israel", "April 2008 (5768) - Jerusalem, Israel",
          "May 2008 (5768) - Jerusalem, Israel", "June 2008 (5768) - Jerusalem, Israel",
          "July 2008 (5768) - Jerusalem, Israel", "August 2008 (5768) - Jerusalem, Israel",
          // The Hebrew year turns on 30 September: the caption keeps
          // the year of the 1st.
          "September 2008 (5768) - Jerusalem, Israel", "October 2008 (5769) - Jerusalem, Israel",
          "November 2008 (5769) - Jerusalem, Israel", "December 2008 (5769) - Jerusalem, Israel"));

  for (size_t t = 0; t < tables.size(); ++t) {
    const int month = int(10 + t) % 12 + 1;
    const int year = t < 2 ? 2007 : 2008;
    for (const auto& row : tables[t].rows) {
      for (const auto& cell : row) {
        if (cell == kEmptyCell) continue;
        EXPECT_EQ(cellSunTimes(cell), sunTimesAt(kJerusalem, year, month, cellDay(cell)))
            << month << "/" << year << " " << cell;
      }
    }
  }

  std::vector<std::string> expectedLog{"Starting to generate..."};
  for (int i = 1; i <= 14; ++i)
    expectedLog.push_back(std::to_string(i) + " of 14 months was generated");
  expectedLog.push_back("Generating process done");
  EXPECT_THAT(log, ElementsAreArray(expectedLog));
}

TEST_F(HtmlWriterTest, EveryLineEndsInCrLf) {
  const std::string document = generate(11, 2007, "14");
  for (size_t i = 0; i < document.size(); ++i) {
    if (document[i] == '\n') {
      ASSERT_TRUE(i > 0 && document[i - 1] == '\r') << "at " << i;
    }
    if (document[i] == '\r') {
      ASSERT_TRUE(i + 1 < document.size() && document[i + 1] == '\n') << "at " << i;
    }
  }
  EXPECT_THAT(document, EndsWith("</HTML>\r\n"));
}

TEST_F(HtmlWriterTest, ProgressLinesShowTheCountAsTyped) {
  generate(1, 2007, "02");
  EXPECT_THAT(log, ElementsAre("Starting to generate...", "1 of 02 months was generated",
                               "2 of 02 months was generated", "Generating process done"));
}

// An edited place file must not put markup into every page: the name is text.
TEST_F(HtmlWriterTest, PlaceTextIsEscapedInCaptions) {
  auto place = request(1, 2007, "2");
  place.placeName = "Tel Aviv & <Jaffa>, <script>alert(1)</script> \"Israel\"";
  ASSERT_EQ(run(place), RunOutcome::Written);
  const std::string document = readFile(output);
  for (const char* month : {"January", "February"}) {
    EXPECT_THAT(document, HasSubstr(std::string("<CAPTION><BIG>") + month +
                                    " 2007 (5767) - Tel Aviv &amp; &lt;Jaffa&gt;, "
                                    "&lt;script&gt;alert(1)&lt;/script&gt; \"Israel\"</BIG>"));
  }
  EXPECT_THAT(document, Not(HasSubstr("<script>")));
}

TEST_F(HtmlWriterTest, PortionsPageIsCopiedBesideTheDocumentReplacingAnOldCopy) {
  writeFile(outputDir / "Parshiyot.htm", "stale");
  generate(1, 2007, "1");
  EXPECT_EQ(readFile(outputDir / "Parshiyot.htm"), kPortionsPage);
}

// A disk that fills up while the page is copied (here a limit on file size) must not cost the
// good copy from an earlier run.
TEST_F(HtmlWriterTest, ACopyThatFailsHalfWayLeavesTheEarlierCopy) {
  const std::string page = "<HTML>" + std::string(64 * 1024, 'p') + "</HTML>\r\n";
  writeFile(programDir / "Parsh.htm", page);
  writeFile(outputDir / "Parshiyot.htm", "an earlier copy");
  try {
    const testing::FileSizeLimit fullDisk(32 * 1024);
    run(request(1, 2007, "1"));
    ADD_FAILURE() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot copy '" + (programDir / "Parsh.htm").string() +
                                             "' file to '" +
                                             (outputDir / "Parshiyot.htm").string() + "'!");
  }
  EXPECT_EQ(readFile(outputDir / "Parshiyot.htm"), "an earlier copy");
  EXPECT_THAT(readFile(output), EndsWith("</HTML>\r\n"));
  EXPECT_EQ(folderEntries(outputDir), (std::set<std::string>{"calendar.html", "Parshiyot.htm"}));
  EXPECT_THAT(log, Not(Contains("Generating process done")));
}

TEST_F(HtmlWriterTest, MissingPortionsPageFailsAfterTheDocumentIsComplete) {
  std::filesystem::remove(programDir / "Parsh.htm");
  try {
    run(request(1, 2007, "1"));
    FAIL() << "no error";
  } catch (const FileError& error) {
    EXPECT_EQ(std::string(error.what()), "Cannot copy '" + (programDir / "Parsh.htm").string() +
                                             "' file to '" +
                                             (outputDir / "Parshiyot.htm").string() + "'!");
  }
  EXPECT_THAT(readFile(output), EndsWith("</HTML>\r\n"));
  EXPECT_THAT(log, ElementsAre("Starting to generate...", "1 of 1 months was generated"));
}

// Runs refused before anything is touched: an earlier document stays as it was.
struct RefusedCase {
  int32_t month;
  int32_t year;
  std::string count;
  std::string path;  // "" keeps the usual output path, "<empty>" leaves the field empty
  std::string line;
};

TEST_F(HtmlWriterTest, RefusedRunsLeaveEverythingAsItWas) {
  constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
  constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
  const RefusedCase cases[] = {
      {1, 0, "1", "", "Year out of range"},
      {1, -5000, "12", "", "Year out of range"},
      {12, 9999, "2", "", "Year out of range"},
      {1, 9999, "13", "", "Year out of range"},
      {1, 9990, "1000", "", "Year out of range"},
      {1, kMax, "1", "", "Year out of range"},
      {12, kMax - 1, "1000", "", "Year out of range"},
      {1, kMin, "1", "", "Year out of range"},
      {1, 2007, "2147483647", "", "Year out of range"},
      {1, 2007, "12", "<empty>", "Bad filename or path"},
      // The copy of the portions page would replace the document, or the document the page.
      {1, 2007, "1", (outputDir / "Parshiyot.htm").string(), "Bad filename or path"},
      {1, 2007, "1", (outputDir / "parshiyot.HTM").string(), "Bad filename or path"},
      {1, 2007, "1", (programDir / "Parsh.htm").string(), "Bad filename or path"},
      {1, 2007, "1", (outputDir / ".." / "program" / "Parsh.htm").string(), "Bad filename or path"},
  };
  writeFile(output, "an earlier calendar");
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.month) + "/" + std::to_string(c.year) + " x" + c.count + " " +
                 c.path);
    log.clear();
    auto refused = request(c.month, c.year, c.count);
    if (c.path == "<empty>")
      refused.outputPath.clear();
    else if (!c.path.empty())
      refused.outputPath = c.path;
    EXPECT_EQ(run(refused), RunOutcome::Refused);
    EXPECT_THAT(log, ElementsAre(c.line));
    EXPECT_EQ(readFile(output), "an earlier calendar");
    EXPECT_EQ(folderEntries(outputDir), std::set<std::string>{"calendar.html"});
    EXPECT_EQ(readFile(programDir / "Parsh.htm"), kPortionsPage);
    EXPECT_EQ(folderEntries(programDir), std::set<std::string>{"Parsh.htm"});
  }
}

// The place files beside the program are no document: written over, the program would lose its
// places. Whether the name is met through a link, in other letter case, or the file is missing.
TEST_F(HtmlWriterTest, TheProgramsPlaceFilesAreRefusedAsOutput) {
  for (const char* name : {"locco.dat", "lat.dat", "long.dat"})
    writeFile(programDir / name, "the program's own");
  std::filesystem::create_symlink(programDir / "lat.dat", outputDir / "latitudes.html");
  const std::filesystem::path paths[] = {
      programDir / "locco.dat",
      programDir / "LOCCO.DAT",
      outputDir / ".." / "program" / "long.dat",
      outputDir / "latitudes.html",
      programDir / "uto.dat",
  };
  for (const auto& path : paths) {
    SCOPED_TRACE(path);
    log.clear();
    auto refused = request(1, 2007, "1");
    refused.outputPath = path.string();
    EXPECT_EQ(run(refused), RunOutcome::Refused);
    EXPECT_THAT(log, ElementsAre("Bad filename or path"));
    for (const char* name : {"locco.dat", "lat.dat", "long.dat"})
      EXPECT_EQ(readFile(programDir / name), "the program's own");
    EXPECT_EQ(folderEntries(programDir),
              (std::set<std::string>{"Parsh.htm", "lat.dat", "locco.dat", "long.dat"}));
  }
}

TEST_F(HtmlWriterTest, YearsAtTheEdgesOfTheEnginesRangeAreWritten) {
  const struct {
    int32_t month;
    int32_t year;
    std::string count;
    std::string firstCaption;
  } cases[] = {
      {1, 1, "1", "January 1 (3761) - Jerusalem, Israel"},
      {1, 9999, "12", "January 9999 (13759) - Jerusalem, Israel"},
      {1, 2600, "1", "January 2600 (6360) - Jerusalem, Israel"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.year);
    const auto tables = monthTables(generate(c.month, c.year, c.count));
    ASSERT_EQ(tables.size(), size_t(parseInteger(c.count)));
    EXPECT_EQ(tables[0].caption, c.firstCaption);
  }
}

TEST_F(HtmlWriterTest, MonthCountThatIsNoNumberFailsBeforeTheOldDocumentIsTouched) {
  writeFile(output, "an earlier calendar");
  EXPECT_THROW(run(request(1, 2007, "12x")), ConversionError);
  EXPECT_THAT(log, IsEmpty());
  EXPECT_EQ(readFile(output), "an earlier calendar");
  EXPECT_EQ(folderEntries(outputDir), std::set<std::string>{"calendar.html"});
}

TEST_F(HtmlWriterTest, OutputThatCannotBeCreatedIsAnErrorNamingThePath) {
  writeFile(outputDir / "plain-file", "not a folder");
  std::filesystem::create_directories(outputDir / "a-folder.html");
  const struct {
    std::filesystem::path path;
    const char* reason;
  } cases[] = {
      {outputDir / "missing" / "calendar.html", "No such file or directory"},
      {outputDir / "plain-file" / "calendar.html", "Not a directory"},
      {outputDir / "a-folder.html", "Is a directory"},
  };
  for (const auto& [path, reason] : cases) {
    SCOPED_TRACE(path);
    log.clear();
    auto unwritable = request(1, 2007, "12");
    unwritable.outputPath = path.string();
    try {
      run(unwritable);
      FAIL() << "no error";
    } catch (const FileError& error) {
      EXPECT_EQ(std::string(error.what()), "Cannot create file '" + path.string() + "': " + reason);
    }
    EXPECT_THAT(log, IsEmpty());
    EXPECT_EQ(folderEntries(outputDir), (std::set<std::string>{"plain-file", "a-folder.html"}));
  }
}

TEST_F(HtmlWriterTest, RelativePathIsTakenFromTheCurrentDirectory) {
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(outputDir);
  auto relative = request(1, 2007, "1");
  relative.outputPath = "calendar.html";
  const auto full = fullOutputPath(relative.outputPath);
  const auto outcome = run(relative);
  std::filesystem::current_path(previous);

  EXPECT_EQ(outcome, RunOutcome::Written);
  EXPECT_EQ(full, std::filesystem::canonical(outputDir) / "calendar.html");
  EXPECT_THAT(readFile(output), EndsWith("</HTML>\r\n"));
  EXPECT_EQ(readFile(outputDir / "Parshiyot.htm"), kPortionsPage);
}

TEST(FullOutputPathTest, ExpandsAgainstTheCurrentDirectory) {
  const auto here = std::filesystem::current_path();
  EXPECT_EQ(fullOutputPath(""), std::filesystem::path());
  EXPECT_EQ(fullOutputPath("calendar.html"), here / "calendar.html");
  EXPECT_EQ(fullOutputPath("web/../cal.htm"), here / "cal.htm");
  EXPECT_EQ(fullOutputPath("/srv/web/calendar.html"), "/srv/web/calendar.html");
}

TEST_F(HtmlWriterTest, SecondRunReplacesTheDocumentAndLeavesNoTemporaryFile) {
  generate(1, 2007, "12");
  const std::string second = generate(3, 2010, "1");
  EXPECT_THAT(second, HasSubstr("<CAPTION><BIG>March 2010 "));
  EXPECT_THAT(second, Not(HasSubstr("January 2007")));
  EXPECT_EQ(folderEntries(outputDir), (std::set<std::string>{"calendar.html", "Parshiyot.htm"}));
}

}  // namespace
}  // namespace tevorin
