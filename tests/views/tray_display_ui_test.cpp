#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/location_group.h"
#include "common/number_text.h"
#include "tests/support/window_fixture.h"
#include "views/month_page.h"
#include "views/tray_display.h"

namespace tevorin {
namespace {

// Lets events run until the condition holds; false when it did not within five seconds.
bool eventually(const std::function<bool()>& condition) {
  return QTest::qWaitFor(condition, 5000);
}

// Lets deferred work finish, a restore waiting in vain for the window's activation included.
void settle() {
  QTest::qWait(700);
}

// The real window in a program folder of its own, on a clock the test sets, with errors recorded
// instead of shown.
class TrayTest : public testing::WindowTest {
 protected:
  void TearDown() override {
    form.reset();
    WindowTest::TearDown();
  }

  // Gamma's line has no comma; Beta's latitude is not a number.
  void writeFaultyPlaces() const {
    writeFile("locco.dat", "Alpha, A\r\nGamma\r\nBeta, B\r\n");
    writeFile("lat.dat", "31.78\r\n40.71\r\nx\r\n");
    writeFile("long.dat", "35.22\r\n-74.01\r\n-20\r\n");
    writeFile("uto.dat", "2\r\n-5\r\n-5\r\n");
  }

  void openWindow() {
    form = WindowTest::openWindow();
    form->services.today = [this] { return today; };
    tray = form->Tray;
    page = form->ScrollBox1;
  }

  // As plain text, which the test framework prints readably.
  std::string tooltip() const { return tray->TrayIcon1->toolTip().toStdString(); }
  std::string message() const { return page->MessStaticText->text().toStdString(); }

  // The user picks the next or the previous place with the keyboard.
  void choosePlace(Qt::Key key) const { QTest::keyClick(form->GroupBox1->LocCountryComboBox, key); }

  void showActive() const {
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
  }

  int focusedBox() const {
    for (int n = 1; n <= 42; ++n)
      if (form->focusWidget() == page->RichEdit[n - 1]) return n;
    return 0;
  }

