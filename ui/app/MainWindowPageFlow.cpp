// The main window's page flow: the top band (import size, zoom, the replace mask's position), the
// page view with its progress bar, and the runs that "Arrêter" stops.

#include "ui/app/MainWindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "texture/PageTexts.h"
#include "ui/app/MainWindowLook.h"
#include "ui/app/PageCommands.h"
#include "ui/texture/PageView.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::app {

QWidget* MainWindow::buildTopBand() {
    auto* band = new QWidget(this);
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 0);

    importGroup = new QGroupBox(tr("Dimensions d'importation"), band);
    auto* importLayout = new QVBoxLayout(importGroup);
    importSizeCombo = new QComboBox(importGroup);
    importSizeCombo->addItems(texture::ImportSizeEntries());
    importSizeCombo->setCurrentText(QStringLiteral("64 x 64"));
    importSizeCombo->setMinimumContentsLength(22);
    importSizeCombo->setAccessibleName(tr("Dimensions d'importation"));
    importSizeCombo->view()->setAccessibleName(importSizeCombo->accessibleName());
    importLayout->addWidget(importSizeCombo);
    importLayout->addStretch();
    row->addWidget(importGroup);

    zoomGroup = new QGroupBox(tr("Zoom"), band);
    auto* zoomLayout = new QHBoxLayout(zoomGroup);
    zoomArrows = new StepArrows(Qt::Vertical, 5, 50, 10, 1, zoomGroup);
    zoomLabel = new QLabel(QStringLiteral("1"), zoomGroup);
    zoomLabel->setFixedWidth(36);
    PaintReadout(zoomLabel, Qt::white);
    zoomResetButton = new QPushButton(QStringLiteral("1"), zoomGroup);
    zoomResetButton->setFixedWidth(28);
    zoomResetButton->setToolTip(tr("Zoom 1"));
    zoomResetButton->setAccessibleName(tr("Zoom 1"));
    zoomArrows->setArrowNames(tr("Zoom +"), tr("Zoom -"));
    zoomLabel->setAccessibleName(tr("Zoom"));
    zoomLayout->addWidget(zoomArrows);
    zoomLayout->addWidget(zoomLabel);
    zoomLayout->addWidget(zoomResetButton);
    row->addWidget(zoomGroup);

    replaceGroup = new QGroupBox(tr("Remplacer"), band);
    auto* replace = new QHBoxLayout(replaceGroup);
    replacePositionLabel = new QLabel(QStringLiteral("0 x 0"), replaceGroup);
    replacePositionLabel->setFixedWidth(80);
    PaintReadout(replacePositionLabel, Qt::white);
    replaceXFineArrows = new StepArrows(Qt::Horizontal, 0, 448, 0, 1, replaceGroup);
    replaceXCoarseArrows = new StepArrows(Qt::Horizontal, 0, 448, 0, 16, replaceGroup);
    replaceYFineArrows = new StepArrows(Qt::Vertical, -1024, 0, 0, 1, replaceGroup);
    replaceYCoarseArrows = new StepArrows(Qt::Vertical, -1024, 0, 0, 16, replaceGroup);
    replaceXFineArrows->setToolTip(tr("X : pas de 1"));
    replaceXCoarseArrows->setToolTip(tr("X : pas de 16"));
    replaceYFineArrows->setToolTip(tr("Y : pas de 1"));
    replaceYCoarseArrows->setToolTip(tr("Y : pas de 16"));
    // The vertical arrows hold -Y: the up arrow moves the mask up.
    replaceXFineArrows->setArrowNames(tr("Position X +"), tr("Position X -"));
    replaceXCoarseArrows->setArrowNames(tr("Position X +16"), tr("Position X -16"));
    replaceYFineArrows->setArrowNames(tr("Position Y -"), tr("Position Y +"));
    replaceYCoarseArrows->setArrowNames(tr("Position Y -16"), tr("Position Y +16"));
    replacePositionLabel->setAccessibleName(tr("Position du masque"));
    validateButton = new QPushButton(tr("Valider"), replaceGroup);
    abandonButton = new QPushButton(tr("Abandon"), replaceGroup);
    replace->addWidget(replacePositionLabel);
    replace->addSpacing(6);
    replace->addWidget(new QLabel(QStringLiteral("X"), replaceGroup));
    replace->addWidget(replaceXFineArrows);
    replace->addWidget(replaceXCoarseArrows);
    replace->addSpacing(6);
    replace->addWidget(new QLabel(QStringLiteral("Y"), replaceGroup));
    replace->addWidget(replaceYFineArrows);
    replace->addWidget(replaceYCoarseArrows);
    replace->addSpacing(6);
    replace->addWidget(validateButton);
    replace->addWidget(abandonButton);
    row->addWidget(replaceGroup);
    row->addStretch(1);
    return band;
}

