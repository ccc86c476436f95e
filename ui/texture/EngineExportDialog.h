#pragma once
// "Exporter pour moteur de jeu…": the room left between elements and the width of the ring
// of repeated border pixels around each one.

#include <QDialog>

#include "texture/EngineAtlas.h"

class QDialogButtonBox;
class QSpinBox;

namespace tessella::texture {

class EngineExportDialog final : public QDialog, public EngineSettingsQuestion {
    Q_OBJECT

  public:
    explicit EngineExportDialog(QWidget* parent = nullptr);

    // Shows the dialog modally; the two numbers when it ends with OK (they stay for the next
    // showing), nothing otherwise.
    std::optional<EngineAtlasSettings> askEngineSettings() override;

    QSpinBox* paddingSpin;
    QSpinBox* extrudeSpin;
    QDialogButtonBox* buttons;
};

}  // namespace tessella::texture
