#include "views/tray_display.h"

#include <QApplication>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSystemTrayIcon>
#include <QTextEdit>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>
#include <algorithm>
#include <string>

#include "app/shell/error_report.h"
#include "app/shell/field_text.h"
#include "app/shell/window_services.h"
#include "calendar/calendar_day.h"
#include "common/number_text.h"
#include "sun/sun_times.h"
#include "views/month_page.h"
#include "views/tray_text.h"

namespace tevorin {

namespace {

constexpr int kFirstTick = 1000;        // ms after the window's creation
constexpr int kUpdateInterval = 30000;  // ms between updates
// How long a restore waits for the window system to activate the window.
constexpr int kActivationWait = 500;  // ms
// How often a window hidden to the icon checks that the notification area is still there.
constexpr int kTrayWatch = 1000;  // ms

// On X11 Qt embeds the icon as a window of its own when the panel takes one; otherwise, as always
// on Wayland, the panel speaks for the icon over D-Bus. Elsewhere the system reports each click.
bool iconHasOwnWindow() {
  const QString platform = QGuiApplication::platformName();
  if (platform == QLatin1String("wayland")) return false;
  if (platform != QLatin1String("xcb")) return true;
  const QWidgetList windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(),
                     [](const QWidget* window) { return window->inherits("QSystemTrayIconSys"); });
}

}  // namespace

TrayDisplay::TrayDisplay(QWidget& window, MonthPage& monthPage, const WindowServices& services)
    : QObject(&window),
      trayAvailable(&QSystemTrayIcon::isSystemTrayAvailable),
      iconSeesEachClick(&iconHasOwnWindow),
      window_(window),
      monthPage_(monthPage),
      services_(services) {
  TrayIcon1 = new QSystemTrayIcon(window.windowIcon(), this);
  TrayIcon1->setObjectName("TrayIcon1");
  Timer1 = new QTimer(this);
  Timer1->setObjectName("Timer1");
  activationWait_ = new QTimer(this);
  activationWait_->setSingleShot(true);
  activationWait_->setInterval(kActivationWait);
  trayWatch_ = new QTimer(this);
  trayWatch_->setInterval(kTrayWatch);

  connect(Timer1, &QTimer::timeout, this, &TrayDisplay::Timer1Timer);
  connect(activationWait_, &QTimer::timeout, this, &TrayDisplay::finishRestore);
  connect(trayWatch_, &QTimer::timeout, this, &TrayDisplay::watchTray);
  connect(TrayIcon1, &QSystemTrayIcon::activated, this,
          [this](QSystemTrayIcon::ActivationReason why) {
            if (why == QSystemTrayIcon::DoubleClick ||
                (why == QSystemTrayIcon::Trigger && !iconSeesEachClick()))
              restoreWindow();
          });
  // Watches the window's state, and the icon's own window: on X11 Qt reports only the left
  // button's double-click, which the icon's window sees with every button.
  qApp->installEventFilter(this);

  TrayIcon1->show();
  Timer1->start(kFirstTick);
}

void TrayDisplay::Timer1Timer() {
  const GregorianDate today = services_.today();
  std::string text;
  try {
    text = trayTextFor(today, selectedSunTimes(services_, today.year, today.month, today.day),
                       services_.placeName());
  } catch (const ConversionError& error) {
    // Once a message, not one a second: the place stays broken until the user chooses another.
    if (Timer1->interval() != kUpdateInterval) Timer1->setInterval(kUpdateInterval);
    if (failureReported_) return;
    failureReported_ = true;
    reportError(error.what());
    return;
  }
  failureReported_ = false;

  // Qt shows a line feed, not a carriage return, as a line break.
  const QString tip = QString::fromLocal8Bit(text).replace(QChar('\r'), QChar('\n'));
  if (TrayIcon1->toolTip() != tip) TrayIcon1->setToolTip(tip);
  services_.yield();
  // Setting the same interval again would restart the countdown.
  if (Timer1->interval() != kUpdateInterval) Timer1->setInterval(kUpdateInterval);
  services_.yield();
}

void TrayDisplay::TrayIcon1Restore() {
  services_.showPage(kMonthPage);

  const GregorianDate today = services_.today();
  setFieldText(monthPage_.YearEdit1, integerText(today.year));
  setFieldText(monthPage_.MonthEdit1, integerText(today.month));
  services_.yield();

  for (int n = 1; n <= 7; ++n) {
    if (!monthPage_.RichEdit[n - 1]->isHidden()) {
      firstBox_ = n;
      break;
    }
  }
  const int todayBox = firstBox_ + today.day - 1;

  services_.yield();
  monthPage_.putCaretsAtStart();
  services_.yield();
  // A month that could not be drawn leaves every box hidden: then no box takes the focus.
  monthPage_.focusBox(todayBox);

  Timer1Timer();
}

bool TrayDisplay::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && watched->inherits("QSystemTrayIconSys")) {
    restoreWindow();
    return true;
  }
  // The icon's own window, embedded in the panel, which names it to a screen reader by its title
  // (Qt leaves embedded windows out of the program's own accessible tree); over D-Bus the panel
  // names the icon by the application's name.
  if (event->type() == QEvent::Show && watched->inherits("QSystemTrayIconSys"))
    static_cast<QWidget*>(watched)->setWindowTitle(kApplicationTitle);
  if (watched != &window_) return QObject::eventFilter(watched, event);

  switch (event->type()) {
    case QEvent::WindowActivate:
      activating_ = true;
      break;
    // Qt sends this right after the window has handled its activation.
    case QEvent::ActivationChange:
      if (activating_) {
        activating_ = false;
        if (restorePending_) QTimer::singleShot(0, this, &TrayDisplay::finishRestore);
      }
      break;
    case QEvent::WindowStateChange: {
      if (restoring_) break;
      const bool wasMinimised =
          static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized;
      const bool minimised = window_.windowState() & Qt::WindowMinimized;
      // Hiding inside the state change would confuse the window system; both steps wait for it.
      if (minimised && !wasMinimised && trayAvailable()) {
        QTimer::singleShot(0, this, &TrayDisplay::hideToIcon);
      } else if (wasMinimised && !minimised) {
        // The system's restore command: the window is back, and shows today as after a
        // double-click.
        QTimer::singleShot(0, this, &TrayDisplay::restoreWindow);
      }
      break;
    }
    default:
      break;
  }
  return QObject::eventFilter(watched, event);
}

void TrayDisplay::hideToIcon() {
  if (!(window_.windowState() & Qt::WindowMinimized)) return;
  window_.hide();
  trayWatch_->start();
}

// A panel that ends takes the icon with it; the window then minimises as it would without one.
void TrayDisplay::watchTray() {
  if (trayAvailable()) return;
  trayWatch_->stop();
  if (window_.isHidden()) window_.showMinimized();
}

void TrayDisplay::restoreWindow() {
  if (restoring_) return;
  trayWatch_->stop();
  {
    const QScopedValueRollback<bool> busy(restoring_, true);
    window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
    window_.show();
    window_.raise();
    window_.activateWindow();
  }
  restorePending_ = true;
  if (window_.isActiveWindow()) {
    finishRestore();
  } else {
    activationWait_->start();
  }
}

// The window's activation draws the month again and selects the first Saturday; it reads the month
// before its yields and writes it back after them. Today's box is chosen after all that.
void TrayDisplay::finishRestore() {
  if (!restorePending_ || activating_) return;
  restorePending_ = false;
  activationWait_->stop();
  const QScopedValueRollback<bool> busy(restoring_, true);
  TrayIcon1Restore();
}

}  // namespace tevorin
