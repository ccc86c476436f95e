#include "app/MainWindowPageEvents.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

#include "app/ImageBox.h"
#include "app/PageView.h"
#include "app/TFichePrincipale.h"
#include "app/UpDown.h"
#include "texture/ReplaceMask.h"
#include "texture/TexturePage.h"

namespace tessella::app {

using texture::PageCommand;

void MainWindowPageEvents::showPage(const QImage& page, bool autoSize) {
    PageView* view = w_.Image1;
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
    w_.ComboBox1->setCurrentText(text);
}

void MainWindowPageEvents::setStatusPanel(int panel, const QString& text) {
    w_.StatusPanel(panel)->setText(text);
}

void MainWindowPageEvents::setProgressMaximum(int maximum) {
    // A maximum of 0 would turn the bar into a busy indicator.
    w_.ProgressBar1->setMaximum(std::max(maximum, 1));
}

void MainWindowPageEvents::setProgress(int position) {
    w_.ProgressBar1->setValue(position);
}

void MainWindowPageEvents::setSourceCaption(const QString& caption) {
    w_.GroupBoxSource->setTitle(caption);
}

void MainWindowPageEvents::showSource(const QImage& picture, QSize box, bool stretch) {
    w_.Image2->setPicture(picture);
    w_.Image2->setStretch(stretch);
    w_.Image2->setBoxSize(box.width(), box.height());
}

void MainWindowPageEvents::setLabelDim(const QString& text) {
    w_.LabelDim->setText(text);
}

void MainWindowPageEvents::setEnabled(PageCommand command, bool enabled) {
    switch (command) {
        case PageCommand::Save:
            w_.SauverTGA1->setEnabled(enabled);
            break;
        case PageCommand::SaveAs:
            w_.SauverTextureSous1->setEnabled(enabled);
            break;
        case PageCommand::PrintPage:
            w_.TextureTGAenCours1->setEnabled(enabled);
            break;
        case PageCommand::Extract:
            w_.ExtraireBitmaps1->setEnabled(enabled);
            break;
        case PageCommand::EditSource:
            w_.ModifierSource1->setEnabled(enabled);
            w_.Image2->setEnabled(enabled);
            break;
        case PageCommand::Add:
            w_.BtAjouter->setEnabled(enabled);
            break;
        case PageCommand::Replace:
            w_.BtRemplacer->setEnabled(enabled);
            break;
        case PageCommand::Validate:
            w_.BtValider->setEnabled(enabled);
            break;
        case PageCommand::Abandon:
            w_.BtAbandon->setEnabled(enabled);
            break;
        case PageCommand::PositionControls:
            for (UpDown* u : {w_.UpDown1, w_.UpDown2, w_.UpDown3, w_.UpDown4})
                u->setEnabled(enabled);
            break;
    }
}

void MainWindowPageEvents::showSourcePanel() {
    w_.Panel1->show();
}

void MainWindowPageEvents::setMask(const QRect&) {
    if (mask_) w_.Image1->setMask(mask_->x(), mask_->y(), page_.importWidth, page_.importHeight);
}

void MainWindowPageEvents::setMaskVisible(bool visible) {
    w_.Image1->setMaskVisible(visible);
}

void MainWindowPageEvents::setPositionRanges(const texture::PositionRanges& ranges) {
    w_.UpDown1->setRange(ranges.xMinimum, ranges.xMaximum);
    w_.UpDown3->setRange(ranges.xMinimum, ranges.xMaximum);
    w_.UpDown2->setRange(ranges.yMinimum, ranges.yMaximum);
    w_.UpDown4->setRange(ranges.yMinimum, ranges.yMaximum);
}

void MainWindowPageEvents::setPositions(int32_t x, int32_t y) {
    w_.UpDown1->setPosition(x);
    w_.UpDown3->setPosition(x);
    w_.UpDown2->setPosition(-y);
    w_.UpDown4->setPosition(-y);
}

void MainWindowPageEvents::setPositionText(const QString& text) {
    w_.StaticText1->setText(text);
}

void MainWindowPageEvents::setPageCrossCursor() {
    w_.Image1->setCursor(Qt::CrossCursor);
}

void MainWindowPageEvents::setBusy(bool busy) {
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace tessella::app
