#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <stdexcept>

#include "common/number_text.h"
#include "tests/support/error_recorder.h"
#include "tests/support/modal_dialog.h"

namespace tevorin::testing {
namespace {

using ErrorReportTest = ErrorRecordingTest;

// Each handler's error ends that handler only; the events after it still run.
TEST_F(ErrorReportTest, EveryHandlerErrorIsReportedAndTheProgramGoesOn) {
  std::vector<int> ran;
  QTimer::singleShot(0, [&] {
    ran.push_back(1);
    throw ConversionError("'2O07' is not a valid integer value");
  });
  QTimer::singleShot(0, [&] { ran.push_back(2); });
  QTimer::singleShot(0, [&] {
    ran.push_back(3);
    throw std::runtime_error("Cannot open file /nowhere/locco.dat");
  });
  QTimer::singleShot(0, [&] { ran.push_back(4); });
  for (int i = 0; i < 10 && ran.size() < 4; ++i) QCoreApplication::processEvents();
  EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(errors, (std::vector<std::string>{"'2O07' is not a valid integer value",
                                              "Cannot open file /nowhere/locco.dat"}));
}

// The real report: one modal box titled with the application title, holding the error's text as
// written (it may quote a file's markup); the handler after it runs once the box is closed.
TEST_F(ErrorReportTest, TheReportIsOneModalBoxTitledTevorin) {
  setErrorReporter({});
  struct Seen {
    std::string title, text;
    bool modal = false;
    Qt::TextFormat format = Qt::AutoText;
  };
  std::vector<Seen> boxes;
  // Its end cancels a look still waiting.
  QObject looks;
  // Looks at the box while it waits for the user, then closes it as the user would.
  whenModal(
      [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box) {
          modal->close();
          return;
        }
        boxes.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                         box->isModal(), box->textFormat()});
        box->button(QMessageBox::Ok)->click();
      },
      &looks);
  bool wentOn = false;
  QTimer::singleShot(0, [] { throw ConversionError("'<b>abc</b>' is not a valid integer value"); });
  QTimer::singleShot(0, [&] { wentOn = true; });
  for (int i = 0; i < 100 && !wentOn; ++i)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  EXPECT_TRUE(wentOn);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, "Tevorin");
  EXPECT_EQ(boxes[0].text, "'<b>abc</b>' is not a valid integer value");
  EXPECT_TRUE(boxes[0].modal);
  EXPECT_EQ(boxes[0].format, Qt::PlainText);
}

}  // namespace
}  // namespace tevorin::testing
