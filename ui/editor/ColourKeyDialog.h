#pragma once
// "Couleur transparente…": the colour that becomes transparent and how near a texel must be.

#include <QDialog>
#include <optional>

#include "platform/ColourValue.h"

class QPushButton;
class QSpinBox;

namespace tessella::editor {

class ColourKeyDialog final : public QDialog {
    Q_OBJECT

  public:
    struct Choice {
        platform::ColourValue colour;
        int tolerance = 0;
    };

    explicit ColourKeyDialog(QWidget* parent = nullptr);

    // Shows the window with the last choice (magenta, tolerance 0 at first); answers the
    // choice made with OK.
    std::optional<Choice> ask();

    QSpinBox* redSpin;
    QSpinBox* greenSpin;
    QSpinBox* blueSpin;
    QSpinBox* toleranceSpin;
    QPushButton* okButton;
    QPushButton* cancelButton;
};

}  // namespace tessella::editor