  GregorianDate today{2007, 9, 17};
  std::unique_ptr<TForm1> form;
  TrayDisplay* tray = nullptr;
  MonthPage* page = nullptr;
};

TEST_F(TrayTest, FirstTickShowsTodayThenEveryThirtySeconds) {
  copyShippedPlaces();
  openWindow();
  EXPECT_TRUE(tray->TrayIcon1->isVisible());
  EXPECT_FALSE(tray->TrayIcon1->icon().isNull());
  EXPECT_TRUE(tray->Timer1->isActive());
  if (tooltip().empty()) {
    EXPECT_EQ(tray->Timer1->interval(), 1000);
  }

  EXPECT_TRUE(eventually([&] { return !tooltip().empty(); }));
  EXPECT_EQ(tooltip(), "September 17, 2007 - 5 Tishri 5768\n5:25/17:41 @ Jerusalem");
  EXPECT_EQ(tray->Timer1->interval(), 30000);

  // Nothing carries over: the first update after midnight shows the new day.
  today = {2007, 9, 18};
  tray->Timer1Timer();
  EXPECT_EQ(tooltip(), "September 18, 2007 - 6 Tishri 5768\n5:26/17:40 @ Jerusalem");
  EXPECT_TRUE(errors.empty());
}

TEST_F(TrayTest, ChoosingAPlaceUpdatesTheTooltipAtOnce) {
  writeFaultyPlaces();
  openWindow();
  tray->Timer1Timer();
  ASSERT_EQ(tooltip(), "September 17, 2007 - 5 Tishri 5768\n5:25/17:41 @ Alpha");

  choosePlace(Qt::Key_Down);
  EXPECT_EQ(tooltip(), "September 17, 2007 - 5 Tishri 5768\n5:39/18:01 @ ")
      << "a place without a comma has no own name";
  EXPECT_TRUE(errors.empty());
}

TEST_F(TrayTest, AFailingUpdateIsReportedOnceAndKeepsTheLastText) {
  writeFaultyPlaces();
  openWindow();
  tray->Timer1Timer();
  const std::string alpha = tooltip();
  ASSERT_TRUE(alpha.ends_with(" @ Alpha")) << alpha;
  errors.clear();

  form->GroupBox1->setSelectedIndex(1);
  choosePlace(Qt::Key_Down);  // Beta: its latitude does not convert
  for (int tick = 0; tick < 3; ++tick) tray->Timer1Timer();
  EXPECT_EQ(errors, std::vector<std::string>{"'x' is not a valid floating point value"});
  EXPECT_EQ(tooltip(), alpha);
  EXPECT_EQ(tray->Timer1->interval(), 30000) << "a failure must not come back every second";

  choosePlace(Qt::Key_Up);  // Gamma mends it
  EXPECT_TRUE(tooltip().ends_with(" @ ")) << tooltip();
  choosePlace(Qt::Key_Down);  // a new failure is news again
  EXPECT_EQ(errors.size(), 2u);
}

TEST_F(TrayTest, AFailingFirstUpdateDoesNotComeBackEverySecond) {
  writeFaultyPlaces();
  writeFile("tvrn.ini", "[Location]\r\nListCountry=2\r\n");
  openWindow();
  errors.clear();  // the month view's own complaint about Beta
  EXPECT_TRUE(eventually([&] { return !errors.empty(); }));
  EXPECT_EQ(errors, std::vector<std::string>{"'x' is not a valid floating point value"});
  EXPECT_EQ(tray->Timer1->interval(), 30000);
  EXPECT_TRUE(tooltip().empty());
}

struct RestoreCase {
  const char* what;
  GregorianDate today;
  int box;
  const char* weekday;
  const char* dateLine;  // the tooltip's first line
};

const RestoreCase kRestoreCases[] = {
    {"day 1 on a Saturday", {2007, 9, 17}, 23, "Monday", "September 17, 2007 - 5 Tishri 5768"},
    {"the 31st of a month that begins on a Saturday",
     {2007, 12, 31},
     37,
     "Monday",
     "December 31, 2007 - 22 Tevet 5768"},
    {"day 1 on a Sunday", {2007, 7, 1}, 1, "Sunday", "July 1, 2007 - 15 Tammuz 5767"},
    {"the last day of a four-week February",
     {2009, 2, 28},
     28,
     "Saturday",
     "February 28, 2009 - 4 Adar 5769"},
};

TEST_F(TrayTest, DoubleClickBringsTheWindowBackOnToday) {
  copyShippedPlaces();
  openWindow();
  showActive();
  for (const RestoreCase& c : kRestoreCases) {
    SCOPED_TRACE(c.what);
    form->selectTab(1);
    page->YearEdit1->setText("2010");
    page->MonthEdit1->setText("5");
    today = c.today;

    emit tray->TrayIcon1->activated(QSystemTrayIcon::DoubleClick);

    EXPECT_EQ(form->TabControl1->currentIndex(), 0);
    EXPECT_TRUE(page->isVisible());
    EXPECT_EQ(page->YearEdit1->text().toStdString(), std::to_string(c.today.year));
    EXPECT_EQ(page->MonthEdit1->text().toStdString(), std::to_string(c.today.month));
    EXPECT_EQ(page->MonthComboBox1->currentIndex(), c.today.month - 1);
    EXPECT_EQ(focusedBox(), c.box);
    // The message bar shows the box's detail text: " Monday, September 17, 2007 - 5 Tishri ..."
    EXPECT_TRUE(
        message().starts_with(" " + std::string(c.weekday) + ", " + c.dateLine + " - Sunrise/"))
        << message();
    EXPECT_TRUE(tooltip().starts_with(std::string(c.dateLine) + '\n')) << tooltip();
  }
  EXPECT_TRUE(errors.empty());
}

TEST_F(TrayTest, MinimisingHidesTheWindowOnlyWhereTheIconCanBringItBack) {
  copyShippedPlaces();
  openWindow();
  showActive();

  tray->trayAvailable = [] { return false; };
  form->setWindowState(Qt::WindowMinimized);
  settle();
  EXPECT_TRUE(form->isVisible()) << "without a notification area the window minimises as usual";
  // The system's restore command brings it back on today, like the icon.
  form->selectTab(2);
  form->setWindowState(Qt::WindowNoState);
  EXPECT_TRUE(eventually([&] { return focusedBox() == 23; }));
  EXPECT_EQ(form->TabControl1->currentIndex(), 0);

  tray->trayAvailable = [] { return true; };
  form->setWindowState(Qt::WindowMinimized);
  EXPECT_TRUE(eventually([&] { return !form->isVisible(); }));

  form->selectTab(1);
  emit tray->TrayIcon1->activated(QSystemTrayIcon::DoubleClick);
  settle();
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->isMinimized());
  EXPECT_EQ(form->TabControl1->currentIndex(), 0);
  EXPECT_EQ(focusedBox(), 23);
  EXPECT_TRUE(errors.empty());
}

TEST_F(TrayTest, ANotificationAreaThatGoesAwayGivesTheHiddenWindowBackMinimised) {
  copyShippedPlaces();
  openWindow();
  showActive();
  bool trayThere = true;
  tray->trayAvailable = [&] { return trayThere; };
  form->setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(eventually([&] { return !form->isVisible(); }));

  // The panel that held the icon ends: the icon goes with it.
  trayThere = false;
  EXPECT_TRUE(eventually([&] { return form->isVisible(); }));
  EXPECT_TRUE(form->isMinimized());

  // Restored the usual way, it comes back on today as after a double-click.
  form->selectTab(2);
  form->setWindowState(Qt::WindowNoState);
  EXPECT_TRUE(eventually([&] { return focusedBox() == 23; }));
  EXPECT_EQ(form->TabControl1->currentIndex(), 0);
  EXPECT_TRUE(errors.empty());
}

TEST_F(TrayTest, TheWindowsLateActivationLeavesTodaysBoxSelected) {
  copyShippedPlaces();
  openWindow();
  showActive();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));

  // The activation comes back from the window system after the handler's yields, as on a busy
  // desktop; the window's activation draws the month again and selects the first Saturday.
  form->services.yield = [] {};
  emit tray->TrayIcon1->activated(QSystemTrayIcon::DoubleClick);
  settle();
  EXPECT_TRUE(form->isActiveWindow());
  EXPECT_EQ(focusedBox(), 23);
  EXPECT_TRUE(message().starts_with(" Monday, September 17, 2007 - ")) << message();
}

