#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace tevorin {

struct WindowServices;
class UpDown;

// The month page: one Gregorian month as a grid of 42 day boxes under two headers, with the month
// and year controls and the message bar. Control names are the program's own (objectName too).
class MonthPage : public QWidget {
  Q_OBJECT

 public:
  MonthPage(const WindowServices& services, QWidget* parent = nullptr);

  void GenerateClick();
  void MonthEdit1Change();
  void MonthComboBox1Change();
  void YearEdit1Change();
  // Day box n (1..42) gained the keyboard focus.
  void RichEditEnter(int n);

  void showMonth(int32_t gregorianMonth, int32_t gregorianYear, bool inIsrael, bool ashkenaziNames);

  // Gives box n (1..42) the keyboard focus when it is shown.
  void focusBox(int n);
  void setWeekdayLabelsVisible(bool visible);

  QComboBox* MonthComboBox1 = nullptr;
  QLineEdit* MonthEdit1 = nullptr;
  UpDown* MonthUpDown1 = nullptr;
  QLineEdit* YearEdit1 = nullptr;
  UpDown* YearUpDown1 = nullptr;
  QPushButton* Generate = nullptr;
  QLabel* MonthLabel1 = nullptr;
  QLabel* HebYearLabel1 = nullptr;
  QLabel* MessStaticText = nullptr;
  std::array<QLabel*, 7> MLabel{};      // MLabel1..MLabel7
  std::array<QTextEdit*, 42> RichEdit{};  // RichEdit1..RichEdit42

 private:
  const WindowServices& services_;
};

}  // namespace tevorin
