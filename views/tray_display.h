#pragma once

#include <QObject>
#include <functional>

class QSystemTrayIcon;
class QTimer;
class QWidget;

namespace tevorin {

class MonthPage;
struct WindowServices;

// Today in the notification area: the icon whose tooltip carries today's dates and sun times, the
// timer that keeps it current, minimising the window to the icon and bringing it back on today.
class TrayDisplay : public QObject {
  Q_OBJECT

 public:
  // Shows the icon at once; the first update follows about a second later.
  TrayDisplay(QWidget& window, MonthPage& monthPage, const WindowServices& services);

  // The update: today's text on the icon, then the 30-second interval. A place whose numbers do
  // not convert is reported once until an update succeeds again; the icon keeps its last text.
  void Timer1Timer();
  // After the icon has brought the window back: the month page on today's month and today's box,
  // then the update. Throws what drawing the month throws.
  void TrayIcon1Restore();
  // What a double-click on the icon does, also for a second start of the program: shows the
  // window and brings it to the front; TrayIcon1Restore follows once the window's own activation
  // handling is over, or when the window system does not activate it at all.
  void restoreWindow();

  QSystemTrayIcon* TrayIcon1 = nullptr;
  QTimer* Timer1 = nullptr;
  // Whether the desktop has a notification area now; without one the window minimises as usual.
  // Tests put a fixed answer in its place.
  std::function<bool()> trayAvailable;
  // Whether the icon sees each click itself and so tells a click from a double-click: true for
  // an icon with a window of its own in the panel. A notification area that speaks for the icon
  // over D-Bus sends one activation for either. Tests put a fixed answer in its place.
  std::function<bool()> iconSeesEachClick;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void hideToIcon();
  void watchTray();
  void finishRestore();

  QWidget& window_;
  MonthPage& monthPage_;
  const WindowServices& services_;
  // The box of day 1 of the month shown at the last restore: 1..7, 0 before the first.
  int firstBox_ = 0;
  bool failureReported_ = false;
  bool restoring_ = false;
  bool restorePending_ = false;
  // The window's activation is being handled: it draws the month again, with yields.
  bool activating_ = false;
  QTimer* activationWait_ = nullptr;
  // Runs while the window is hidden to the icon.
  QTimer* trayWatch_ = nullptr;
};

}  // namespace tevorin
