#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <future>
#include <memory>

#include "app/one_copy.h"
#include "tests/support/qt_application.h"
#include "tests/support/scratch_folder.h"

namespace tevorin {
namespace {

namespace fs = std::filesystem;

// The guard's lock and socket in a runtime folder of the test's own.
class OneCopyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::ensureApplication();
    fs::create_directories(runtime_);
    ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
  }

  // A later start with the same settings asks the listening first copy once, and is answered.
  void expectAShowRequestFromALaterCopy(OneCopy& first) {
    QSignalSpy shown(&first, &OneCopy::showRequested);
    OneCopy later(settings_);
    ASSERT_FALSE(later.isFirst());
    // The later copy waits for the answer that the first gives from its event loop.
    std::future<bool> asked =
        std::async(std::launch::async, [&] { return later.askFirstToShow(); });
    while (asked.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
      QTest::qWait(10);
    EXPECT_TRUE(asked.get());
    if (shown.isEmpty()) shown.wait(1000);
    EXPECT_EQ(shown.count(), 1);
  }

  testing::ScratchFolder scratch_;
  const fs::path runtime_ = scratch_.path() / "run";
  const fs::path settings_ = scratch_.path() / "tvrn.ini";
};

TEST_F(OneCopyTest, ALaterCopyWithTheSameSettingsAsksTheFirstForItsWindow) {
  OneCopy first(settings_);
  ASSERT_TRUE(first.isFirst());
  first.listen();
  expectAShowRequestFromALaterCopy(first);
}

TEST_F(OneCopyTest, OtherSettingsFilesRunSideBySide) {
  const OneCopy one(settings_);
  const OneCopy other(scratch_.path() / "elsewhere" / "tvrn.ini");
  EXPECT_TRUE(one.isFirst());
  EXPECT_TRUE(other.isFirst());
}

TEST_F(OneCopyTest, TheSameFileAlongAnotherPathIsTheSameCopy) {
  fs::create_directory_symlink(scratch_.path(), scratch_.path() / "link");
  const OneCopy first(settings_);
  const OneCopy later(scratch_.path() / "link" / "tvrn.ini");
  EXPECT_FALSE(later.isFirst());
}

TEST_F(OneCopyTest, AfterTheFirstHasEndedTheNextStartIsFirstAndAnswers) {
  auto gone = std::make_unique<OneCopy>(settings_);
  ASSERT_TRUE(gone->isFirst());
  gone->listen();
  gone.reset();
  OneCopy next(settings_);
  ASSERT_TRUE(next.isFirst());
  next.listen();
  expectAShowRequestFromALaterCopy(next);
}

TEST_F(OneCopyTest, ACopyThatDoesNotAnswerIsReported) {
  // Holds the lock as a hung copy would, without listening.
  OneCopy first(settings_);
  ASSERT_TRUE(first.isFirst());
  OneCopy later(settings_);
  EXPECT_FALSE(later.askFirstToShow(std::chrono::milliseconds(300)));
}

}  // namespace
}  // namespace tevorin
