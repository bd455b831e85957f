#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "views/day_box.h"

class QComboBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tevorin {

class CalendarDay;
struct GregorianDate;
struct WindowServices;
class UpDown;

// The month page: one Gregorian month as a grid of 42 day boxes under two headers, with the month
// and year controls and the message bar. Control names are the program's own (objectName too).
class MonthPage : public QWidget {
  Q_OBJECT

 public:
  // The box of the first Saturday, which the page's own changes select.
  static constexpr int kFirstSaturdayBox = 7;

  MonthPage(const WindowServices& services, QWidget* parent = nullptr);

  // Reads the month and year fields and draws that month; a year outside 1600..2500 is refused.
  // Throws ConversionError for a field that is not a whole number.
  void GenerateClick();
  void MonthEdit1Change();
  // The user picked a month in the drop-down.
  void MonthComboBox1Change();
  void YearEdit1Change();
  // Day box n (1..42) gained the keyboard focus; also the selection of a box without the focus.
  // The box becomes the selected one, and its detail text goes to the message bar.
  void RichEditEnter(int n);

  // Rebuilds the whole page for one month. A request for another month made during one of its
  // yields wins: this render then stops and the page shows the later month, whole.
  void showMonth(int32_t gregorianMonth, int32_t gregorianYear, bool inIsrael, bool ashkenaziNames);

  // Gives box n (1..42) the keyboard focus, caret at the start, when it is shown.
  void focusBox(int n);
  // The box whose detail the message bar shows, 0 when a render has left none selected.
  int selectedBox() const { return selected_; }
  // Runs redraw (the window's activation); when it leaves the same month on view, the box that was
  // selected, or that a click has just given the focus, is selected again.
  void keepSelectionAcross(const std::function<void()>& redraw);
  // Puts the caret at the start of every box, so each shows its first line.
  void putCaretsAtStart();
  void setWeekdayLabelsVisible(bool visible);
  // The detail text stored in box n (1..42).
  QString boxHint(int n) const;

  QComboBox* MonthComboBox1 = nullptr;
  QLineEdit* MonthEdit1 = nullptr;
  UpDown* MonthUpDown1 = nullptr;
  QLineEdit* YearEdit1 = nullptr;
  UpDown* YearUpDown1 = nullptr;
  QPushButton* Generate = nullptr;
  QLabel* MonthLabel1 = nullptr;
  QLabel* HebYearLabel1 = nullptr;
  QLabel* MessStaticText = nullptr;
  std::array<QLabel*, 7> MLabel{};  // MLabel1..MLabel7
  // Holds the boxes: one stop of the Tab key, where the arrow keys move the selected day.
  DayGrid* Grid = nullptr;
  std::array<DayBox*, 42> RichEdit{};  // RichEdit1..RichEdit42
  // Marks the selected box with a frame around it.
  QWidget* SelectionFrame = nullptr;

 private:
  void createMonthControls();
  void createHeaders();
  void createWeekdayLabels();
  void createDayBoxes();
  void createMessageBar();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // True when the year is refused; MonthLabel1 then says so.
  bool refuseYear(int32_t year);
  // On the month page, after a change of month or year: the first Saturday is selected and takes
  // the focus, unless the user is typing in a field of the page, which keeps it.
  void selectFirstSaturday();
  bool typing() const;
  // The message bar's text; its tooltip holds the whole text when the bar cuts it.
  void showMessage(const QString& text);
  void markSelection();
  // Headers of the asked month when the render stopped at its first day: they name what the
  // controls hold. The focus the hidden grid had goes to the month drop-down.
  void renderFailed(const CalendarDay& firstDay, const CalendarDay& lastDay, bool gridHadFocus);
  // The selected box is the one stop of the Tab key in the grid; before any, the first Saturday.
  void updateTabStop();
  // Arrows, Page Up, Page Down and Home in box n; false for any other key.
  bool stepSelection(int n, const QKeyEvent& key);
  // Selects the day, drawing its month first as a change of the fields would.
  void selectDay(const GregorianDate& day);
  // Lets the toolkit run pending events; true when a newer render ran meanwhile.
  bool yieldOvertaken(uint64_t render);

  const WindowServices& services_;
  // Counts renders started, so a render can tell that a newer one ran inside its yield.
  uint64_t renders_ = 0;
  int selected_ = 0;
  struct ShownMonth {
    int32_t month;
    int32_t year;
    bool operator==(const ShownMonth&) const = default;
  };
  // The month the grid holds whole, none while a render is under way or after one failed.
  std::optional<ShownMonth> shown_;
  // The box of the shown month's day 1.
  int firstBox_ = 0;
  // The keyboard moves the selection into another month: the day it chose is selected, not the
  // first Saturday.
  bool movingSelection_ = false;
  // The month or year field from the user's first key in it until Enter or the focus leaves it.
  QLineEdit* typingIn_ = nullptr;
};

}  // namespace tevorin
