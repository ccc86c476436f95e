#include "texture/TFicheNouveau.h"

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

#include "platform/Guard.h"
#include "platform/Prompts.h"

namespace tessella::texture {

using platform::ColourValue;

namespace {
QSpinBox* SizeUpDown(QWidget* parent) {
    auto* upDown = new QSpinBox(parent);
    upDown->setRange(8, 128);
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

const std::vector<std::pair<QString, ColourValue>>& TFicheNouveau::Colours() {
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

TFicheNouveau::TFicheNouveau(NewElementSettings& settings, platform::Prompts& prompts,
                             QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Nouvel élément de texture"));
    setModal(true);

    StaticText1 = new QLabel(this);
    UpDown1 = SizeUpDown(this);
    StaticText2 = new QLabel(this);
    UpDown2 = SizeUpDown(this);
    for (QLabel* text : {StaticText1, StaticText2}) {
        text->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        text->setMinimumWidth(40);
        text->setAlignment(Qt::AlignCenter);
    }
    ComboBox1 = new QComboBox(this);
    ComboBox1->addItems({QStringLiteral("8 x 8"), QStringLiteral("16 x 16"),
                         QStringLiteral("32 x 32"), QStringLiteral("64 x 64"),
                         QStringLiteral("128 x 128")});
    ComboBox1->setCurrentIndex(2);

    ColorBox1 = new QComboBox(this);
    for (const auto& [name, colour] : Colours()) ColorBox1->addItem(Swatch(colour), name);
    ColorBox1->setCurrentIndex(static_cast<int>(Colours().size()) - 1);  // white
    Label4 = new QLabel(this);
    Label4->setFixedSize(48, 24);
    Label4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label4->setAutoFillBackground(true);
    BtAutre = new QPushButton(QStringLiteral("Autre"), this);
    BtOK = new QPushButton(QStringLiteral("OK"), this);
    BtOK->setDefault(true);
    BtAnnuler = new QPushButton(QStringLiteral("Annuler"), this);

    auto* sizes = new QGroupBox(QStringLiteral("Dimensions"), this);
    auto* sizeForm = new QFormLayout(sizes);
    auto* widthRow = new QHBoxLayout;
    widthRow->addWidget(StaticText1);
    widthRow->addWidget(UpDown1);
    auto* heightRow = new QHBoxLayout;
    heightRow->addWidget(StaticText2);
    heightRow->addWidget(UpDown2);
    sizeForm->addRow(QStringLiteral("Largeur"), widthRow);
    sizeForm->addRow(QStringLiteral("Hauteur"), heightRow);
    sizeForm->addRow(ComboBox1);

    auto* colourGroup = new QGroupBox(QStringLiteral("Couleur du fond"), this);
    auto* colourRow = new QHBoxLayout(colourGroup);
    colourRow->addWidget(ColorBox1);
    colourRow->addWidget(Label4);
    colourRow->addWidget(BtAutre);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtOK);
    buttons->addWidget(BtAnnuler);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sizes);
    layout->addWidget(colourGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(UpDown1, &QSpinBox::valueChanged, this, &TFicheNouveau::UpDown1Click);
    connect(UpDown2, &QSpinBox::valueChanged, this, &TFicheNouveau::UpDown2Click);
    connect(ComboBox1, &QComboBox::activated, this, &TFicheNouveau::ComboBox1Change);
    connect(ColorBox1, &QComboBox::activated, this, &TFicheNouveau::ColorBox1Change);
    connect(BtAutre, &QPushButton::clicked, this, &TFicheNouveau::BtAutreClick);
    connect(BtOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtAnnuler, &QPushButton::clicked, this, &QDialog::reject);
    showSizes();
    showColour();
}

void TFicheNouveau::showSizes() {
    const QSignalBlocker blockWidth(UpDown1), blockHeight(UpDown2);
    UpDown1->setValue(settings_.elementWidth);
    UpDown2->setValue(settings_.elementHeight);
    StaticText1->setText(QString::number(settings_.elementWidth));
    StaticText2->setText(QString::number(settings_.elementHeight));
}

void TFicheNouveau::showColour() {
    QPalette palette = Label4->palette();
    palette.setColor(QPalette::Window, settings_.backgroundColour.toQColor());
    Label4->setPalette(palette);
}

void TFicheNouveau::showEvent(QShowEvent* event) {
    showSizes();
    QDialog::showEvent(event);
}

void TFicheNouveau::UpDown1Click() {
    settings_.elementWidth = UpDown1->value();
    StaticText1->setText(QString::number(settings_.elementWidth));
}

void TFicheNouveau::UpDown2Click() {
    settings_.elementHeight = UpDown2->value();
    StaticText2->setText(QString::number(settings_.elementHeight));
}

void TFicheNouveau::ComboBox1Change(int index) {
    static const int32_t sides[] = {8, 16, 32, 64, 128};
    if (index < 0 || index >= static_cast<int>(std::size(sides))) return;
    settings_.elementWidth = settings_.elementHeight = sides[index];
    showSizes();
}

void TFicheNouveau::ColorBox1Change(int index) {
    if (index < 0 || index >= static_cast<int>(Colours().size())) return;
    settings_.backgroundColour = Colours()[static_cast<size_t>(index)].second;
    showColour();
}

void TFicheNouveau::BtAutreClick() {
    platform::Guard(prompts_, [this] {
        if (const auto colour = prompts_.chooseColour(settings_.backgroundColour)) {
            settings_.backgroundColour = *colour;
            showColour();
        }
    });
}

}  // namespace tessella::texture
