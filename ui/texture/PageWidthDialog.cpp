#include "ui/texture/PageWidthDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "texture/PageTexts.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::texture {

PageWidthDialog::PageWidthDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(kPageWidthQuestion);
    setModal(true);
    // The caption alone is cut short by small title bars: the question is in the dialog too.
    questionLabel = new QLabel(kPageWidthQuestion, this);
    questionLabel->setAlignment(Qt::AlignCenter);
    width256Radio = new QRadioButton(QStringLiteral("256"), this);
    width512Radio = new QRadioButton(QStringLiteral("512"), this);
    width256Radio->setChecked(true);
    closeButton = new QPushButton(tr("Fermer"), this);
    closeButton->setDefault(true);

    auto* radios = new QHBoxLayout;
    radios->addStretch();
    radios->addWidget(width256Radio);
    radios->addSpacing(12);
    radios->addWidget(width512Radio);
    radios->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->setSpacing(10);
    layout->addWidget(questionLabel);
    layout->addLayout(radios);
    layout->addWidget(closeButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    questionLabel->setMinimumWidth(fontMetrics().horizontalAdvance(kPageWidthQuestion) +
                                   kTitleBarRoom);

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
    // Only "Fermer" (or Enter) answers: the close box and Escape cancel the new page.
    if (widgets::ExecInFront(*this) != QDialog::Accepted) return 0;
    return chosenWidth;
}

}  // namespace tessella::texture
