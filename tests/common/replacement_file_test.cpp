#include "common/replacement_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>

#include "common/file_error.h"
#include "tests/support/scratch_folder.h"
#include "tests/support/without_root.h"

namespace tevorin {
namespace {

using testing::fileErrorWithoutRoot;
using testing::folderEntries;
using testing::readFile;
using testing::ScratchFolder;
using testing::writeFile;

TEST(ReplacementFileTest, TargetChangesOnlyOnCommit) {
  ScratchFolder folder;
  const auto target = folder.path() / "calendar.html";
  writeFile(target, "old");
  {
    ReplacementFile file(target);
    file.write("new ");
    file.write("text");
    EXPECT_EQ(readFile(target), "old");
    EXPECT_EQ(folderEntries(folder.path()).size(), 2u);
    file.commit();
  }
  EXPECT_EQ(readFile(target), "new text");
  EXPECT_EQ(folderEntries(folder.path()), std::set<std::string>{"calendar.html"});
}

TEST(ReplacementFileTest, AbandonedFileLeavesTheOldOneAndNoTrace) {
  ScratchFolder folder;
  const auto target = folder.path() / "calendar.html";
  writeFile(target, "old");
  {
    ReplacementFile file(target);
    file.write("half a calendar");
  }
  EXPECT_EQ(readFile(target), "old");
  EXPECT_EQ(folderEntries(folder.path()), std::set<std::string>{"calendar.html"});
}

TEST(ReplacementFileTest, ReplacedFileKeepsItsPermissions) {
  ScratchFolder folder;
  const auto target = folder.path() / "calendar.html";
  writeFile(target, "old");
  const auto mode = std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                    std::filesystem::perms::group_read;
  std::filesystem::permissions(target, mode);
  ReplacementFile file(target);
  file.commit();
  EXPECT_EQ(std::filesystem::status(target).permissions(), mode);
}

TEST(ReplacementFileTest, NewFileIsCreated) {
  ScratchFolder folder;
  const auto target = folder.path() / "new.html";
  ReplacementFile file(target);
  file.write("text");
  file.commit();
  EXPECT_EQ(readFile(target), "text");
}

// A document linked into a web folder is replaced where the link points; the link stays a link.
TEST(ReplacementFileTest, LinkedTargetIsWrittenWhereTheLinkPoints) {
  const struct {
    const char* name;
    bool linkedFileExists;
  } cases[] = {{"existing file", true}, {"file still to be made", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ScratchFolder folder;
    std::filesystem::create_directories(folder.path() / "real");
    std::filesystem::create_directories(folder.path() / "web");
    const auto real = folder.path() / "real" / "calendar.html";
    const auto link = folder.path() / "web" / "calendar.html";
    if (c.linkedFileExists) writeFile(real, "old");
    std::filesystem::create_symlink("../real/calendar.html", link);

    ReplacementFile file(link);
    file.write("new");
    file.commit();

    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readFile(real), "new");
    EXPECT_EQ(folderEntries(folder.path() / "real"), std::set<std::string>{"calendar.html"});
    EXPECT_EQ(folderEntries(folder.path() / "web"), std::set<std::string>{"calendar.html"});
  }
}

TEST(ReplacementFileTest, TargetThatIsNoRegularFileIsRefused) {
  ScratchFolder folder;
  std::filesystem::create_directories(folder.path() / "folder");
  EXPECT_THROW(ReplacementFile(folder.path() / "folder"), FileError);
  EXPECT_THROW(ReplacementFile(folder.path() / "missing" / "x.html"), FileError);
  EXPECT_EQ(folderEntries(folder.path()), std::set<std::string>{"folder"});
}

// The temporary file beside the target says whose it is, should a killed run leave it behind.
TEST(ReplacementFileTest, TemporaryNameTellsWhatItIs) {
  ScratchFolder folder;
  ReplacementFile file(folder.path() / "calendar.html");
  const auto entries = folderEntries(folder.path());
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_THAT(*entries.begin(),
              ::testing::MatchesRegex(R"(calendar\.html\.tevorin-[0-9a-f]{8}\.tmp)"));
}

// File systems take names of up to 255 bytes; the temporary name must fit beside any of them.
TEST(ReplacementFileTest, NamesUpToTheLongestAreWritten) {
  std::string accented;
  for (int i = 0; i < 127; ++i) accented += "\xC3\xA9";  // é
  const std::string names[] = {std::string(243, 'a'), std::string(255, 'b'), accented + "x"};
  for (const std::string& name : names) {
    SCOPED_TRACE(name.size());
    ScratchFolder folder;
    ReplacementFile file(folder.path() / name);
    // The name is cut for the temporary at a character's start.
    for (const std::string& entry : folderEntries(folder.path()))
      EXPECT_NE(static_cast<unsigned char>(entry[entry.find(".tevorin-") - 1]), 0xC3u);
    file.write("text");
    file.commit();
    EXPECT_EQ(readFile(folder.path() / name), "text");
    EXPECT_EQ(folderEntries(folder.path()), std::set<std::string>{name});
  }
}

// A run killed while writing leaves its temporary file; the next write of the same file removes
// it, and nothing else: not another file's, not one another run may be writing now.
TEST(ReplacementFileTest, LeftoversOfEndedRunsGoWithTheNextWrite) {
  const std::string longName(255, 'l');
  const struct {
    std::string target;
    std::string entry;
    bool old;
    bool removed;
  } cases[] = {
      {"calendar.html", "calendar.html.tevorin-0123abcd.tmp", true, true},
      {"calendar.html", "calendar.html.tevorin-89abcdef.tmp", false, false},
      {"calendar.html", "other.html.tevorin-0123abcd.tmp", true, false},
      {"calendar.html", "calendar.html.0123abcd.tmp", true, false},
      {"calendar.html", "calendar.html.tevorin-0123abcd.tmp.html", true, false},
      {longName, longName.substr(0, 234) + ".tevorin-0123abcd.tmp", true, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    ScratchFolder folder;
    const auto leftover = folder.path() / c.entry;
    writeFile(leftover, "half a calendar");
    if (c.old) {
      std::filesystem::last_write_time(
          leftover, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    ReplacementFile file(folder.path() / c.target);
    file.write("text");
    file.commit();
    EXPECT_EQ(std::filesystem::exists(leftover), !c.removed);
    EXPECT_EQ(readFile(folder.path() / c.target), "text");
  }
}

// "create" for a file still to be made, "write" for one written over; then the system's reason.
TEST(ReplacementFileTest, FailuresNameThePathAndTheSystemsReason) {
  namespace fs = std::filesystem;
  ScratchFolder folder;
  const fs::path& top = folder.path();
  writeFile(top / "plain", "a file, not a folder");
  fs::create_directories(top / "folder.html");
  // Writable by everyone, holding a file nobody may write.
  fs::create_directories(top / "open");
  writeFile(top / "open" / "read-only.html", "old");
  fs::permissions(top / "open" / "read-only.html",
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  fs::permissions(top / "open", fs::perms::all);
  // Nobody may add to it, though its file may be written.
  fs::create_directories(top / "locked");
  writeFile(top / "locked" / "kept.html", "old");
  fs::permissions(top / "locked" / "kept.html", fs::perms::all);
  fs::permissions(top / "locked", fs::perms::owner_read | fs::perms::owner_exec |
                                      fs::perms::group_read | fs::perms::group_exec |
                                      fs::perms::others_read | fs::perms::others_exec);
  const struct {
    fs::path path;
    const char* expected;
  } cases[] = {
      {top / "missing" / "calendar.html", "Cannot create file '%': No such file or directory"},
      {top / "plain" / "calendar.html", "Cannot create file '%': Not a directory"},
      {top / "folder.html", "Cannot create file '%': Is a directory"},
      {top / "open" / "read-only.html", "Cannot write file '%': Permission denied"},
      {top / "locked" / "new.html", "Cannot create file '%': Permission denied"},
      {top / "locked" / "kept.html", "Cannot write file '%': Permission denied"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    std::string expected = c.expected;
    expected.replace(expected.find('%'), 1, c.path.string());
    EXPECT_EQ(fileErrorWithoutRoot([&] {
                ReplacementFile file(c.path);
                file.write("new");
                file.commit();
              }),
              expected);
  }
  EXPECT_EQ(folderEntries(top), (std::set<std::string>{"plain", "folder.html", "open", "locked"}));
  EXPECT_EQ(folderEntries(top / "open"), std::set<std::string>{"read-only.html"});
  EXPECT_EQ(folderEntries(top / "locked"), std::set<std::string>{"kept.html"});
  EXPECT_EQ(readFile(top / "open" / "read-only.html"), "old");
  EXPECT_EQ(readFile(top / "locked" / "kept.html"), "old");
  // The scratch folder is removed with all it holds.
  fs::permissions(top / "locked", fs::perms::owner_all);
}

}  // namespace
}  // namespace tevorin
