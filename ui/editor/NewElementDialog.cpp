#include "ui/editor/NewElementDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Guard.h"
#include "platform/Prompts.h"
#include "ui/editor/EditorTexts.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::editor {

using platform::ColourValue;

namespace {
constexpr int kSmallestSide = 8;
constexpr int kLargestNewSide = 128;  // a new element's arrows stop here

// The list's colours with their names, in order.
struct ListColour {
    platform::Text name;
    ColourValue colour;
};
constexpr ListColour kListColours[] = {
    {{QT_TRANSLATE_NOOP("Tessella", "Noir")}, ColourValue(0x000000)},
    {{QT_TRANSLATE_NOOP("Tessella", "Marron")}, ColourValue(0x000080)},
    {{QT_TRANSLATE_NOOP("Tessella", "Vert")}, ColourValue(0x008000)},
    {{QT_TRANSLATE_NOOP("Tessella", "Olive")}, ColourValue(0x008080)},
    {{QT_TRANSLATE_NOOP("Tessella", "Bleu marine")}, ColourValue(0x800000)},
    {{QT_TRANSLATE_NOOP("Tessella", "Pourpre")}, ColourValue(0x800080)},
    {{QT_TRANSLATE_NOOP("Tessella", "Sarcelle")}, ColourValue(0x808000)},
    {{QT_TRANSLATE_NOOP("Tessella", "Gris")}, ColourValue(0x808080)},
    {{QT_TRANSLATE_NOOP("Tessella", "Argent")}, ColourValue(0xC0C0C0)},
    {{QT_TRANSLATE_NOOP("Tessella", "Rouge")}, ColourValue(0x0000FF)},
    {{QT_TRANSLATE_NOOP("Tessella", "Citron vert")}, ColourValue(0x00FF00)},
    {{QT_TRANSLATE_NOOP("Tessella", "Jaune")}, ColourValue(0x00FFFF)},
    {{QT_TRANSLATE_NOOP("Tessella", "Bleu")}, ColourValue(0xFF0000)},
    {{QT_TRANSLATE_NOOP("Tessella", "Fuchsia")}, ColourValue(0xFF00FF)},
    {{QT_TRANSLATE_NOOP("Tessella", "Cyan")}, ColourValue(0xFFFF00)},
    {{QT_TRANSLATE_NOOP("Tessella", "Blanc")}, ColourValue(0xFFFFFF)},
};

QSpinBox* SizeUpDown(QWidget* parent) {
    auto* upDown = new QSpinBox(parent);
    upDown->setRange(kSmallestSide, kLargestNewSide);
    upDown->setSingleStep(8);
    upDown->setValue(32);
    upDown->setWrapping(false);
    // Only the arrows change it, so the size stays a multiple of 8.
    if (auto* edit = upDown->findChild<QLineEdit*>()) edit->setReadOnly(true);
    return upDown;
}

QIcon Swatch(ColourValue colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(colour.toQColor());
    return QIcon(pixmap);
}
}  // namespace

std::vector<std::pair<QString, ColourValue>> NewElementDialog::Colours() {
    std::vector<std::pair<QString, ColourValue>> colours;
    for (const ListColour& c : kListColours) colours.emplace_back(c.name, c.colour);
    return colours;
}

