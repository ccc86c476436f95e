#pragma once
// A screen reader toggles a checkable button through its accessibility action, which checks it
// without a click: a choice among checkable buttons must follow their checking, not only
// their clicks.

#include <QButtonGroup>
#include <functional>

namespace tessella::widgets {

// Calls chosen(id) when a button of group is checked, by the mouse, the keyboard or a screen
// reader, and when a checked button is clicked again. A click that checks a button calls it
// twice, so chosen must be idempotent; checks made in code go unnoticed under a
// QSignalBlocker on the group.
inline void OnChosen(QButtonGroup* group, QObject* context,
                     const std::function<void(int)>& chosen) {
    QObject::connect(group, &QButtonGroup::idToggled, context, [chosen](int id, bool checked) {
        if (checked) chosen(id);
    });
    QObject::connect(group, &QButtonGroup::idClicked, context, chosen);
}

// The same for a group whose checked button means nothing more when clicked again.
inline void OnChecked(QButtonGroup* group, QObject* context,
                      const std::function<void(int)>& chosen) {
    QObject::connect(group, &QButtonGroup::idToggled, context, [chosen](int id, bool checked) {
        if (checked) chosen(id);
    });
}

}  // namespace tessella::widgets
