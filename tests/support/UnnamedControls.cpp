#include "tests/support/UnnamedControls.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QStringList>

namespace tessella::testing {

bool DoAccessibleAction(QWidget* control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    QAccessibleActionInterface* actions = face ? face->actionInterface() : nullptr;
    if (!actions || actions->actionNames().isEmpty()) return false;
    actions->doAction(actions->actionNames().first());
    return true;
}

namespace {
// A spin box's field and a scroll area's bars speak through the control that holds them.
bool PartOfAnotherControl(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    return parent && (qobject_cast<const QAbstractSpinBox*>(parent) ||
                      qobject_cast<const QComboBox*>(parent) ||
                      parent->objectName().startsWith(QLatin1String("qt_scrollarea_")));
}
}  // namespace

std::string UnnamedControls(QWidget* root) {
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(w);
        const bool control =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
            qobject_cast<QAbstractSlider*>(w) || qobject_cast<QProgressBar*>(w) ||
            qobject_cast<QLineEdit*>(w) || w->inherits("tessella::widgets::ImageBox") ||
            (label && (label->frameShape() != QFrame::NoFrame || label->text().isEmpty()));
        if (!control || w->isHidden() || PartOfAnotherControl(w)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        if (!a || a->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 %2").arg(w->metaObject()->className(), w->objectName());
    }
    return unnamed.join(QStringLiteral(", ")).toStdString();
}

}  // namespace tessella::testing
