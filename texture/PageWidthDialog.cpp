#include "texture/PageWidthDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessella::texture {

PageWidthDialog::PageWidthDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Largeur de la texture ?"));
    setModal(true);
    width256Radio = new QRadioButton(QStringLiteral("256"), this);
    width512Radio = new QRadioButton(QStringLiteral("512"), this);
    width256Radio->setChecked(true);
    closeButton = new QPushButton(QStringLiteral("Fermer"), this);
    closeButton->setDefault(true);

    auto* radios = new QHBoxLayout;
    radios->addWidget(width256Radio);
    radios->addWidget(width512Radio);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(radios);
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(closeButton, &QPushButton::clicked, this, &PageWidthDialog::acceptChoice);
}

void PageWidthDialog::acceptChoice() {
    done(QDialog::Accepted);
}

void PageWidthDialog::done(int result) {
    chosenWidth = width256Radio->isChecked() ? 256 : 512;
    QDialog::done(result);
}

int32_t PageWidthDialog::askWidth() {
    exec();
    return chosenWidth;
}

}  // namespace tessella::texture
