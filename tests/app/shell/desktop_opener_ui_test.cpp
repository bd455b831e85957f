#include <gtest/gtest.h>

#include <QDir>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

#include "app/shell/desktop_opener.h"
#include "tests/support/qt_application.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A folder that stands first on PATH and may hold an xdg-open of the test's making, which notes
// its argument beside itself.
class DesktopOpenerTest : public ::testing::Test {
 protected:
  DesktopOpenerTest() : path_(qgetenv("PATH")) {
    testing::ensureApplication();
    qputenv("PATH", QByteArray::fromStdString(bin_.path().string()) + ":" + path_);
  }
  ~DesktopOpenerTest() override { qputenv("PATH", path_); }

  void fakeOpener(const std::string& body) const {
    const fs::path opener = bin_.path() / "xdg-open";
    testing::writeFile(opener, "#!/bin/sh\nprintf %s \"$1\" > '" + noted().string() + "'\n" + body);
    fs::permissions(opener, fs::perms::owner_all);
  }
  fs::path noted() const { return bin_.path() / "argument"; }

  // The answer, or none when it did not come within five seconds.
  static std::optional<bool> open(const std::string& target,
                                  std::chrono::milliseconds patience = kOpenerPatience) {
    std::optional<bool> answer;
    int answers = 0;
    openOnDesktop(
        target,
        [&](bool opened) {
          answer = opened;
          ++answers;
        },
        patience);
    if (!QTest::qWaitFor([&] { return answer.has_value(); }, 5000)) return std::nullopt;
    // Nothing more arrives later, when the opener ends after its patience ran out.
    QTest::qWait(50);
    EXPECT_LE(answers, 1);
    return answer;
  }

  QByteArray path_;
  testing::ScratchFolder bin_;
};

TEST_F(DesktopOpenerTest, TheOpenersStatusIsTheAnswer) {
  const struct {
    const char* opener;
    bool opened;
  } cases[] = {
      {"exit 0\n", true},
      {"exit 2\n", false},  // the file does not exist
      {"exit 4\n", false},  // no program could open it
      {"kill -9 $$\n", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opener);
    fakeOpener(c.opener);
    EXPECT_EQ(open("https://tevorin.org/"), c.opened);
    EXPECT_EQ(testing::readFile(noted()), "https://tevorin.org/");
  }
}

TEST_F(DesktopOpenerTest, AFileIsNamedByItsFullPath) {
  fakeOpener("exit 0\n");
  EXPECT_EQ(open("calendar one.html"), true);
  EXPECT_EQ(testing::readFile(noted()),
            QDir::current().absoluteFilePath("calendar one.html").toStdString());
}

TEST_F(DesktopOpenerTest, WithoutAnOpenerNothingOpens) {
  const QByteArray onlyTheEmptyFolder = QByteArray::fromStdString(bin_.path().string());
  qputenv("PATH", onlyTheEmptyFolder);
  EXPECT_EQ(open("https://tevorin.org/"), false);
}

// The generic opener waits until the browser it started ends.
TEST_F(DesktopOpenerTest, AnOpenerStillBusyAfterItsPatienceHasStartedTheBrowser) {
  fakeOpener("sleep 1\nexit 4\n");
  EXPECT_EQ(open("https://tevorin.org/", 100ms), true);
}

}  // namespace
}  // namespace tevorin
