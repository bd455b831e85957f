#include <QCoreApplication>
#include <QTimer>
#include <stdexcept>

#include "sun/number_text.h"
#include "tests/app/window_fixture.h"

namespace tevorin::testing {
namespace {

using ErrorReportTest = WindowTest;

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

}  // namespace
}  // namespace tevorin::testing
