#include "app/settings_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "common/file_error.h"
#include "tests/support/fifo_watch.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/permission_bits.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/without_root.h"

namespace tevorin {
namespace {

namespace fs = std::filesystem;

using testing::fileErrorOf;
using testing::fileErrorWithoutRoot;
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

// What is read is what is written back and read the next time.
TEST(SettingsFileRead, EveryByteOrderMarkAtTheStartIsDropped) {
  const SettingsFile settings =
      SettingsFile::parse("\xEF\xBB\xBF\xEF\xBB\xBF[Location]\r\nListCountry=5\r\n");
  EXPECT_EQ(settings.value("Location", "ListCountry", "-"), "5");
  EXPECT_EQ(settings.text(), "[Location]\r\nListCountry=5\r\n");
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
  ASSERT_EQ(fileErrorOf([&] { settings.write(file); }), "");
  EXPECT_EQ(readFile(file), "[Location]\r\nListCountry=4\r\n[Mine]\r\nA=1\r\n");
  EXPECT_EQ(entries(), 1u);
  EXPECT_EQ(SettingsFile::read(file).value("mine", "a", ""), "1");
}

TEST_F(SettingsFileDisk, FailedWriteLeavesTheOldFileAsItWas) {
  const fs::path file = dir_ / "tvrn.ini";
  writeFile(file, "[Location]\nListCountry=3\n");
  SettingsFile settings = SettingsFile::read(file);
  settings.setValue("Location", "ListCountry", "4");
  settings.setValue("Mine", "Long", std::string(100, 'x'));
  {
    const testing::FileSizeLimit fullDisk(64);
    EXPECT_EQ(fileErrorOf([&] { settings.write(file); }),
              "Cannot write file '" + file.string() + "': File too large");
  }
  EXPECT_EQ(readFile(file), "[Location]\nListCountry=3\n");
  EXPECT_EQ(entries(), 1u);
}

// Taken as empty, a file that exists but cannot be read would be replaced by the defaults. A link
// to no file is a file still to be made.
TEST_F(SettingsFileDisk, AFileThatExistsButCannotBeReadIsAnError) {
  const fs::path file = dir_ / "tvrn.ini";
  const struct {
    const char* what;
    void (*make)(const fs::path& file);
    bool readable;
  } cases[] = {
      {"a folder", [](const fs::path& file) { fs::create_directories(file / "inside"); }, false},
      {"a FIFO", [](const fs::path& file) { testing::makeFifo(file); }, false},
      {"no right to read",
       [](const fs::path& file) {
         writeFile(file, "[Location]\nListCountry=3\n");
         fs::permissions(file, fs::perms::owner_write);
       },
       false},
      {"a link to no file", [](const fs::path& file) { fs::create_symlink("gone.ini", file); },
       true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const testing::PermissionBitsBind bits;
    ASSERT_TRUE(bits.binds());
    c.make(file);
    const testing::FifoWatch watch(file);
    if (c.readable) {
      EXPECT_NO_THROW(SettingsFile::read(file));
    } else {
      try {
        SettingsFile::read(file);
        ADD_FAILURE() << "read";
      } catch (const FileOpenError& error) {
        EXPECT_EQ(error.what(), "Cannot open file " + file.string());
      }
    }
    fs::remove_all(file);
  }
}

TEST_F(SettingsFileDisk, FailedRenameRemovesTheTemporary) {
  const fs::path file = dir_ / "tvrn.ini";
  fs::create_directories(file / "inside");
  SettingsFile settings;
  settings.setValue("Location", "ListCountry", "4");
  EXPECT_EQ(fileErrorOf([&] { settings.write(file); }),
            "Cannot create file '" + file.string() + "': Is a directory");
  EXPECT_TRUE(fs::is_directory(file / "inside"));
  EXPECT_EQ(entries(), 1u);
}

TEST_F(SettingsFileDisk, ReadOnlyFileIsNotWrittenOver) {
  const fs::path file = dir_ / "tvrn.ini";
  writeFile(file, "[Location]\nListCountry=3\n");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(dir_, fs::perms::all);
  SettingsFile settings = SettingsFile::read(file);
  settings.setValue("Location", "ListCountry", "4");
  EXPECT_EQ(fileErrorWithoutRoot([&] { settings.write(file); }),
            "Cannot write file '" + file.string() + "': Permission denied");
  EXPECT_EQ(readFile(file), "[Location]\nListCountry=3\n");
  EXPECT_EQ(entries(), 1u);
}

TEST_F(SettingsFileDisk, WriteIntoAMissingFolderFails) {
  SettingsFile settings;
  settings.setValue("Location", "ListCountry", "4");
  EXPECT_EQ(fileErrorOf([&] { settings.write(dir_ / "gone" / "tvrn.ini"); }),
            "Cannot create file '" + (dir_ / "gone" / "tvrn.ini").string() +
                "': No such file or directory");
  EXPECT_FALSE(fs::exists(dir_ / "gone"));
}

}  // namespace
}  // namespace tevorin
