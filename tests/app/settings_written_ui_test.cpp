// Where the window reads and writes its settings, and that an end writes them once.
#include <QLineEdit>
#include <filesystem>
#include <string>

#include "app/settings_file.h"
#include "app/shell/field_text.h"
#include "tests/support/window_fixture.h"
#include "views/month_page.h"

namespace tevorin::testing {
namespace {

std::string year(const fs::path& file) {
  return SettingsFile::read(file).value("CHMonth", "Year", "(none)");
}

TEST_F(WindowTest, SettingsWrittenBeforeTheEndAreNotWrittenAgainUnchanged) {
  copyShippedPlaces();
  auto form = openWindow();
  form->writeSettings();
  EXPECT_EQ(year(dir_ / "tvrn.ini"), "2007");
  // A mark that a second write would replace.
  writeFile("tvrn.ini", "[Mark]\r\n");
  form.reset();
  EXPECT_EQ(readFile("tvrn.ini"), "[Mark]\r\n");
  EXPECT_TRUE(errors.empty());
}

TEST_F(WindowTest, AChangeAfterAnEarlyWriteIsWrittenAtTheEnd) {
  copyShippedPlaces();
  auto form = openWindow();
  form->writeSettings();
  setFieldText(form->ScrollBox1->YearEdit1, "2010");
  form.reset();
  EXPECT_EQ(year(dir_ / "tvrn.ini"), "2010");
}

TEST_F(WindowTest, SettingsComeFromTheirStartFileAndGoToTheUsersFileInFoldersMadeForIt) {
  copyShippedPlaces();
  writeFile("tvrn.ini", "[CHMonth]\r\nYear=2010\r\n[Mine]\r\nA=1\r\n");
  const fs::path users = dir_ / "home" / ".config" / "tevorin" / "tvrn.ini";
  {
    TForm1 form(dir_, {users, dir_ / "tvrn.ini"});
    EXPECT_EQ(fieldText(form.ScrollBox1->YearEdit1), "2010");
    setFieldText(form.ScrollBox1->YearEdit1, "2011");
  }
  EXPECT_EQ(year(users), "2011");
  EXPECT_EQ(SettingsFile::read(users).value("Mine", "A", ""), "1");
  EXPECT_EQ(readFile("tvrn.ini"), "[CHMonth]\r\nYear=2010\r\n[Mine]\r\nA=1\r\n");
  {
    TForm1 form(dir_, {users, users});
    EXPECT_EQ(fieldText(form.ScrollBox1->YearEdit1), "2011");
  }
  EXPECT_TRUE(errors.empty());
}

// Only the user's own file is kept when it cannot be read; a start file beside the program that
// cannot be read leaves the user's file to be made.
TEST_F(WindowTest, AStartFileThatCannotBeReadIsSaidAndTheUsersFileIsMade) {
  copyShippedPlaces();
  fs::create_directories(dir_ / "tvrn.ini" / "inside");
  const fs::path users = dir_ / "config" / "tevorin" / "tvrn.ini";
  {
    TForm1 form(dir_, {users, dir_ / "tvrn.ini"});
    setFieldText(form.ScrollBox1->YearEdit1, "2011");
  }
  EXPECT_EQ(errors.size(), 1U);
  EXPECT_EQ(year(users), "2011");
  EXPECT_TRUE(fs::is_directory(dir_ / "tvrn.ini" / "inside"));
}

}  // namespace
}  // namespace tevorin::testing
