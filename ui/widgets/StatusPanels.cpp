#include "ui/widgets/StatusPanels.h"

#include <QCoreApplication>
#include <QLabel>
#include <QStatusBar>

namespace tessella::widgets {

QStatusBar* NewStatusBar(QWidget* parent) {
    auto* bar = new QStatusBar(parent);
    bar->setSizeGripEnabled(false);
    return bar;
}

QLabel* AddStatusPanel(QStatusBar* bar, int width, const QString& accessibleName,
                       const QString& text) {
    auto* panel = new QLabel(text, bar);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setFixedWidth(width);
    panel->setAccessibleName(accessibleName);
    // Screen readers announce the bar that holds the panels too.
    if (bar->accessibleName().isEmpty())
        bar->setAccessibleName(QCoreApplication::translate("StatusPanels", "Barre d'état"));
    bar->addWidget(panel);
    return panel;
}

QString NumberedPanelName(int number) {
    return QCoreApplication::translate("StatusPanels", "Barre d'état %1").arg(number);
}

}  // namespace tessella::widgets
