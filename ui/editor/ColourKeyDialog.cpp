#include "ui/editor/ColourKeyDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "editor/Transparency.h"
#include "ui/editor/DialogButtons.h"
#include "ui/editor/EditorTexts.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::editor {

namespace {

QSpinBox* ChannelSpin(const QString& caption, int value, int max, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, max);
    spin->setValue(value);
    spin->setAccessibleName(caption);
    return spin;
}

}  // namespace

ColourKeyDialog::ColourKeyDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kColourKeyTitle);
    setMinimumWidth(widgets::WholeTitleWidth(*this));
    // Magenta: the colour old pages give their empty space.
    const platform::ColourValue key = platform::kMagenta;
    redSpin = ChannelSpin(kKeyRedCaption, key.red(), 255, this);
    greenSpin = ChannelSpin(kKeyGreenCaption, key.green(), 255, this);
    blueSpin = ChannelSpin(kKeyBlueCaption, key.blue(), 255, this);
    toleranceSpin = ChannelSpin(kKeyToleranceCaption, 0, kMaxKeyTolerance, this);
    auto* text = new QLabel(kColourKeyText, this);
    text->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(kKeyRedCaption, redSpin);
    form->addRow(kKeyGreenCaption, greenSpin);
    form->addRow(kKeyBlueCaption, blueSpin);
    form->addRow(kKeyToleranceCaption, toleranceSpin);
    QDialogButtonBox* buttons = OkCancelButtons(this, okButton, cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::optional<ColourKeyDialog::Choice> ColourKeyDialog::ask() {
    if (exec() != QDialog::Accepted) return std::nullopt;
    return Choice{platform::ColourValue::fromRgb(static_cast<uint8_t>(redSpin->value()),
                                                 static_cast<uint8_t>(greenSpin->value()),
                                                 static_cast<uint8_t>(blueSpin->value())),
                  toleranceSpin->value()};
}

}  // namespace tessella::editor
