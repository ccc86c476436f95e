#include "ui/editor/ChannelDialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/editor/EditorTexts.h"

namespace tessella::editor {

namespace {

QGroupBox* RadioGroup(const QString& caption, const platform::Text (&items)[3],
                      QButtonGroup*& buttons, std::array<QRadioButton*, 3>& radios,
                      QWidget* parent) {
    auto* group = new QGroupBox(caption, parent);
    auto* layout = new QVBoxLayout(group);
    buttons = new QButtonGroup(group);
    for (int i = 0; i < 3; ++i) {
        radios[i] = new QRadioButton(items[i], group);
        buttons->addButton(radios[i], i);
        layout->addWidget(radios[i]);
    }
    return group;
}

void Clear(QButtonGroup* buttons) {
    // An exclusive group always keeps one button checked.
    buttons->setExclusive(false);
    for (QAbstractButton* b : buttons->buttons()) b->setChecked(false);
    buttons->setExclusive(true);
}

}  // namespace

ChannelDialog::ChannelDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kChannelTitle);
    setModal(true);
    resize(kWidth, kHeight);

    std::array<QRadioButton*, 3> swaps{}, fusions{};
    swapGroup = RadioGroup(kSwapGroupCaption, kSwapChoices, swapButtons_, swaps, this);
    fuseGroup = RadioGroup(kFuseGroupCaption, kFuseChoices, fuseButtons_, fusions, this);
    swapRedBlueRadio = swaps[0];
    swapGreenBlueRadio = swaps[1];
    swapRedGreenRadio = swaps[2];
    fuseRedBlueRadio = fusions[0];
    fuseGreenBlueRadio = fusions[1];
    fuseRedGreenRadio = fusions[2];
    okButton = new QPushButton(kOkCaption, this);
    okButton->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(swapGroup);
    layout->addWidget(fuseGroup);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addStretch();
    layout->addLayout(buttons);

    connect(okButton, &QPushButton::clicked, this, &ChannelDialog::acceptChoices);
}

void ChannelDialog::acceptChoices() {
    swapChoice_ = swapButtons_->checkedId();
    fusionChoice_ = fuseButtons_->checkedId();
    accept();
}

void ChannelDialog::showFor(QGroupBox* group) {
    Clear(swapButtons_);
    Clear(fuseButtons_);
    swapChoice_ = fusionChoice_ = -1;
    swapGroup->setEnabled(group == swapGroup);
    fuseGroup->setEnabled(group == fuseGroup);
    exec();
}

std::optional<ChannelOperation> ChannelDialog::askSwap() {
    showFor(swapGroup);
    static constexpr ChannelOperation swaps[] = {ChannelOperation::SwapRedBlue,
                                                 ChannelOperation::SwapGreenBlue,
                                                 ChannelOperation::SwapRedGreen};
    if (swapChoice_ < 0) return std::nullopt;
    return swaps[swapChoice_];
}

std::optional<ChannelPair> ChannelDialog::askFusion() {
    showFor(fuseGroup);
    static constexpr ChannelPair pairs[] = {ChannelPair::RedBlue, ChannelPair::GreenBlue,
                                            ChannelPair::RedGreen};
    if (fusionChoice_ < 0) return std::nullopt;
    return pairs[fusionChoice_];
}

}  // namespace tessella::editor
