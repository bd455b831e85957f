#include "views/month_page.h"

#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyleOptionComplex>
#include <QToolTip>
#include <algorithm>
#include <initializer_list>
#include <string>

#include "app/shell/drop_down.h"
#include "app/shell/field_text.h"
#include "app/shell/focus_frame.h"
#include "app/shell/page_look.h"
#include "app/shell/up_down.h"
#include "app/shell/window_services.h"
#include "calendar/calendar_day.h"
#include "calendar/holidays.h"
#include "calendar/omer.h"
#include "common/number_text.h"
#include "sun/sun_times.h"
#include "views/day_box.h"
#include "views/day_step.h"
#include "views/hover_label.h"
#include "views/month_text.h"

namespace tevorin {

namespace {

constexpr QRgb kNavy = qRgb(0, 0, 128);
constexpr QRgb kLime = qRgb(0, 255, 0);

constexpr char kMessageBarTip[] = "Select a day box for Sunrise/Sunset Time";
// Width of the frame around the selected box; boxes stand 6 pixels apart.
constexpr int kSelectionFrame = 2;

// The lines of a day box, in the order they are appended.
constexpr LineStyle kDayNumberLine{qRgb(0, 0, 0), true, 2, Qt::AlignLeft};
constexpr LineStyle kHebrewDateLine{qRgb(0, 0, 255), false, 0, Qt::AlignHCenter};
constexpr LineStyle kHolidayLine{kRed, false, 0, Qt::AlignLeft};
constexpr LineStyle kOmerLine{qRgb(0, 0, 0), false, 0, Qt::AlignLeft};

struct WeekdayLabel {
  const char* text;
  int left;
  QRgb color;
};
constexpr WeekdayLabel kWeekdayLabels[7] = {
    {"Sunday", 36, kLime},     {"Monday", 122, kLime},   {"Tuesday", 208, kLime},
    {"Wednesday", 290, kLime}, {"Thursday", 389, kLime}, {"Friday", 492, kLime},
    {"Saturday", 572, kRed},
};

// In 79 pixels the usual drop-down arrow leaves too little room for "September". This one is
// narrower, and the text runs up to it. A style sheet could narrow it too, but would swap the
// arrow for a bevelled button.
class NarrowArrowStyle : public QProxyStyle {
 public:
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                       const QWidget* widget) const override {
    if (control != CC_ComboBox || (part != SC_ComboBoxArrow && part != SC_ComboBoxEditField))
      return QProxyStyle::subControlRect(control, option, part, widget);
    const QRect inside = option->rect.adjusted(kFrame, kFrame, -kFrame, -kFrame);
    if (part == SC_ComboBoxArrow)
      return QRect(inside.right() - kArrowWidth + 1, inside.top(), kArrowWidth, inside.height());
    return QRect(inside.left() + 1, inside.top(), inside.width() - kArrowWidth - 1,
                 inside.height());
  }

 private:
  static constexpr int kFrame = 1;
  static constexpr int kArrowWidth = 12;
};

void setTextStyle(QWidget* widget, int pixels, QRgb color,
                  std::initializer_list<QPalette::ColorRole> roles) {
  QFont font = sansSerifFont();
  font.setPixelSize(pixels);
  widget->setFont(font);
  QPalette palette = widget->palette();
  for (QPalette::ColorRole role : roles) palette.setColor(role, QColor::fromRgb(color));
  widget->setPalette(palette);
}

QFrame* panel(QWidget* parent, int shape, const QRect& place) {
  auto* frame = new QFrame(parent);
  frame->setFrameStyle(shape);
  frame->setGeometry(place);
  return frame;
}

QString text(const std::string& value) {
  return QString::fromStdString(value);
}

// The desktop's tooltip background: Saturdays and holidays stand out in it.
QColor infoBackground() {
  return QToolTip::palette().color(QPalette::ToolTipBase);
}

}  // namespace

MonthPage::MonthPage(const WindowServices& services, QWidget* parent)
    : QWidget(parent), services_(services) {
  installDayAccessibility();
  setObjectName("ScrollBox1");
  paintPageBackground(this);

  createMonthControls();
  createHeaders();
  createWeekdayLabels();
  createDayBoxes();
  createMessageBar();
}

