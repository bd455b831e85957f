#pragma once

#include <QWidget>
#include <filesystem>
#include <optional>
#include <string>

#include "app/settings_location.h"
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
  // The place files and the portions page are read from dataDir, the settings from and to
  // settings. Runs FormCreate; its errors go to the application's error report and the window
  // opens all the same.
  TForm1(std::filesystem::path dataDir, SettingsLocation settings, QWidget* parent = nullptr);
  // A portable folder: the place files, the portions page and tvrn.ini all in programDir.
  explicit TForm1(const std::filesystem::path& programDir, QWidget* parent = nullptr);
  // Runs FormDestroy.
  ~TForm1() override;

  void FormCreate();
  void FormActivate();
  void FormDestroy();
  // Writes the settings as FormDestroy does, for an end that may come without it (the session's
  // end); nothing when they are as this run wrote them last. A failure is reported.
  void writeSettings();
  // The same without a report, for an end where no message can be shown; throws FileError.
  void saveSettings();
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
  void connectServices(std::filesystem::path dataDir);
  void createTabs();
  void createPages();
  void connectPages();
  void readRules(const SettingsFile& settings);
  void readSettings();
  // The values of the settings file, from the controls.
  void storeSettings(SettingsFile& settings) const;
  // Opens a web address; the desktop's refusal is reported.
  void openLink(const std::string& address);

  SettingsLocation settings_;
  // settings_.file exists but could not be read at start: it is not written at the end.
  bool settingsUnreadable_ = false;
  // The values this run wrote last, as the text of a file of them alone.
  std::optional<std::string> settingsWritten_;
  bool shown_ = false;
  bool activated_ = false;
};

}  // namespace tevorin
