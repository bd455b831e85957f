#pragma once

#include <QWidget>
#include <filesystem>
#include <string>

#include "app/shell/window_services.h"

class QTabBar;

namespace tevorin {

class AboutPage;
class GeneratePage;
class LocationGroup;
class MonthPage;
class RulesGroup;
class SettingsFile;
class TrayDisplay;

// The program's one window: a strip of three tabs over the month page, the Generate page and the
// Location & About page. It owns every page and the services they use, reads the place files and
// the settings when it is created and writes the settings when it is destroyed.
class TForm1 : public QWidget {
  Q_OBJECT

 public:
  // The place files and tvrn.ini are read from, and tvrn.ini written to, programDir. Runs
  // FormCreate; its errors go to the application's error report and the window opens all the same.
  explicit TForm1(std::filesystem::path programDir, QWidget* parent = nullptr);
  // Runs FormDestroy.
  ~TForm1() override;

  void FormCreate();
  void FormActivate();
  void FormDestroy();
  void TabControl1Change();
  void URLLabel1Click();
  void Label7Click();
  // The user chose the rules or the name forms: the month page is drawn again with them.
  void RulesGroupBoxChange();

  // Selects a tab from code, then runs TabControl1Change as the user's pick of the tab would.
  void selectTab(int index);

  // Declared before the pages, which keep a reference to it.
  WindowServices services;

  QTabBar* TabControl1 = nullptr;
  MonthPage* ScrollBox1 = nullptr;
  GeneratePage* ScrollBox2 = nullptr;
  AboutPage* ScrollBox3 = nullptr;
  LocationGroup* GroupBox1 = nullptr;
  RulesGroup* RulesGroupBox = nullptr;
  // TrayIcon1 and Timer1.
  TrayDisplay* Tray = nullptr;

 signals:
  // The user chose a place (LocCountryComboBoxChange).
  void placeChosen();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void createWindowFrame();
  void connectServices(std::filesystem::path programDir);
  void createTabs();
  void createPages();
  void connectPages();
  void readRules(const SettingsFile& settings);
  void readSettings();
  std::filesystem::path settingsPath() const;

  // tvrn.ini exists but could not be read at start: it is not written at the end.
  bool settingsUnreadable_ = false;
  bool shown_ = false;
  bool activated_ = false;
};

}  // namespace tevorin
