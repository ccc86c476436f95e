// Screen readers and GUI robots find every control by its accessible name, as Qt's
// accessibility layer reports it to the desktop's accessibility bus.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

#include "app/AboutBox.h"
#include "app/HelpWindow.h"
#include "app/ImageBox.h"
#include "app/UpDown.h"
#include "tests/app/WindowFixture.h"
#include "texture/NewElementDialog.h"

namespace tessella::testing {
namespace {

// The controls under root that a screen reader would announce without a name.
QStringList UnnamedControls(QWidget* root) {
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractSpinBox*>(w) ||
                             qobject_cast<QAbstractItemView*>(w) ||
                             qobject_cast<QProgressBar*>(w) || qobject_cast<app::ImageBox*>(w);
        // Panels that are captions or readouts must be named too when they start empty.
        const auto* label = qobject_cast<QLabel*>(w);
        const bool readout = label && label->frameShape() != QFrame::NoFrame;
        if ((!control && !readout) || w->isHidden()) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return unnamed;
}

class AccessibleNames : public WindowFixture {};

TEST_F(AccessibleNames, EveryControlOfTheWindowsHasOne) {
    app::AboutBox about(context);
    app::HelpWindow help(context);
    texture::NewElementDialog newElement(context.newElement, prompts);
    const std::pair<const char*, QWidget*> windows[] = {{"main", window.get()},
                                                        {"about", &about},
                                                        {"help", &help},
                                                        {"new element", &newElement},
                                                        {"page width", widthDialog}};
    for (const auto& [name, w] : windows)
        EXPECT_EQ(UnnamedControls(w).join(", ").toStdString(), "") << name;
    // The arrows say which way they move the mask (the vertical ones hold -Y).
    QAccessibleInterface* up =
        QAccessible::queryAccessibleInterface(window->replaceYFineArrows->nextButton());
    EXPECT_EQ(up->text(QAccessible::Name), "Position Y -");
}

}  // namespace
}  // namespace tessella::testing
