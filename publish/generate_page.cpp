#include "publish/generate_page.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/up_down.h"
#include "app/window_services.h"

namespace tevorin {

// Scaffolding: the controls exist with their names; the Generate page's own work replaces the rest.
GeneratePage::GeneratePage(const WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  setObjectName("ScrollBox2");
  MonthListBox1 = new QListWidget(this);
  MonthListBox1->setObjectName("MonthListBox1");
  for (const char* name : {"January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"})
    MonthListBox1->addItem(name);
  MonthEdit2 = new QLineEdit("1", this);
  MonthEdit2->setObjectName("MonthEdit2");
  MonthUpDown2 = new UpDown(MonthEdit2, 1, 12, this);
  YearEdit2 = new QLineEdit("2007", this);
  YearEdit2->setObjectName("YearEdit2");
  YearUpDown2 = new UpDown(YearEdit2, 1600, 2500, this);
  YLabel1 = new QLabel(this);
  NoMonthEdit1 = new QLineEdit("12", this);
  NoMonthEdit1->setObjectName("NoMonthEdit1");
  NoMonthUpDown1 = new UpDown(NoMonthEdit1, 1, 1000, this);
  PathEdit1 = new QLineEdit("calendar.html", this);
  BrowseBitBtn1 = new QPushButton("&Browse", this);
  GenerateBitBtn1 = new QPushButton("&Generate HTML calendar ", this);
  ViewHTMLBitBtn1 = new QPushButton("&View generated calendar", this);
  MessagesMemo1 = new QPlainTextEdit("Ready to generate", this);
  Label18 = new QLabel(this);
}

void GeneratePage::MonthListBox1Click() {}
void GeneratePage::MonthEdit2Change() {}
void GeneratePage::YearEdit2Change() {}
void GeneratePage::NoMonthEdit1Change() {}
void GeneratePage::GenerateBitBtn1Click() {}
void GeneratePage::ViewHTMLBitBtn1Click() {}
void GeneratePage::BrowseBitBtn1Click() {}

}  // namespace tevorin
