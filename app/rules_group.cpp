#include "app/rules_group.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>

#include "app/shell/page_look.h"

namespace tevorin {

namespace {

// The location group's look: caption in the frame's top line, white text on the page's blue.
constexpr char kGroupStyle[] = R"(
QGroupBox#RulesGroupBox { color: white; border: 1px solid rgb(120, 160, 200); border-radius: 3px;
                          margin-top: 6px; font-size: 10px; }
QGroupBox#RulesGroupBox::title { subcontrol-origin: margin; left: 10px; padding: 0px; }
QGroupBox#RulesGroupBox QLabel { color: white; font-size: 10px; }
QGroupBox#RulesGroupBox QRadioButton { font-size: 10px; }
)";

QRadioButton* choice(const char* name, const char* text, const QRect& place, QWidget* parent) {
  auto* button = new QRadioButton(text, parent);
  button->setObjectName(name);
  // White words beside the usual white circle with its dark dot: a style-sheet colour would paint
  // the dot white as well.
  setColour(button, QPalette::WindowText, kWhite);
  setColour(button, QPalette::Text, qRgb(0, 0, 0));
  button->setGeometry(place);
  return button;
}

QLabel* caption(const char* name, const char* text, QWidget* buddy, const QRect& place,
                QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setBuddy(buddy);
  label->setGeometry(place);
  return label;
}

// Two exclusive choices whose click (mouse or keyboard) announces the group's choice.
void pair(RulesGroup* group, QRadioButton* first, QRadioButton* second) {
  auto* buttons = new QButtonGroup(group);
  buttons->addButton(first);
  buttons->addButton(second);
  first->setChecked(true);
  QObject::connect(buttons, &QButtonGroup::buttonClicked, group, &RulesGroup::rulesChosen);
}

}  // namespace

RulesGroup::RulesGroup(QWidget* parent) : QGroupBox(" Calendar rules ", parent) {
  setObjectName("RulesGroupBox");
  setStyleSheet(kGroupStyle);

  DiasporaRadioButton = choice("DiasporaRadioButton", "&Diaspora", QRect(150, 18, 90, 20), this);
  IsraelRadioButton = choice("IsraelRadioButton", "&Israel", QRect(250, 18, 80, 20), this);
  RulesLabel = caption("RulesLabel", "Rules:", DiasporaRadioButton, QRect(14, 18, 134, 20), this);
  SephardiRadioButton = choice("SephardiRadioButton", "&Sephardi", QRect(470, 18, 70, 20), this);
  AshkenaziRadioButton = choice("AshkenaziRadioButton", "As&hkenazi", QRect(545, 18, 80, 20), this);
  NamesLabel = caption("NamesLabel", "Names:", SephardiRadioButton, QRect(400, 18, 68, 20), this);
  pair(this, DiasporaRadioButton, IsraelRadioButton);
  pair(this, SephardiRadioButton, AshkenaziRadioButton);
}

bool RulesGroup::inIsrael() const {
  return IsraelRadioButton->isChecked();
}

bool RulesGroup::ashkenaziNames() const {
  return AshkenaziRadioButton->isChecked();
}

void RulesGroup::setChoice(bool inIsrael, bool ashkenaziNames) {
  (inIsrael ? IsraelRadioButton : DiasporaRadioButton)->setChecked(true);
  (ashkenaziNames ? AshkenaziRadioButton : SephardiRadioButton)->setChecked(true);
}

}  // namespace tevorin
