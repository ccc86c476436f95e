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
#include "ui/widgets/QtPrompts.h"

namespace tessella::editor {

using platform::ColourValue;

namespace {
constexpr int kSmallestSide = 8;
constexpr int kLargestNewSide = 128;  // a new element's arrows stop here

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

const std::vector<std::pair<QString, ColourValue>>& NewElementDialog::Colours() {
    static const std::vector<std::pair<QString, ColourValue>> colours = {
        {QStringLiteral("Noir"), ColourValue(0x000000)},
        {QStringLiteral("Marron"), ColourValue(0x000080)},
        {QStringLiteral("Vert"), ColourValue(0x008000)},
        {QStringLiteral("Olive"), ColourValue(0x008080)},
        {QStringLiteral("Bleu marine"), ColourValue(0x800000)},
        {QStringLiteral("Pourpre"), ColourValue(0x800080)},
        {QStringLiteral("Sarcelle"), ColourValue(0x808000)},
        {QStringLiteral("Gris"), ColourValue(0x808080)},
        {QStringLiteral("Argent"), ColourValue(0xC0C0C0)},
        {QStringLiteral("Rouge"), ColourValue(0x0000FF)},
        {QStringLiteral("Citron vert"), ColourValue(0x00FF00)},
        {QStringLiteral("Jaune"), ColourValue(0x00FFFF)},
        {QStringLiteral("Bleu"), ColourValue(0xFF0000)},
        {QStringLiteral("Fuchsia"), ColourValue(0xFF00FF)},
        {QStringLiteral("Cyan"), ColourValue(0xFFFF00)},
        {QStringLiteral("Blanc"), ColourValue(0xFFFFFF)},
    };
    return colours;
}

NewElementDialog::NewElementDialog(texture::NewElementSettings& settings,
                                   platform::Prompts& prompts, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Nouvel élément de texture"));
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
    widthSpin->setAccessibleName(QStringLiteral("Largeur"));
    heightSpin->setAccessibleName(QStringLiteral("Hauteur"));
    widthLabel->setAccessibleName(QStringLiteral("Largeur choisie"));
    heightLabel->setAccessibleName(QStringLiteral("Hauteur choisie"));
    presetCombo = new QComboBox(this);
    presetCombo->setAccessibleName(QString::fromUtf8("Dimensions prédéfinies"));
    presetCombo->view()->setAccessibleName(presetCombo->accessibleName());
    presetCombo->addItems({QStringLiteral("8 x 8"), QStringLiteral("16 x 16"),
                           QStringLiteral("32 x 32"), QStringLiteral("64 x 64"),
                           QStringLiteral("128 x 128")});
    presetCombo->setCurrentIndex(2);

    colourCombo = new QComboBox(this);
    colourCombo->setAccessibleName(QStringLiteral("Couleur du fond"));
    colourCombo->view()->setAccessibleName(colourCombo->accessibleName());
    for (const auto& [name, colour] : Colours()) colourCombo->addItem(Swatch(colour), name);
    colourCombo->setCurrentIndex(static_cast<int>(Colours().size()) - 1);  // white
    colourSwatch = new QLabel(this);
    colourSwatch->setFixedSize(48, 24);
    colourSwatch->setAccessibleName(QStringLiteral("Couleur choisie"));
    colourSwatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    colourSwatch->setAutoFillBackground(true);
    otherColourButton = new QPushButton(QStringLiteral("Autre"), this);
    okButton = new QPushButton(QStringLiteral("OK"), this);
    okButton->setDefault(true);
    cancelButton = new QPushButton(QStringLiteral("Annuler"), this);

    auto* sizes = new QGroupBox(QStringLiteral("Dimensions"), this);
    auto* sizeForm = new QFormLayout(sizes);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(widthLabel);
    widthRow->addWidget(widthSpin);
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(heightLabel);
    heightRow->addWidget(heightSpin);
    sizeForm->addRow(QStringLiteral("Largeur"), widthRow);
    sizeForm->addRow(QStringLiteral("Hauteur"), heightRow);
    sizeForm->addRow(presetCombo);

    colourGroup = new QGroupBox(QStringLiteral("Couleur du fond"), this);
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
