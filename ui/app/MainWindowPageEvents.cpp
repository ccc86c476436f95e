#include "ui/app/MainWindowPageEvents.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "texture/ReplaceMask.h"
#include "texture/TexturePage.h"
#include "ui/app/MainWindow.h"
#include "ui/texture/PageView.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::app {

using texture::PageCommand;

void MainWindowPageEvents::showPage(const QImage& page, bool autoSize) {
    PageView* view = w_.pageView;
    view->setPicture(page);
    if (autoSize) {
        view->setStretch(false);
        view->setAutoSize(true);
    }
    // A zoomed view follows the page's new size, so that the picture and the mask keep one
    // scale.
    if (page_.zoomFactor != 1.0 || !view->autoSize()) view->applyZoom(page_.zoomFactor);
}

void MainWindowPageEvents::setImportSizeText(const QString& text) {
    w_.importSizeCombo->setCurrentText(text);
}

void MainWindowPageEvents::setStatusPanel(int panel, const QString& text) {
    w_.statusPanel(panel)->setText(text);
}

void MainWindowPageEvents::setProgressMaximum(int maximum) {
    // A maximum of 0 would turn the bar into a busy indicator.
    w_.progressBar->setMaximum(std::max(maximum, 1));
}

void MainWindowPageEvents::setProgress(int position) {
    w_.progressBar->setValue(position);
}

void MainWindowPageEvents::setSourceCaption(const QString& caption) {
    w_.sourceGroup->setTitle(caption);
}

void MainWindowPageEvents::showSource(const QImage& picture, QSize box, bool stretch) {
    w_.sourcePreview->setPicture(picture);
    w_.sourcePreview->setStretch(stretch);
    w_.sourcePreview->setBoxSize(box.width(), box.height());
}

void MainWindowPageEvents::setSourceSizeText(const QString& text) {
    w_.sourceSizeLabel->setText(text);
}

void MainWindowPageEvents::setEnabled(PageCommand command, bool enabled) {
    switch (command) {
        case PageCommand::Save:
            w_.savePageAction->setEnabled(enabled);
            break;
        case PageCommand::SaveAs:  // any page may be exported for an engine
            w_.savePageAsAction->setEnabled(enabled);
            w_.engineExportAction->setEnabled(enabled);
            w_.compactPageAction->setEnabled(enabled);
            break;
        case PageCommand::PrintPage:
            w_.printPageAction->setEnabled(enabled);
            break;
        case PageCommand::Extract:
            w_.extractElementsAction->setEnabled(enabled);
            break;
        case PageCommand::EditSource:
            w_.editSourceAction->setEnabled(enabled);
            w_.sourcePreview->setEnabled(enabled);
            break;
        case PageCommand::Add:
            w_.addButton->setEnabled(enabled);
            break;
        case PageCommand::Replace:
            w_.replaceButton->setEnabled(enabled);
            break;
        case PageCommand::Validate:
            w_.validateButton->setEnabled(enabled);
            break;
        case PageCommand::Abandon:
            w_.abandonButton->setEnabled(enabled);
            break;
        case PageCommand::PositionControls:
            for (StepArrows* u : {w_.replaceXFineArrows, w_.replaceYFineArrows,
                                  w_.replaceXCoarseArrows, w_.replaceYCoarseArrows})
                u->setEnabled(enabled);
            break;
    }
}

void MainWindowPageEvents::showSourcePanel() {
    w_.sourceFrame->show();
}

void MainWindowPageEvents::setMask(const QRect&) {
    if (mask_) w_.pageView->setMask(mask_->x(), mask_->y(), page_.importWidth, page_.importHeight);
}

void MainWindowPageEvents::setMaskVisible(bool visible) {
    w_.pageView->setMaskVisible(visible);
}

void MainWindowPageEvents::setPositionRanges(const texture::PositionRanges& ranges) {
    w_.replaceXFineArrows->setRange(ranges.xMinimum, ranges.xMaximum);
    w_.replaceXCoarseArrows->setRange(ranges.xMinimum, ranges.xMaximum);
    w_.replaceYFineArrows->setRange(ranges.yMinimum, ranges.yMaximum);
    w_.replaceYCoarseArrows->setRange(ranges.yMinimum, ranges.yMaximum);
}

void MainWindowPageEvents::setPositions(int32_t x, int32_t y) {
    w_.replaceXFineArrows->setPosition(x);
    w_.replaceXCoarseArrows->setPosition(x);
    w_.replaceYFineArrows->setPosition(-y);
    w_.replaceYCoarseArrows->setPosition(-y);
}

void MainWindowPageEvents::setPositionText(const QString& text) {
    w_.replacePositionLabel->setText(text);
}

void MainWindowPageEvents::setPageCrossCursor() {
    w_.pageView->setCursor(Qt::CrossCursor);
}

void MainWindowPageEvents::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void MainWindowPageEvents::setStoppable(bool stoppable) {
    stopRequested_ = false;
    w_.stopButton->setEnabled(stoppable);
    w_.watchEscape(stoppable);
}

void MainWindowPageEvents::refreshCatalogue() {
    emit w_.sourceFilesWritten();
}

}  // namespace tessella::app
