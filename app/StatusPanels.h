#pragma once
// The status bars of the windows: fixed-width sunken panels side by side.

#include <QString>

class QLabel;
class QStatusBar;
class QWidget;

namespace tessella::app {

// A status bar for a window that is not a main window: no size grip.
QStatusBar* NewStatusBar(QWidget* parent);

// A sunken panel of a fixed width added at the right of the bar, announced by its accessible
// name.
QLabel* AddStatusPanel(QStatusBar* bar, int width, const QString& accessibleName,
                       const QString& text = {});

}  // namespace tessella::app
