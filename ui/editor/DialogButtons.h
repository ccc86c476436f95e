#pragma once
// The OK and Cancel row that the editor's small dialogs share.

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "ui/editor/EditorTexts.h"

namespace tessella::editor {

// A row of OK and Cancel for dialog, each named for screen readers, OK accepting and Cancel
// rejecting the dialog; ok and cancel receive the two buttons.
inline QDialogButtonBox* OkCancelButtons(QDialog* dialog, QPushButton*& ok, QPushButton*& cancel) {
    auto* buttons = new QDialogButtonBox(dialog);
    ok = buttons->addButton(kOkCaption, QDialogButtonBox::AcceptRole);
    cancel = buttons->addButton(kCancelCaption, QDialogButtonBox::RejectRole);
    ok->setAccessibleName(kOkCaption);
    cancel->setAccessibleName(kCancelCaption);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace tessella::editor
