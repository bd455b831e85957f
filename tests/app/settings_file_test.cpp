#include "app/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

namespace fs = std::filesystem;

using testing::folderEntries;
using testing::readFile;
using testing::ScratchFolder;
using testing::writeFile;

TEST(SettingsFileRead, FindsValuesAsThePlatformProfileDoes) {
  const SettingsFile settings = SettingsFile::parse(
      "\xEF\xBB\xBF[location]\r\n"
      "LISTCOUNTRY=17\r\n"
      "; ListCountry=99\r\n"
      "[ Generate ]\n"
      "  year  =  1999  \n"
      "MonthNo=a=b\n"
      "Empty=\n"
      "Odd=\"%1,2\\3\"\r"
      "[Generate]\r"
      "NoMonthsGen=5\r"
      "[CHMonth]\n"
      "Year=2010");
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  } cases[] = {
      {"Location", "ListCountry", "17"},   // names without regard to case, comment skipped
      {"Generate", "Year", "1999"},        // blanks around names and value dropped
      {"generate", "monthno", "a=b"},      // the first "=" divides
      {"Generate", "Empty", ""},           // present but empty is not absent
      {"Generate", "Odd", "\"%1,2\\3\""},  // quotes, commas, escapes kept as written
      {"Generate", "NoMonthsGen", "-"},    // only the first section of a name counts
      {"CHMonth", "Year", "2010"},         // last line without a line end
      {"CHMonth", "Month", "-"},           // absent key
      {"Nowhere", "Year", "-"},            // absent section
  };
  for (const Case& c : cases)
    EXPECT_EQ(settings.value(c.section, c.key, "-"), c.expected) << c.section << "/" << c.key;
}

TEST(SettingsFileRead, MissingFileGivesDefaults) {
  const SettingsFile settings =
      SettingsFile::read(fs::temp_directory_path() / "no-such-dir" / "x.ini");
  EXPECT_EQ(settings.value("Location", "ListCountry", "4935"), "4935");
  EXPECT_EQ(settings.text(), "");
}

TEST(SettingsFileWrite, KeepsWhatItDoesNotKnowAndReplacesInPlace) {
  SettingsFile settings = SettingsFile::parse(
      "; written by hand\n"
      "[LOCATION]\n"
      "listcountry=17\n"
      "Colour=blue\n"
      "\n"
      "[Other]\n"
      "Keep=me\n"
      "[Generate]\n"
      "Year=1999\n"
      "\n");
  settings.setValue("Location", "ListCountry", "4935");
  settings.setValue("Location", "Added", "x");
  settings.setValue("Generate", "Year", "2007");
  settings.setValue("CHMonth", "Month", "1");
  settings.setValue("CHMonth", "Year", "line\r\nbreak");
  EXPECT_EQ(settings.text(),
            "; written by hand\r\n"
            "[LOCATION]\r\n"
            "listcountry=4935\r\n"
            "Colour=blue\r\n"
            "Added=x\r\n"
            "\r\n"
            "[Other]\r\n"
            "Keep=me\r\n"
            "[Generate]\r\n"
            "Year=2007\r\n"
            "\r\n"
            "[CHMonth]\r\n"
            "Month=1\r\n"
            "Year=line  break\r\n");
}

TEST(SettingsFileWrite, NewFileHoldsTheKeysInTheOrderWritten) {
  SettingsFile settings;
  settings.setValue("Location", "ListCountry", "4935");
  settings.setValue("Generate", "Month", "1");
  settings.setValue("Generate", "MonthNo", "1");
  EXPECT_EQ(settings.text(),
            "[Location]\r\nListCountry=4935\r\n\r\n[Generate]\r\nMonth=1\r\nMonthNo=1\r\n");
}

class SettingsFileDisk : public ::testing::Test {
 protected:
  size_t entries() const { return folderEntries(dir_).size(); }

  ScratchFolder scratch_;
  const fs::path& dir_ = scratch_.path();
};

TEST_F(SettingsFileDisk, WriteReplacesTheWholeFileAndLeavesNoTemporary) {
  const fs::path file = dir_ / "tvrn.ini";
  writeFile(file, "[Location]\nListCountry=3\n[Mine]\nA=1\n");
  SettingsFile settings = SettingsFile::read(file);
  settings.setValue("Location", "ListCountry", "4");
  ASSERT_TRUE(settings.write(file));
  EXPECT_EQ(readFile(file), "[Location]\r\nListCountry=4\r\n[Mine]\r\nA=1\r\n");
  EXPECT_EQ(entries(), 1u);
  EXPECT_EQ(SettingsFile::read(file).value("mine", "a", ""), "1");
}

// The temporary's longer name cannot be created beside a file whose name is at the length limit.
TEST_F(SettingsFileDisk, FailedWriteLeavesTheOldFileAsItWas) {
  const fs::path file = dir_ / std::string(250, 'i');
  writeFile(file, "[Location]\nListCountry=3\n");
  SettingsFile settings = SettingsFile::read(file);
  settings.setValue("Location", "ListCountry", "4");
  EXPECT_FALSE(settings.write(file));
  EXPECT_EQ(readFile(file), "[Location]\nListCountry=3\n");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(SettingsFileDisk, FailedRenameRemovesTheTemporary) {
  const fs::path file = dir_ / "tvrn.ini";
  fs::create_directories(file / "inside");
  SettingsFile settings;
  settings.setValue("Location", "ListCountry", "4");
  EXPECT_FALSE(settings.write(file));
  EXPECT_TRUE(fs::is_directory(file / "inside"));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(SettingsFileDisk, WriteIntoAMissingFolderFails) {
  SettingsFile settings;
  settings.setValue("Location", "ListCountry", "4");
  EXPECT_FALSE(settings.write(dir_ / "gone" / "tvrn.ini"));
  EXPECT_FALSE(fs::exists(dir_ / "gone"));
}

}  // namespace
}  // namespace tevorin
