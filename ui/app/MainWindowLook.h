#pragma once
// The look the main window's parts share.

class QColor;
class QLabel;
class QString;
class QWidget;

namespace tessella::app {

// A counter or readout on a coloured background, centred.
void PaintReadout(QLabel* label, const QColor& colour);
QLabel* CentredCaption(const QString& text, QWidget* parent);

}  // namespace tessella::app
