#include "views/month_page.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>

#include "app/up_down.h"
#include "app/window_services.h"

namespace tevorin {

// Scaffolding: the controls exist with their names; the month page's own work replaces the rest.
MonthPage::MonthPage(const WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName("ScrollBox1");
  MonthComboBox1 = new QComboBox(this);
  MonthComboBox1->setObjectName("MonthComboBox1");
  for (const char* name : {"January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"})
    MonthComboBox1->addItem(name);
  MonthEdit1 = new QLineEdit("3", this);
  MonthEdit1->setObjectName("MonthEdit1");
  MonthUpDown1 = new UpDown(MonthEdit1, 1, 12, this);
  YearEdit1 = new QLineEdit("2007", this);
  YearEdit1->setObjectName("YearEdit1");
  YearUpDown1 = new UpDown(YearEdit1, 1600, 2500, this);
  Generate = new QPushButton("&Generate", this);
  MonthLabel1 = new QLabel(this);
  HebYearLabel1 = new QLabel(this);
  MessStaticText = new QLabel(this);
  for (int i = 0; i < 7; ++i) MLabel[i] = new QLabel(this);
  for (int i = 0; i < 42; ++i) RichEdit[i] = new QTextEdit(this);
}

void MonthPage::GenerateClick() {}
void MonthPage::MonthEdit1Change() {}
void MonthPage::MonthComboBox1Change() {}
void MonthPage::YearEdit1Change() {}
void MonthPage::RichEditEnter(int) {}
void MonthPage::showMonth(int32_t, int32_t, bool, bool) {}
void MonthPage::focusBox(int) {}
void MonthPage::setWeekdayLabelsVisible(bool visible) {
  for (QLabel* label : MLabel) label->setVisible(visible);
}

}  // namespace tevorin