void MonthPage::createMonthControls() {
  panel(this, QFrame::Panel | QFrame::Sunken, QRect(18, 10, 189, 26));

  MonthComboBox1 = new QComboBox(this);
  MonthComboBox1->setObjectName("MonthComboBox1");
  MonthComboBox1->setAccessibleName("Month");
  for (int32_t month = 1; month <= 12; ++month)
    MonthComboBox1->addItem(QString::fromUtf8(gregorianMonthNameOf(month)));
  MonthComboBox1->setCurrentIndex(-1);
  MonthComboBox1->setMaxVisibleItems(12);
  takeWheelOnlyWithFocus(MonthComboBox1);
  MonthComboBox1->setGeometry(21, 13, 79, 21);
  setTextStyle(MonthComboBox1, 11, kNavy, {QPalette::Text, QPalette::ButtonText});
  // The combo owns its style and drops it with itself.
  auto* narrow = new NarrowArrowStyle;
  narrow->setParent(MonthComboBox1);
  MonthComboBox1->setStyle(narrow);
  connect(MonthComboBox1, &QComboBox::activated, this, [this] { MonthComboBox1Change(); });
  // A drop-down is known by its current month; a screen reader says the name of its label with
  // it. The page shows none, so this one is not seen.
  auto* spokenLabel = new QLabel("Month", this);
  spokenLabel->setObjectName("MonthComboBoxLabel");
  spokenLabel->setTextFormat(Qt::PlainText);
  spokenLabel->setBuddy(MonthComboBox1);
  spokenLabel->hide();

  MonthEdit1 = new QLineEdit("3", this);
  MonthEdit1->setObjectName("MonthEdit1");
  MonthEdit1->setAccessibleName("Month number");
  MonthEdit1->setGeometry(110, 13, 19, 21);
  setTextStyle(MonthEdit1, 11, kNavy, {QPalette::Text});
  MonthUpDown1 = upDownBeside("MonthUpDown1", MonthEdit1, 1, 12, this);
  connect(MonthEdit1, &QLineEdit::textChanged, this, [this] { MonthEdit1Change(); });
  // Installed after the arrows' own filter, so it sees their keys first.
  MonthEdit1->installEventFilter(this);
  connect(MonthUpDown1, &UpDown::arrowPressed, this, [this] { typingIn_ = nullptr; });

  YearEdit1 = new QLineEdit("2007", this);
  YearEdit1->setObjectName("YearEdit1");
  YearEdit1->setAccessibleName("Year");
  YearEdit1->setGeometry(155, 13, 33, 21);
  setTextStyle(YearEdit1, 11, kNavy, {QPalette::Text});
  YearUpDown1 = upDownBeside("YearUpDown1", YearEdit1, kFirstShownYear, kLastShownYear, this);
  connect(YearEdit1, &QLineEdit::textChanged, this, [this] { YearEdit1Change(); });
  YearEdit1->installEventFilter(this);
  connect(YearUpDown1, &UpDown::arrowPressed, this, [this] { typingIn_ = nullptr; });

  // Kept out of the user's sight; a click on it draws the month of the two fields.
  Generate = new QPushButton("&Generate", this);
  Generate->setObjectName("Generate");
  Generate->setGeometry(429, 13, 61, 20);
  Generate->hide();
  connect(Generate, &QPushButton::clicked, this, [this] { GenerateClick(); });
}

void MonthPage::createHeaders() {
  auto* month = new HoverLabel(QString(), this);
  month->setObjectName("MonthLabel1");
  month->setGeometry(234, 13, 202, 19);
  month->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
  setTextStyle(month, 16, kWhite, {QPalette::WindowText});
  MonthLabel1 = month;

  auto* hebrew = new HoverLabel(QString(), this);
  hebrew->setObjectName("HebYearLabel1");
  hebrew->setGeometry(449, 13, 195, 19);
  hebrew->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  setTextStyle(hebrew, 16, kWhite, {QPalette::WindowText});
  HebYearLabel1 = hebrew;
}

void MonthPage::createWeekdayLabels() {
  for (int i = 0; i < 7; ++i) {
    const WeekdayLabel& weekday = kWeekdayLabels[i];
    auto* label = new HoverLabel(weekday.text, this);
    label->setObjectName(QString("MLabel%1").arg(i + 1));
    setTextStyle(label, 15, weekday.color, {QPalette::WindowText});
    // Wide enough for the bold text under the pointer.
    QFont bold = label->font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    label->setGeometry(weekday.left, 46, metrics.horizontalAdvance(label->text()) + 2,
                       metrics.height());
    MLabel[i] = label;
  }
  panel(this, QFrame::Panel | QFrame::Raised, QRect(13, 66, 631, 6));
}

