#pragma once
// The status bars of the windows: fixed-width sunken panels side by side.

#include <QString>
#include <array>
#include <cstddef>

class QLabel;
class QStatusBar;
class QWidget;

namespace tessella::widgets {

// A status bar for a window that is not a main window: no size grip.
QStatusBar* NewStatusBar(QWidget* parent);

// A sunken panel of a fixed width added at the right of the bar, announced by its accessible
// name.
QLabel* AddStatusPanel(QStatusBar* bar, int width, const QString& accessibleName,
                       const QString& text = {});

// The name of the status bar's panel number (from 1) in the windows with unlabelled panels.
QString NumberedPanelName(int number);

// Panels of the given widths, named "Barre d'état 1", "Barre d'état 2"... from the left.
template <std::size_t N>
std::array<QLabel*, N> AddNumberedStatusPanels(QStatusBar* bar, const std::array<int, N>& widths) {
    std::array<QLabel*, N> panels{};
    for (std::size_t i = 0; i < N; ++i)
        panels[i] = AddStatusPanel(bar, widths[i], NumberedPanelName(int(i) + 1));
    return panels;
}

}  // namespace tessella::widgets
