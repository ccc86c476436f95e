#include "ui/texture/EngineExportDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

#include "texture/PageTexts.h"
#include "ui/texture/PageWidthDialog.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::texture {

namespace {
QSpinBox* NumberSpin(const QString& name, int low, int high, int value, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(low, high);
    spin->setValue(value);
    spin->setAccessibleName(name);
    return spin;
}
}  // namespace

EngineExportDialog::EngineExportDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kEngineExportTitle);
    setModal(true);
    const EngineAtlasSettings defaults;
    paddingSpin = NumberSpin(kEnginePaddingCaption, 0, kMaxEngineMargin, defaults.padding, this);
    extrudeSpin = NumberSpin(kEngineExtrudeCaption, 0, kMaxEngineMargin, defaults.extrude, this);
    maxSizeSpin = NumberSpin(kEngineMaxSizeCaption, 16, 16384, defaults.maxWidth, this);
    maxSizeSpin->setSingleStep(256);
    powerOfTwoCheck = new QCheckBox(kEnginePowerOfTwoCaption, this);
    powerOfTwoCheck->setAccessibleName(kEnginePowerOfTwoCaption);
    squareCheck = new QCheckBox(kEngineSquareCaption, this);
    squareCheck->setAccessibleName(kEngineSquareCaption);
    mipLevelsSpin =
        NumberSpin(kEngineMipLevelsCaption, 0, kMaxEngineMipLevels, defaults.mipLevels, this);
    blocksCombo = new QComboBox(this);
    // No data: the atlas's alpha chooses, as the command line does without a block option.
    blocksCombo->addItem(kEngineBlocksAuto);
    blocksCombo->addItem(kEngineBlocksBc1, int(imagefile::GpuBlockFormat::Bc1));
    blocksCombo->addItem(kEngineBlocksBc3, int(imagefile::GpuBlockFormat::Bc3));
    blocksCombo->addItem(kEngineBlocksRgb, int(imagefile::GpuBlockFormat::Rgb));
    blocksCombo->addItem(kEngineBlocksAstc.arg(QStringLiteral("4x4")),
                         int(imagefile::GpuBlockFormat::Astc4x4));
    blocksCombo->addItem(kEngineBlocksAstc.arg(QStringLiteral("6x6")),
                         int(imagefile::GpuBlockFormat::Astc6x6));
    blocksCombo->addItem(kEngineBlocksAstc.arg(QStringLiteral("8x8")),
                         int(imagefile::GpuBlockFormat::Astc8x8));
    blocksCombo->setAccessibleName(kEngineBlocksCaption);
    normalMapCheck = new QCheckBox(kEngineNormalMapCaption, this);
    normalMapCheck->setAccessibleName(kEngineNormalMapCaption);
    normalStrengthSpin = new QDoubleSpinBox(this);
    normalStrengthSpin->setRange(editor::kMinNormalStrength, editor::kMaxNormalStrength);
    normalStrengthSpin->setDecimals(1);
    normalStrengthSpin->setSingleStep(0.5);
    normalStrengthSpin->setValue(defaults.normal.strength);
    normalStrengthSpin->setAccessibleName(kEngineNormalStrengthCaption);
    normalStrengthSpin->setEnabled(false);
    connect(normalMapCheck, &QCheckBox::toggled, normalStrengthSpin, &QWidget::setEnabled);
    directXCheck = new QCheckBox(kEngineDirectXCaption, this);
    directXCheck->setAccessibleName(kEngineDirectXCaption);
    directXCheck->setEnabled(false);
    connect(normalMapCheck, &QCheckBox::toggled, directXCheck, &QWidget::setEnabled);
    trimCheck = new QCheckBox(kEngineTrimCaption, this);
    trimCheck->setAccessibleName(kEngineTrimCaption);
    trimCheck->setChecked(defaults.trim);
    alphaThresholdSpin = NumberSpin(kEngineAlphaThresholdCaption, 0, kMaxEngineAlphaThreshold,
                                    defaults.alphaThreshold, this);
    connect(trimCheck, &QCheckBox::toggled, alphaThresholdSpin, &QWidget::setEnabled);
    bleedCheck = new QCheckBox(kEngineBleedCaption, this);
    bleedCheck->setAccessibleName(kEngineBleedCaption);
    bleedCheck->setChecked(defaults.bleed);
    premultiplyCheck = new QCheckBox(kEnginePremultiplyCaption, this);
    premultiplyCheck->setAccessibleName(kEnginePremultiplyCaption);
    premultiplyCheck->setChecked(defaults.premultiply);
    // Premultiplied colours are black under transparent texels by nature: nothing to bleed.
    connect(premultiplyCheck, &QCheckBox::toggled, bleedCheck,
            [this](bool on) { bleedCheck->setEnabled(!on); });
    alphaCoverageSpin = new QDoubleSpinBox(this);
    alphaCoverageSpin->setRange(0, kMaxEngineAlphaCoverage);
    alphaCoverageSpin->setDecimals(2);
    alphaCoverageSpin->setSingleStep(0.05);
    alphaCoverageSpin->setValue(defaults.alphaCoverage);
    alphaCoverageSpin->setAccessibleName(kEngineAlphaCoverageCaption);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));

    auto* layout = new QFormLayout(this);
    layout->addRow(kEnginePaddingCaption, paddingSpin);
    layout->addRow(kEngineExtrudeCaption, extrudeSpin);
    layout->addRow(kEngineMaxSizeCaption, maxSizeSpin);
    layout->addRow(powerOfTwoCheck);
    layout->addRow(squareCheck);
    layout->addRow(kEngineMipLevelsCaption, mipLevelsSpin);
    layout->addRow(kEngineBlocksCaption, blocksCombo);
    layout->addRow(normalMapCheck);
    layout->addRow(kEngineNormalStrengthCaption, normalStrengthSpin);
    layout->addRow(directXCheck);
    layout->addRow(trimCheck);
    layout->addRow(kEngineAlphaThresholdCaption, alphaThresholdSpin);
    layout->addRow(bleedCheck);
    layout->addRow(premultiplyCheck);
    layout->addRow(kEngineAlphaCoverageCaption, alphaCoverageSpin);
    layout->addRow(buttons);
    // Title bars often set their caption in bold.
    QFont bold = font();
    bold.setBold(true);
    setMinimumWidth(QFontMetrics(bold).horizontalAdvance(kEngineExportTitle) + kTitleBarRoom);
    setFixedHeight(sizeHint().height());

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::optional<EngineAtlasSettings> EngineExportDialog::askEngineSettings() {
    if (widgets::ExecInFront(*this) != QDialog::Accepted) return std::nullopt;
    EngineAtlasSettings settings;
    settings.padding = paddingSpin->value();
    settings.extrude = extrudeSpin->value();
    settings.maxWidth = settings.maxHeight = maxSizeSpin->value();
    settings.powerOfTwo = powerOfTwoCheck->isChecked();
    settings.square = squareCheck->isChecked();
    settings.mipLevels = mipLevelsSpin->value();
    const QVariant blocks = blocksCombo->currentData();
    settings.gpuFormatChosen = blocks.isValid();
    if (blocks.isValid())
        settings.gpuFormat = static_cast<imagefile::GpuBlockFormat>(blocks.toInt());
    settings.normalMap = normalMapCheck->isChecked();
    settings.normal.strength = normalStrengthSpin->value();
    settings.normal.directX = directXCheck->isChecked();
    settings.trim = trimCheck->isChecked();
    settings.alphaThreshold = alphaThresholdSpin->value();
    settings.bleed = bleedCheck->isChecked();
    settings.premultiply = premultiplyCheck->isChecked();
    // Below the least coverage that means anything, the levels keep their averaged alpha.
    const double coverage = alphaCoverageSpin->value();
    settings.alphaCoverage = coverage < kMinEngineAlphaCoverage ? 0 : coverage;
    return settings;
}

}  // namespace tessella::texture
