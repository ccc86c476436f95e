#pragma once
// "Exporter pour moteur de jeu…": the room left between elements, the width of the ring of
// repeated border pixels around each one, the atlas's largest size and shape, and the mipmap
// levels it stays clean for; the trimming of transparent margins, the colours bled under
// transparent texels or premultiplied, and the alpha coverage kept by the mip levels.

#include <QDialog>

#include "texture/EngineAtlas.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QDialogButtonBox;
class QSpinBox;

namespace tessella::texture {

class EngineExportDialog final : public QDialog, public EngineSettingsQuestion {
    Q_OBJECT

  public:
    explicit EngineExportDialog(QWidget* parent = nullptr);

    // Shows the dialog modally; the settings when it ends with OK (they stay for the next
    // showing), nothing otherwise.
    std::optional<EngineAtlasSettings> askEngineSettings() override;

    QSpinBox* paddingSpin;
    QSpinBox* extrudeSpin;
    QSpinBox* maxSizeSpin;
    QCheckBox* powerOfTwoCheck;
    QCheckBox* squareCheck;
    QSpinBox* mipLevelsSpin;
    QComboBox* blocksCombo;
    QCheckBox* normalMapCheck;
    QDoubleSpinBox* normalStrengthSpin;
    QCheckBox* directXCheck;  // the normal map's green pointing down, as DirectX reads it
    QCheckBox* trimCheck;
    QSpinBox* alphaThresholdSpin;  // what trimming takes as transparent: alpha up to it
    QCheckBox* bleedCheck;
    QCheckBox* premultiplyCheck;
    QDoubleSpinBox* alphaCoverageSpin;  // 0: the mip levels' alpha as averaged
    QDialogButtonBox* buttons;
};

}  // namespace tessella::texture
