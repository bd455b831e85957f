#pragma once

#include <QWidget>
#include <string_view>

class QFileDialog;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace tevorin {

struct WindowServices;
class UpDown;

// The Generate-calendar page: first month, year, number of months and output file of an HTML
// calendar (an iCalendar file for a path ending in ".ics"), the run and its message log. Control
// names are the program's own (objectName too). Handlers throw ConversionError for a number field
// that is not a whole number and FileError when the document or the portions page cannot be
// written; the application reports them.
class GeneratePage : public QWidget {
  Q_OBJECT

 public:
  GeneratePage(const WindowServices& services, QWidget* parent = nullptr);

  void MonthListBox1Click();
  void MonthEdit2Change();
  void YearEdit2Change();
  void NoMonthEdit1Change();
  void GenerateBitBtn1Click();
  void ViewHTMLBitBtn1Click();
  void BrowseBitBtn1Click();

  QListWidget* MonthListBox1 = nullptr;
  QLineEdit* MonthEdit2 = nullptr;
  UpDown* MonthUpDown2 = nullptr;
  QLineEdit* YearEdit2 = nullptr;
  UpDown* YearUpDown2 = nullptr;
  QLabel* YLabel1 = nullptr;
  QLineEdit* NoMonthEdit1 = nullptr;
  UpDown* NoMonthUpDown1 = nullptr;
  QLineEdit* PathEdit1 = nullptr;
  QPushButton* BrowseBitBtn1 = nullptr;
  QPushButton* GenerateBitBtn1 = nullptr;
  QPushButton* ViewHTMLBitBtn1 = nullptr;
  QPlainTextEdit* MessagesMemo1 = nullptr;
  QFileDialog* SaveDialog1 = nullptr;
  QLabel* Label18 = nullptr;  // the maker's address; the window connects its click

 private:
  void createDateControls();
  void createRunControls();
  void createPathControls();

  // Appends one line to the message log.
  void logLine(std::string_view line);

  const WindowServices& services_;
};

}  // namespace tevorin
