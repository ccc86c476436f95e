#include "texture/TFicheConfirmeLargeur.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessella::texture {

TFicheConfirmeLargeur::TFicheConfirmeLargeur(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Largeur de la texture ?"));
    setModal(true);
    RadioButton256 = new QRadioButton(QStringLiteral("256"), this);
    RadioButton512 = new QRadioButton(QStringLiteral("512"), this);
    RadioButton256->setChecked(true);
    BtFermer = new QPushButton(QStringLiteral("Fermer"), this);
    BtFermer->setDefault(true);

    auto* radios = new QHBoxLayout;
    radios->addWidget(RadioButton256);
    radios->addWidget(RadioButton512);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(radios);
    layout->addWidget(BtFermer, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtFermer, &QPushButton::clicked, this, &TFicheConfirmeLargeur::BtFermerClick);
}

void TFicheConfirmeLargeur::BtFermerClick() {
    done(QDialog::Accepted);
}

void TFicheConfirmeLargeur::done(int result) {
    ChosenWidth = RadioButton256->isChecked() ? 256 : 512;
    QDialog::done(result);
}

int32_t TFicheConfirmeLargeur::askWidth() {
    exec();
    return ChosenWidth;
}

}  // namespace tessella::texture
