#include "ui/texture/EngineExportDialog.h"

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
QSpinBox* MarginSpin(const QString& name, int value, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, kMaxEngineMargin);
    spin->setValue(value);
    spin->setAccessibleName(name);
    return spin;
}
}  // namespace

EngineExportDialog::EngineExportDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kEngineExportTitle);
    setModal(true);
    const EngineAtlasSettings defaults;
    paddingSpin = MarginSpin(kEnginePaddingCaption, defaults.padding, this);
    extrudeSpin = MarginSpin(kEngineExtrudeCaption, defaults.extrude, this);
    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuler"));

    auto* layout = new QFormLayout(this);
    layout->addRow(kEnginePaddingCaption, paddingSpin);
    layout->addRow(kEngineExtrudeCaption, extrudeSpin);
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
    return settings;
}

}  // namespace tessella::texture
