#include "app/TForm3.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessella::app {

TForm3::TForm3(AppContext& /*context*/, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("A PROPOS"));
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    Label1 = new QLabel(QStringLiteral("TESSELLA\nÉditeur de textures pour l'éditeur de niveaux "
                                       "d'un jeu en 3-D"),
                        this);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setAlignment(Qt::AlignCenter);
    Label2 = new QLabel(QStringLiteral("Ver.   4.0      Janvier 2003"), this);
    Label2->setAlignment(Qt::AlignCenter);
    BtOK = new QPushButton(QStringLiteral("OK"), this);
    BtOK->setDefault(true);
    connect(BtOK, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(14);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(BtOK, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace tessella::app