NewElementDialog::NewElementDialog(texture::NewElementSettings& settings,
                                   platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts) {
    setWindowTitle(kNewElementTitle);
    setModal(true);

    widthLabel = new QLabel(this);
    widthSpin = SizeUpDown(this);
    heightLabel = new QLabel(this);
    heightSpin = SizeUpDown(this);
    for (QLabel* text : {widthLabel, heightLabel}) {
        text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        text->setMinimumWidth(40);
        text->setAlignment(Qt::AlignCenter);
    }
    widthSpin->setAccessibleName(kResizeWidthCaption);
    heightSpin->setAccessibleName(kResizeHeightCaption);
    widthLabel->setAccessibleName(kChosenWidthName);
    heightLabel->setAccessibleName(kChosenHeightName);
    presetCombo = new QComboBox(this);
    presetCombo->setAccessibleName(kPresetSizesName);
    presetCombo->view()->setAccessibleName(presetCombo->accessibleName());
    presetCombo->addItems({QStringLiteral("8 x 8"), QStringLiteral("16 x 16"),
                           QStringLiteral("32 x 32"), QStringLiteral("64 x 64"),
                           QStringLiteral("128 x 128")});
    presetCombo->setCurrentIndex(2);

    colourCombo = new QComboBox(this);
    colourCombo->setAccessibleName(kNewBackgroundCaption);
    colourCombo->view()->setAccessibleName(colourCombo->accessibleName());
    for (const auto& [name, colour] : Colours()) colourCombo->addItem(Swatch(colour), name);
    colourCombo->setCurrentIndex(static_cast<int>(Colours().size()) - 1);  // white
    colourSwatch = new QLabel(this);
    colourSwatch->setFixedSize(48, 24);
    colourSwatch->setAccessibleName(kChosenSwatchName);
    colourSwatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    colourSwatch->setAutoFillBackground(true);
    otherColourButton = new QPushButton(kOtherCaption, this);
    okButton = new QPushButton(kOkCaption, this);
    okButton->setDefault(true);
    cancelButton = new QPushButton(kCancelCaption, this);

    auto* sizes = new QGroupBox(kNewSizeCaption, this);
    auto* sizeForm = new QFormLayout(sizes);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(widthLabel);
    widthRow->addWidget(widthSpin);
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(heightLabel);
    heightRow->addWidget(heightSpin);
    sizeForm->addRow(kResizeWidthCaption, widthRow);
    sizeForm->addRow(kResizeHeightCaption, heightRow);
    sizeForm->addRow(presetCombo);

    colourGroup = new QGroupBox(kNewBackgroundCaption, this);
    auto* colourRow = new QHBoxLayout(colourGroup);
    colourRow->addWidget(colourCombo);
    colourRow->addWidget(colourSwatch);
    colourRow->addWidget(otherColourButton);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sizes);
    layout->addWidget(colourGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(widthSpin, &QSpinBox::valueChanged, this, &NewElementDialog::applyWidth);
    connect(heightSpin, &QSpinBox::valueChanged, this, &NewElementDialog::applyHeight);
    connect(presetCombo, &QComboBox::activated, this, &NewElementDialog::applyPresetSize);
    connect(colourCombo, &QComboBox::activated, this, &NewElementDialog::applyListColour);
    connect(otherColourButton, &QPushButton::clicked, this, &NewElementDialog::chooseOtherColour);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
    showSizes();
    showColour();
}

void NewElementDialog::showSizes() {
    const QSignalBlocker blockWidth(widthSpin), blockHeight(heightSpin);
    widthSpin->setValue(settings_.elementWidth);
    heightSpin->setValue(settings_.elementHeight);
    widthLabel->setText(QString::number(settings_.elementWidth));
    heightLabel->setText(QString::number(settings_.elementHeight));
}

void NewElementDialog::showColour() {
    QPalette palette = colourSwatch->palette();
    palette.setColor(QPalette::Window, settings_.backgroundColour.toQColor());
    colourSwatch->setPalette(palette);
}

void NewElementDialog::showEvent(QShowEvent* event) {
    showSizes();
    QDialog::showEvent(event);
}

void NewElementDialog::applyWidth() {
    settings_.elementWidth = widthSpin->value();
    widthLabel->setText(QString::number(settings_.elementWidth));
}

void NewElementDialog::applyHeight() {
    settings_.elementHeight = heightSpin->value();
    heightLabel->setText(QString::number(settings_.elementHeight));
}

void NewElementDialog::applyPresetSize(int index) {
    static const int32_t sides[] = {8, 16, 32, 64, 128};
    if (index < 0 || index >= static_cast<int>(std::size(sides))) return;
    settings_.elementWidth = settings_.elementHeight = sides[index];
    showSizes();
}

void NewElementDialog::applyListColour(int index) {
    if (index < 0 || index >= static_cast<int>(Colours().size())) return;
    settings_.backgroundColour = Colours()[static_cast<size_t>(index)].second;
    showColour();
}

void NewElementDialog::chooseOtherColour() {
    platform::Guard(prompts_, [this] {
        if (const auto colour = prompts_.chooseColour(settings_.backgroundColour)) {
            settings_.backgroundColour = *colour;
            showColour();
        }
    });
}

bool NewElementDialog::askNewElement() {
    widthSpin->setRange(kSmallestSide, kLargestNewSide);
    heightSpin->setRange(kSmallestSide, kLargestNewSide);
    // A larger element's properties may have been shown since: a new one stays in range.
    settings_.elementWidth = std::clamp(settings_.elementWidth, kSmallestSide, kLargestNewSide);
    settings_.elementHeight = std::clamp(settings_.elementHeight, kSmallestSide, kLargestNewSide);
    colourGroup->show();
    return widgets::ExecInFront(*this) == QDialog::Accepted;
}

bool NewElementDialog::askSize(QSize size) {
    // The arrows reach the element's own size, so that they show it as it is.
    widthSpin->setRange(std::min(kSmallestSide, size.width()),
                        std::max(kLargestNewSide, size.width()));
    heightSpin->setRange(std::min(kSmallestSide, size.height()),
                         std::max(kLargestNewSide, size.height()));
    settings_.elementWidth = size.width();
    settings_.elementHeight = size.height();
    colourGroup->hide();
    const bool accepted = widgets::ExecInFront(*this) == QDialog::Accepted;
    colourGroup->show();
    return accepted;
}

}  // namespace tessella::editor
