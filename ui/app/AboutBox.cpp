#include "ui/app/AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessella::app {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("À PROPOS"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    productLabel = new QLabel(
        tr("TESSELLA\nÉditeur de textures pour l'éditeur de niveaux d'un jeu en 3-D"), this);
    QFont bold = productLabel->font();
    bold.setBold(true);
    productLabel->setFont(bold);
    productLabel->setAlignment(Qt::AlignCenter);
    versionLabel = new QLabel(tr("Ver.   4.0      Janvier 2003"), this);
    versionLabel->setAlignment(Qt::AlignCenter);
    okButton = new QPushButton(tr("OK"), this);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(14);
    layout->addWidget(productLabel);
    layout->addWidget(versionLabel);
    layout->addWidget(okButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tessella::app
