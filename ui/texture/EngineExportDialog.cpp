#include "ui/texture/EngineExportDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
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
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));

    auto* layout = new QFormLayout(this);
    layout->addRow(kEnginePaddingCaption, paddingSpin);
    layout->addRow(kEngineExtrudeCaption, extrudeSpin);
    layout->addRow(kEngineMaxSizeCaption, maxSizeSpin);
    layout->addRow(powerOfTwoCheck);
    layout->addRow(squareCheck);
    layout->addRow(kEngineMipLevelsCaption, mipLevelsSpin);
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
    return settings;
}

}  // namespace tessella::texture
