#include "ui/editor/NormalMapDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/Guard.h"
#include "ui/editor/DialogButtons.h"
#include "ui/editor/EditorTexts.h"
#include "ui/editor/NormalMapTexts.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::editor {

NormalMapDialog::NormalMapDialog(platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), prompts_(prompts) {
    setWindowTitle(kNormalMapTitle);
    strengthSpin = new QDoubleSpinBox(this);
    strengthSpin->setRange(kMinNormalStrength, kMaxNormalStrength);
    strengthSpin->setLocale(QLocale());  // "2,5" or "2.5", as the texts around it
    strengthSpin->setDecimals(1);
    strengthSpin->setSingleStep(0.1);
    strengthSpin->setValue(NormalMapSettings{}.strength);
    strengthSpin->setAccessibleName(kStrengthName);
    directXCheck = new QCheckBox(kDirectXCaption, this);
    directXCheck->setAccessibleName(kDirectXCaption);
    previewBox = new widgets::ImageBox(this);
    previewBox->setCenter(true);
    previewBox->setBoxSize(kPreviewSide, kPreviewSide);
    previewBox->setAccessibleName(kNormalMapPreviewName);
    QDialogButtonBox* buttons = OkCancelButtons(this, okButton, cancelButton);

    auto* form = new QFormLayout;
    form->addRow(kStrengthCaption, strengthSpin);
    form->addRow(directXCheck);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(previewBox, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);

    connect(strengthSpin, &QDoubleSpinBox::valueChanged, this, [this](double strength) {
        showPreview();
        emit strengthChanged(strength);
    });
    connect(directXCheck, &QCheckBox::toggled, this, &NormalMapDialog::showPreview);
}

NormalMapSettings NormalMapDialog::settings() const {
    return {strengthSpin->value(), directXCheck->isChecked()};
}

std::optional<NormalMapSettings> NormalMapDialog::ask(const pixels::PixelGrid& element) {
    const NormalMapSettings opened = settings();
    element_ = &element;
    showPreview();
    const bool accepted = exec() == QDialog::Accepted;
    element_ = nullptr;
    map_ = pixels::WorkingPicture();
    previewBox->setPicture(QImage());
    if (accepted) return settings();
    directXCheck->setChecked(opened.directX);
    strengthSpin->setValue(opened.strength);
    return std::nullopt;
}

void NormalMapDialog::showPreview() {
    if (!element_) return;
    platform::Guard(prompts_, [this] {
        MakeNormalMap(*element_, map_.image(), settings());
        QImage map;
        map_.store(map);
        // Nearest pixels: a small element's pixels show as they are.
        previewBox->setPicture(map.scaled(kPreviewSide, kPreviewSide, Qt::KeepAspectRatio));
    });
}

}  // namespace tessella::editor