// Box n of the page stands at (13 + 91 (column - 1), 78 + 65 (row - 1)); the grid reaches round
// them as far as the frame of the selection.
void MonthPage::createDayBoxes() {
  Grid = new DayGrid(this);
  Grid->setObjectName("DayGrid");
  Grid->setGeometry(13 - kSelectionFrame, 78 - kSelectionFrame, 7 * 91 - 6 + 2 * kSelectionFrame,
                    6 * 65 - 6 + 2 * kSelectionFrame);
  // Made before the boxes, so that it lies under them and shows only around the selected one.
  SelectionFrame = new QWidget(Grid);
  SelectionFrame->setObjectName("SelectionFrame");
  SelectionFrame->setAutoFillBackground(true);
  SelectionFrame->hide();

  QFont boxFont = sansSerifFont();
  boxFont.setPointSize(8);
  for (int n = 1; n <= 42; ++n) {
    auto* box = new DayBox(Grid);
    box->setObjectName(QString("RichEdit%1").arg(n));
    box->setFont(boxFont);
    const int column = (n - 1) % 7 + 1;
    const int row = (n - 1) / 7 + 1;
    box->setGeometry(kSelectionFrame + 91 * (column - 1), kSelectionFrame + 65 * (row - 1), 85, 59);
    box->hide();
    box->setFocusPolicy(Qt::ClickFocus);
    box->installEventFilter(this);
    connect(box, &DayBox::entered, this, [this, n] { RichEditEnter(n); });
    connect(box, &DayBox::left, this, &MonthPage::markSelection);
    RichEdit[n - 1] = box;
  }
}

void MonthPage::createMessageBar() {
  MessStaticText = new QLabel(this);
  MessStaticText->setObjectName("MessStaticText");
  // The detail line carries the place's name as the place file writes it, markup characters too.
  MessStaticText->setTextFormat(Qt::PlainText);
  MessStaticText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  MessStaticText->setGeometry(13, 472, 631, 18);
  setTextStyle(MessStaticText, 11, kWhite, {QPalette::WindowText});
  MessStaticText->setToolTip(kMessageBarTip);
  // A stop of the Tab key, where a screen reader reads the detail again.
  MessStaticText->setFocusPolicy(Qt::TabFocus);
  frameWhenFocused(MessStaticText);
}

bool MonthPage::refuseYear(int32_t year) {
  if (year >= kFirstShownYear && year <= kLastShownYear) return false;
  MonthLabel1->setText("Year out of range");
  return true;
}

bool MonthPage::typing() const {
  return typingIn_ && typingIn_->hasFocus();
}

void MonthPage::selectFirstSaturday() {
  if (services_.currentPage() != kMonthPage || movingSelection_) return;
  if (!typing()) {
    focusBox(kFirstSaturdayBox);
  } else if (!RichEdit[kFirstSaturdayBox - 1]->isHidden()) {
    RichEditEnter(kFirstSaturdayBox);
  }
}

// Each key typed into a field is handled at once, and the field keeps the focus for the next one.
bool MonthPage::eventFilter(QObject* watched, QEvent* event) {
  if (auto* box = qobject_cast<DayBox*>(watched); box && event->type() == QEvent::KeyPress) {
    const auto n = std::find(RichEdit.begin(), RichEdit.end(), box) - RichEdit.begin() + 1;
    return stepSelection(static_cast<int>(n), *static_cast<QKeyEvent*>(event));
  }
  auto* field = qobject_cast<QLineEdit*>(watched);
  if (field && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter) {
      typingIn_ = field;
    } else if (typingIn_ == field) {
      // The typing is over: the focus goes where the field's change handlers would have put it.
      typingIn_ = nullptr;
      if (services_.currentPage() == kMonthPage)
        focusBox(selected_ ? selected_ : kFirstSaturdayBox);
      return true;
    }
  } else if (field && event->type() == QEvent::FocusOut && typingIn_ == field) {
    typingIn_ = nullptr;
  }
  return QWidget::eventFilter(watched, event);
}

void MonthPage::GenerateClick() {
  const int32_t month = fieldNumber(MonthEdit1);
  const int32_t year = fieldNumber(YearEdit1);
  if (refuseYear(year)) return;
  showMonth(month, year, services_.inIsrael, services_.ashkenaziNames);
}

void MonthPage::MonthEdit1Change() {
  if (MonthEdit1->text().isEmpty()) return;
  // Each setText below runs this handler for the corrected text to its end first.
  if (fieldNumber(MonthEdit1) > 12) MonthEdit1->setText("12");
  if (fieldNumber(MonthEdit1) <= 0) MonthEdit1->setText("1");
  MonthComboBox1->setCurrentIndex(fieldNumber(MonthEdit1) - 1);
  GenerateClick();
  selectFirstSaturday();
}

