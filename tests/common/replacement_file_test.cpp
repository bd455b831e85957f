#include "common/replacement_file.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/file_error.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

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

}  // namespace
}  // namespace tevorin