QGroupBox* MainWindow::buildPageView() {
    pageGroup = new QGroupBox(tr(" Texture TGA "), this);
    auto* layout = new QVBoxLayout(pageGroup);
    pageScroll = new QScrollArea(pageGroup);
    pageScroll->setWidgetResizable(false);
    pageScroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pageView = new PageView;
    pageView->setAccessibleName(tr("Texture TGA"));
    pageScroll->setAccessibleName(tr("Vue de la texture"));
    pageScroll->setWidget(pageView);
    progressBar = new QProgressBar(pageGroup);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    progressBar->setMaximumHeight(14);
    progressBar->setAccessibleName(tr("Progression"));
    stopButton = new QPushButton(texture::kStopCaption, pageGroup);
    stopButton->setAccessibleName(texture::kStopName);
    stopButton->setToolTip(texture::kStopName);
    stopButton->setEnabled(false);  // only during a run
    layout->addWidget(pageScroll, 1);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progressBar, 1);
    progressRow->addWidget(stopButton);
    layout->addLayout(progressRow);
    return pageGroup;
}

void MainWindow::changeImportSize() {
    runCommand(
        [this] { commands_->sourcePanel().importSizeChanged(importSizeCombo->currentText()); });
}

void MainWindow::applyZoom() {
    runCommand([this] {
        const double zoom = zoomArrows->position() / 10.0;
        services_.page.zoomFactor = zoom;
        zoomLabel->setText(QString::number(zoom, 'f', 1));
        pageView->applyZoom(zoom);
    });
}

void MainWindow::resetZoom() {
    zoomArrows->setPosition(10);
    pageView->setStretch(false);
    pageView->setAutoSize(true);
    applyZoom();
}

void MainWindow::moveMaskXFine() {
    runCommand([this] { commands_->mask().moveToX(replaceXFineArrows->position()); });
}

void MainWindow::moveMaskYFine() {
    runCommand([this] { commands_->mask().moveToY(replaceYFineArrows->position()); });
}

void MainWindow::moveMaskXCoarse() {
    runCommand([this] { commands_->mask().moveToXCoarse(replaceXCoarseArrows->position()); });
}

void MainWindow::moveMaskYCoarse() {
    runCommand([this] { commands_->mask().moveToYCoarse(replaceYCoarseArrows->position()); });
}

void MainWindow::validateReplacement() {
    runCommand([this] { commands_->mask().validate(); });
}

void MainWindow::abandonReplacement() {
    runCommand([this] { commands_->mask().abandon(); });
}

void MainWindow::startReplacement() {
    runCommand([this] { commands_->mask().start(); });
}

void MainWindow::addSelectedSources() {
    runCommand([this] { commands_->packer().add(sourceEntries()); });
}

void MainWindow::placeMaskAt(Qt::MouseButton, QPoint pos) {
    runCommand([this, pos] {
        if (commands_->mask().maskVisible()) commands_->mask().placeAtViewPoint(pos.x(), pos.y());
    });
}

void MainWindow::stopRun() {
    commands_->requestStop();
}

void MainWindow::watchEscape(bool on) {
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
}

}  // namespace tessella::app
