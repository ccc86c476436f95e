#pragma once
// Screen readers read what a label shows. A label given a fixed accessible name ("Zoom
// actuel") would otherwise announce only that name and never its value ("1.0"); with the
// factory installed such a label is named "Zoom actuel : 1.0", its value alone is its
// accessible value, and a label without a name of its own is read by its text as usual.

#include <QString>

class QLabel;

namespace tessella::widgets {

// The name a screen reader reads for label: "Name : value" when its accessible name differs
// from the text it shows, else whichever of the two it has.
QString AccessibleLabelName(const QLabel& label);

// Installs the label factory for the whole run; call once after the QApplication exists
// (again is harmless).
void InstallAccessibleLabels();

}  // namespace tessella::widgets
