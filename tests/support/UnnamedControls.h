#pragma once
// Screen readers and GUI robots find every control by the accessible name that Qt's
// accessibility layer reports to the desktop's accessibility bus.

#include <QString>

class QWidget;

namespace tessella::testing {

// The controls under root (buttons, fields, lists, bars, picture controls, framed or empty
// labels; explicitly hidden ones left out) that would be announced without a name, as
// "ClassName objectName" joined by ", "; empty when every one has a name.
std::string UnnamedControls(QWidget* root);

// Triggers the first accessibility action of control, as a screen reader does (a checkable
// button is toggled, not clicked); false when it offers none.
bool DoAccessibleAction(QWidget* control);

}  // namespace tessella::testing
