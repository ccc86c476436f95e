#include "ui/widgets/NumberLabel.h"

#include <QAccessible>

namespace tessella::widgets {

NumberLabel::NumberLabel(QWidget* parent) : QLabel(parent) {
    setValue(0);
}

void NumberLabel::setValue(int v) {
    value_ = v;
    setText(QString::number(v));
    // A label with a name of its own does not tell screen readers that its text changed; its
    // name carries the value (AccessibleLabels), so say so here.
    if (!accessibleName().isEmpty()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace tessella::widgets