// The second drawing hides the box the first one focused: the focus goes to it again.
void MonthPage::MonthComboBox1Change() {
  setFieldText(MonthEdit1, integerText(MonthComboBox1->currentIndex() + 1));
  GenerateClick();
  selectFirstSaturday();
}

void MonthPage::YearEdit1Change() {
  if (YearEdit1->text().isEmpty()) return;
  if (!refuseYear(fieldNumber(YearEdit1))) GenerateClick();
  selectFirstSaturday();
}

void MonthPage::RichEditEnter(int n) {
  if (selected_ >= 1) RichEdit[selected_ - 1]->setSelected(false);
  selected_ = n;
  RichEdit[n - 1]->setSelected(true);
  showMessage(boxHint(n));
  markSelection();
  updateTabStop();
}

void MonthPage::updateTabStop() {
  const int stop = selected_ >= 1 ? selected_ : kFirstSaturdayBox;
  for (int n = 1; n <= 42; ++n)
    RichEdit[n - 1]->setFocusPolicy(n == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool MonthPage::stepSelection(int n, const QKeyEvent& key) {
  if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || !shown_) return false;
  const GregorianDate from{shown_->year, shown_->month, n - firstBox_ + 1};
  GregorianDate to;
  switch (key.key()) {
    case Qt::Key_Left:
      to = steppedDay(from, DayStep::kPreviousDay);
      break;
    case Qt::Key_Right:
      to = steppedDay(from, DayStep::kNextDay);
      break;
    case Qt::Key_Up:
      to = steppedDay(from, DayStep::kPreviousWeek);
      break;
    case Qt::Key_Down:
      to = steppedDay(from, DayStep::kNextWeek);
      break;
    case Qt::Key_PageUp:
      to = steppedDay(from, DayStep::kPreviousMonth);
      break;
    case Qt::Key_PageDown:
      to = steppedDay(from, DayStep::kNextMonth);
      break;
    case Qt::Key_Home:
      to = services_.today();
      break;
    default:
      return false;
  }
  // Before the first shown day and after the last the key does nothing.
  if (isShownDay(to)) selectDay(to);
  return true;
}

void MonthPage::selectDay(const GregorianDate& day) {
  const ShownMonth wanted{day.month, day.year};
  if (shown_ != wanted) {
    const QScopedValueRollback<bool> moving(movingSelection_, true);
    // One drawing: the year goes in quietly, the month's change handler draws both.
    const std::string month = integerText(day.month);
    if (fieldText(MonthEdit1) != month) {
      {
        const QSignalBlocker quiet(YearEdit1);
        setFieldText(YearEdit1, integerText(day.year));
      }
      setFieldText(MonthEdit1, month);
    } else {
      setFieldText(YearEdit1, integerText(day.year));
    }
  }
  if (shown_ == wanted) focusBox(firstBox_ + day.day - 1);
}

void MonthPage::showMessage(const QString& text) {
  MessStaticText->setText(text);
  // The label keeps about an "x" free beside its frame.
  const QFontMetrics metrics = MessStaticText->fontMetrics();
  const int room =
      MessStaticText->contentsRect().width() - metrics.horizontalAdvance(QLatin1Char('x'));
  MessStaticText->setToolTip(metrics.horizontalAdvance(text) > room ? text : kMessageBarTip);
}

// White around the box with the focus, light blue around one selected while a field has it.
void MonthPage::markSelection() {
  if (selected_ < 1 || RichEdit[selected_ - 1]->isHidden()) {
    SelectionFrame->hide();
    return;
  }
  const DayBox* box = RichEdit[selected_ - 1];
  SelectionFrame->setGeometry(box->geometry().adjusted(-kSelectionFrame, -kSelectionFrame,
                                                       kSelectionFrame, kSelectionFrame));
  setColour(SelectionFrame, QPalette::Window, box->hasFocus() ? kWhite : kLightBlue);
  SelectionFrame->show();
}

void MonthPage::keepSelectionAcross(const std::function<void()>& redraw) {
  int kept = selected_;
  // A click that activates the window gives its box the focus before the window hears of it.
  for (int n = 1; n <= 42; ++n)
    if (window()->focusWidget() == RichEdit[n - 1] && !RichEdit[n - 1]->isHidden()) kept = n;
  const auto before = shown_;
  redraw();
  if (kept == 0 || !before || shown_ != before || RichEdit[kept - 1]->isHidden()) return;
  if (services_.currentPage() == kMonthPage && !typing()) {
    focusBox(kept);
  } else {
    RichEditEnter(kept);
  }
}

QString MonthPage::boxHint(int n) const {
  return n >= 1 && n <= 42 ? RichEdit[n - 1]->hint() : QString();
}

bool MonthPage::yieldOvertaken(uint64_t render) {
  services_.yield();
  return renders_ != render;
}

void MonthPage::showMonth(int32_t gregorianMonth, int32_t gregorianYear, bool inIsrael,
                          bool ashkenaziNames) {
  const uint64_t render = ++renders_;
  CalendarDay day(gregorianMonth, 1, gregorianYear, ashkenaziNames, inIsrael);
  const int32_t days = day.gregorianMonthLength(0);
  const std::string placeName = services_.placeName();

  MonthLabel1->setText(text(monthHeaderText(day)));

  const CalendarDay lastDay(gregorianMonth, days, gregorianYear, ashkenaziNames, inIsrael);
  Grid->setAccessibleName(text(monthSpokenText(day, lastDay)));

  // A hidden box must not pass the focus on to its neighbours: each would show its stale detail.
  // The grid keeps it meanwhile, so a screen reader names the new month.
  bool gridHadFocus = false;
  for (DayBox* box : RichEdit) {
    if (window()->focusWidget() != box) continue;
    gridHadFocus = box->hasFocus();
    Grid->setFocus();
  }
  if (selected_ >= 1) RichEdit[selected_ - 1]->setSelected(false);
  selected_ = 0;
  shown_.reset();
  markSelection();
  for (DayBox* box : RichEdit) box->hide();
  if (yieldOvertaken(render)) return;
  // A hidden box keeps no detail of an earlier month either.
  for (DayBox* box : RichEdit) {
    box->clear();
    box->setHint(QString());
    box->setAccessibleName(QString());
  }
  if (yieldOvertaken(render)) return;
  for (int n = 1; n <= 42; ++n)
    RichEdit[n - 1]->setBackground(n % 7 == 0 ? infoBackground() : QColor::fromRgb(kWhite));
  if (yieldOvertaken(render)) return;

  const CalendarDay firstDay = day;
  const int32_t firstBox = day.dayOfWeek();

  for (int32_t d = 1; d <= days; ++d) {
    std::string sunTimes;
    try {
      sunTimes = selectedSunTimes(services_, day.gregorianYear(), day.gregorianMonth(),
                                  day.gregorianDay());
    } catch (const ConversionError&) {
      renderFailed(firstDay, lastDay, gridHadFocus);
      throw;
    }
    DayBox* box = RichEdit[firstBox + d - 2];
    box->appendLine(text(integerText(d)), kDayNumberLine);
    box->appendLine(text(boxHebrewDateText(day)), kHebrewDateLine);
    box->setHint(text(dayDetailText(day, sunTimes, placeName)));
    box->setAccessibleName(text(daySpokenText(day, sunTimes, placeName)));
    box->show();
    if (yieldOvertaken(render)) return;

    if (const auto holiday = holidayName(day)) {
      box->appendLine(text(std::string(*holiday)), kHolidayLine);
      box->setBackground(infoBackground());
      if (yieldOvertaken(render)) return;
    }
    if (omerDay(day) != 0) box->appendLine(text(omerText(day)), kOmerLine);
    if (yieldOvertaken(render)) return;
    day.nextDay();
  }

  HebYearLabel1->setText(text(hebrewHeaderText(firstDay, lastDay)));
  for (int i = 0; i < 2; ++i)
    if (yieldOvertaken(render)) return;

  putCaretsAtStart();
  if (yieldOvertaken(render)) return;
  shown_ = ShownMonth{gregorianMonth, gregorianYear};
  firstBox_ = firstBox;
  updateTabStop();
}

void MonthPage::renderFailed(const CalendarDay& firstDay, const CalendarDay& lastDay,
                             bool gridHadFocus) {
  HebYearLabel1->setText(text(hebrewHeaderText(firstDay, lastDay)));
  if (gridHadFocus) MonthComboBox1->setFocus();
}

void MonthPage::putCaretsAtStart() {
  for (DayBox* box : RichEdit) box->moveCursor(QTextCursor::Start);
}

void MonthPage::focusBox(int n) {
  if (n < 1 || n > 42 || RichEdit[n - 1]->isHidden()) return;
  DayBox* box = RichEdit[n - 1];
  box->setFocus();
  box->moveCursor(QTextCursor::Start);
}

void MonthPage::setWeekdayLabelsVisible(bool visible) {
  for (QLabel* label : MLabel) label->setVisible(visible);
}

}  // namespace tevorin