// Sees whether the window is handling its activation now.
class ActivationWatch : public QObject {
 public:
  bool handling = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) handling = true;
    if (event->type() == QEvent::ActivationChange) handling = false;
    return false;
  }
};

TEST_F(TrayTest, ADoubleClickDuringTheWindowsActivationWaitsForItsEnd) {
  copyShippedPlaces();
  openWindow();
  showActive();
  QWidget other;
  other.show();
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  form->selectTab(2);

  // The activation reads the month, draws twice with yields and writes it back; a restore run
  // inside those yields would be undone.
  ActivationWatch watch;
  form->installEventFilter(&watch);
  bool clicked = false;
  const std::function<void()> yield = form->services.yield;
  form->services.yield = [&] {
    yield();
    if (!watch.handling || clicked) return;
    clicked = true;
    emit tray->TrayIcon1->activated(QSystemTrayIcon::DoubleClick);
  };
  form->activateWindow();
  settle();
  ASSERT_TRUE(clicked);
  EXPECT_EQ(form->TabControl1->currentIndex(), 0);
  EXPECT_EQ(page->MonthEdit1->text().toStdString(), "9");
  EXPECT_EQ(focusedBox(), 23);
}

TEST_F(TrayTest, SingleClicksDoNothing) {
  copyShippedPlaces();
  openWindow();
  showActive();
  tray->iconSeesEachClick = [] { return true; };
  form->selectTab(2);
  for (auto why :
       {QSystemTrayIcon::Trigger, QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick})
    emit tray->TrayIcon1->activated(why);
  EXPECT_EQ(form->TabControl1->currentIndex(), 2);
}

// A notification area that speaks for the icon over D-Bus sends one activation, for a click and
// a double-click alike.
TEST_F(TrayTest, AnIconThatCannotTellClicksApartComesBackOnItsActivation) {
  copyShippedPlaces();
  openWindow();
  showActive();
  tray->iconSeesEachClick = [] { return false; };
  tray->trayAvailable = [] { return true; };
  form->selectTab(2);
  form->setWindowState(Qt::WindowMinimized);
  ASSERT_TRUE(eventually([&] { return !form->isVisible(); }));

  emit tray->TrayIcon1->activated(QSystemTrayIcon::Trigger);
  settle();
  EXPECT_TRUE(form->isVisible());
  EXPECT_FALSE(form->isMinimized());
  EXPECT_EQ(form->TabControl1->currentIndex(), 0);
  EXPECT_EQ(focusedBox(), 23);

  form->selectTab(2);
  for (auto why : {QSystemTrayIcon::Context, QSystemTrayIcon::MiddleClick})
    emit tray->TrayIcon1->activated(why);
  EXPECT_EQ(form->TabControl1->currentIndex(), 2);
  EXPECT_TRUE(errors.empty());
}

TEST_F(TrayTest, ARestoreWithoutAMonthViewFocusesNoHiddenBox) {
  writeFaultyPlaces();
  openWindow();
  showActive();
  emit tray->TrayIcon1->activated(QSystemTrayIcon::DoubleClick);
  ASSERT_EQ(focusedBox(), 23);
  const std::string alpha = tooltip();

  form->GroupBox1->setSelectedIndex(2);  // Beta: no day can be drawn
  errors.clear();
  today = {2007, 12, 31};
  EXPECT_THROW(tray->TrayIcon1Restore(), ConversionError);

  for (QTextEdit* box : page->RichEdit) EXPECT_TRUE(box->isHidden());
  EXPECT_EQ(focusedBox(), 0);
  EXPECT_EQ(tooltip(), alpha);
}

}  // namespace
}  // namespace tevorin
