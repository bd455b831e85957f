#include "common/text_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/file_error.h"
#include "tests/support/fifo_watch.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

using Lines = std::vector<std::string>;

TEST(TextFile, SplitLinesAtEveryKindOfLineEnd) {
  struct Row {
    const char* name;
    std::string_view text;
    Lines lines;
  };
  const Row rows[] = {
      {"CR LF", "Alpha, X\r\nBeta, Y\r\n", {"Alpha, X", "Beta, Y"}},
      {"LF", "Alpha, X\nBeta, Y\n", {"Alpha, X", "Beta, Y"}},
      {"CR", "Alpha, X\rBeta, Y\r", {"Alpha, X", "Beta, Y"}},
      {"no final line end", "Alpha, X\nBeta, Y", {"Alpha, X", "Beta, Y"}},
      {"empty line", "Alpha, X\r\n\r\nGamma, Z\r\n", {"Alpha, X", "", "Gamma, Z"}},
      {"empty lines with lone ends", "A\n\nB\r\rC", {"A", "", "B", "", "C"}},
      {"LF CR is two ends", "A\n\rB", {"A", "", "B"}},
      {"mixed", "A\r\nB\nC\rD", {"A", "B", "C", "D"}},
      {"only a line end", "\r\n", {""}},
      {"empty text", "", {}},
      {"blank line", "  \n", {"  "}},
  };
  for (const Row& row : rows) EXPECT_EQ(splitLines(row.text), row.lines) << row.name;
}

class TextFileOnDisk : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch_;
  const std::filesystem::path& dir_ = scratch_.path();
};

TEST_F(TextFileOnDisk, ARelativePathIsReportedInFull) {
  const std::filesystem::path before = std::filesystem::current_path();
  std::filesystem::current_path(dir_);
  try {
    readLines("missing.dat");
    ADD_FAILURE() << "read a missing file";
  } catch (const FileOpenError& error) {
    EXPECT_EQ(error.what(), "Cannot open file " + (dir_ / "missing.dat").string());
  }
  std::filesystem::current_path(before);
}

TEST_F(TextFileOnDisk, ADirectoryIsNotAFile) {
  std::filesystem::create_directory(dir_ / "folder.dat");
  EXPECT_THROW(readLines(dir_ / "folder.dat"), FileOpenError);
}

// A FIFO in a file's place would keep the program waiting for a writer for ever; a device is no
// file either.
TEST_F(TextFileOnDisk, WhatIsNoRegularFileIsRefusedAtOnce) {
  const auto fifo = dir_ / "fifo.dat";
  testing::makeFifo(fifo);
  std::filesystem::create_symlink("/dev/null", dir_ / "device.dat");
  for (const auto& file : {fifo, dir_ / "device.dat"}) {
    SCOPED_TRACE(file);
    const testing::FifoWatch watch(fifo);
    try {
      readLines(file);
      ADD_FAILURE() << "read what is no file";
    } catch (const FileOpenError& error) {
      EXPECT_EQ(error.what(), "Cannot open file " + file.string());
    }
    EXPECT_FALSE(readWholeFile(file));
  }
}

TEST_F(TextFileOnDisk, AnEmptyFileHasNoEntries) {
  testing::writeFile(dir_ / "empty.txt", "");
  EXPECT_TRUE(readLines(dir_ / "empty.txt").empty());
}

}  // namespace
}  // namespace tevorin
