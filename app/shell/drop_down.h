#pragma once

class QComboBox;

namespace tevorin {

// A closed drop-down takes the mouse wheel only while it has the keyboard focus: a wheel turned to
// scroll past it must not change the user's choice. Nor does the wheel give it the focus.
void takeWheelOnlyWithFocus(QComboBox* dropDown);

}  // namespace tevorin
