// The element editor's zones and clipboard commands: "Zone", the rubber band, the fixed zone
// and its frame, "Copier", "Copier la sélection", "Coller comme nouvelle image" and "Coller
// dans l'image" with the picture that floats under the pointer until the next left release.

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>

#include "ui/widgets/ImageBox.h"
#include "ui/widgets/ShapeOverlay.h"
#include "ui/editor/EditorTexts.h"
#include "ui/editor/ElementEditor.h"
#include "platform/Clipboard.h"
#include "platform/Prompts.h"
#include "editor/ViewGeometry.h"
#include "editor/ZoneGeometry.h"
#include "pixels/WorkingPicture.h"
#include "platform/Guard.h"
#include "platform/ImageLimits.h"

namespace tessella::editor {

namespace {

// What is drawn over the view lets the pointer through: the view takes every press.
void PassPointerThrough(QWidget* widget) {
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
}

// Black and white dots in turn, so the frame shows on dark and light pictures alike.
void DotEdge(QFrame* edge) {
    if (edge->autoFillBackground()) return;
    QPixmap dots(2, 2);
    dots.fill(Qt::white);
    {
        QPainter p(&dots);
        p.setPen(Qt::black);
        p.drawPoint(0, 0);
        p.drawPoint(1, 1);
    }
    QPalette palette = edge->palette();
    palette.setBrush(QPalette::Window, QBrush(dots));
    edge->setPalette(palette);
    edge->setFrameShape(QFrame::NoFrame);
    edge->setAutoFillBackground(true);
}

// The hourglass for the time of a drop.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

// --- Zone mode ---------------------------------------------------------------------------

void ElementEditor::toggleZoneMode() {
    setDrawingToolActive(false);
    emit drawingToolDropped();
    zoneMenuOn_ = !zoneMenuOn_;
    if (!zoneMenuOn_) return endZone();
    // A floating paste is given up for the new zone.
    resetZone();
    zoneMode_ = true;
    zoneAction->setChecked(true);
    zoneAction->setText(kZoneCloseCaption);
    view->setCursor(Qt::SizeAllCursor);
    copyAction->setEnabled(false);
}

void ElementEditor::resetZone() {
    zoneFixed_ = drawingBand_ = pastePending_ = zoneMode_ = false;
    zoneBand->hide();
    zoneBand->setGeometry(0, 0, 0, 0);
    for (QFrame* edge : zoneEdges) edge->hide();
    pasteOverlay->hide();
    view->setCursor(Qt::SizeAllCursor);
}

void ElementEditor::endZone() {
    resetZone();
    view->setCursor(Qt::CrossCursor);
    emit drawingToolDropped();
    copyAction->setEnabled(true);
    zoneMenuOn_ = false;
    zoneAction->setChecked(false);
    zoneAction->setText(kZoneCaption);
}

void ElementEditor::showZoneBand(const QRect& viewRect) {
    PassPointerThrough(zoneBand);
    zoneBand->setGeometry(viewRect);
    zoneBand->show();
    zoneBand->raise();
}

void ElementEditor::placeZoneFrame() {
    const ZoneFrame frame = FrameAround(ZoneInView(zone_, zoom_));
    const QRect edges[] = {frame.top, frame.bottom, frame.left, frame.right};
    for (size_t i = 0; i < zoneEdges.size(); ++i) {
        PassPointerThrough(zoneEdges[i]);
        DotEdge(zoneEdges[i]);
        zoneEdges[i]->setGeometry(edges[i]);
        zoneEdges[i]->show();
        zoneEdges[i]->raise();
    }
    zoneBand->hide();
    zoneBand->setGeometry(0, 0, 0, 0);
}

// --- The pointer on the view -------------------------------------------------------------

void ElementEditor::pressForZone(Qt::MouseButton button, QPoint pos) {
    if (button != Qt::LeftButton || !zoneMode_ || pastePending_) return;
    const QSize element(work_.width(), work_.height());
    if (zoneFixed_) {
        // The band shows where the fixed zone goes, centred on the pointer.
        showZoneBand(ZoneInView(PlaceZone(ViewToPixel(pos, zoom_), zone_.size(), element), zoom_));
        return;
    }
    bandStart_ = pos;
    drawingBand_ = true;
    showZoneBand(QRect(pos, QSize(1, 1)));
}

void ElementEditor::moveForZone(Qt::MouseButtons buttons, QPoint pos) {
    const QPoint pixel = ViewToPixel(pos, zoom_);
    if (pastePending_) {
        // Centred on the pointer, on whole element pixels: it drops where it is seen.
        const QSize size = pasteOverlay->picture().size();
        const QPoint corner(pixel.x() - size.width() / 2, pixel.y() - size.height() / 2);
        pasteOverlay->move(corner * zoom_);
        return;
    }
    if (!zoneMode_ || buttons != Qt::LeftButton) return;
    const QSize element(work_.width(), work_.height());
    if (zoneFixed_) {
        for (QFrame* edge : zoneEdges) edge->hide();
        zone_ = PlaceZone(pixel, zone_.size(), element);
        showZoneBand(ZoneInView(zone_, zoom_));
    } else if (drawingBand_) {
        const QRect band = BandRect(bandStart_, pos);
        showZoneBand(band);
        zone_ = ElementRectOf(band, zoom_, element);
    }
}

void ElementEditor::releaseForZone(Qt::MouseButton button, QPoint pos) {
    if (button == Qt::RightButton) {
        // Leaves zone mode, and gives up a floating paste.
        if (zoneMenuOn_ || pastePending_) endZone();
        return;
    }
    if (button != Qt::LeftButton || !zoneMenuOn_) return;
    const QSize element(work_.width(), work_.height());
    if (element.isEmpty()) return;
    // A band let go past the view's edge ends on the edge.
    const QPoint inView(std::clamp(pos.x(), 0, view->width()), std::clamp(pos.y(), 0, view->height()));
    view->setCursor(Qt::PointingHandCursor);
    if (pastePending_) {
        dropPaste();
    } else if (zoneFixed_ && !drawingBand_) {
        const QPoint pixel = ClampToPicture(ViewToPixel(inView, zoom_), element.width(), element.height());
        zone_ = PlaceZone(pixel, zone_.size(), element);
        placeZoneFrame();
    } else if (drawingBand_) {
        drawingBand_ = false;
        zone_ = ElementRectOf(BandRect(bandStart_, inView), zoom_, element);
        if (zone_.isEmpty()) {
            // A click, or a band narrower than one element pixel, makes no zone.
            zoneBand->hide();
            view->setCursor(Qt::SizeAllCursor);
            return;
        }
        zoneFixed_ = true;
        placeZoneFrame();
    }
    if (zoneFixed_) copySelectionAction->setEnabled(true);
}

void ElementEditor::dropPaste() {
    const BusyCursor busy;
    const QImage picture = pasteOverlay->picture();
    const QPoint at = DropPosition(pasteOverlay->pos(), zoom_);
    pastePending_ = false;
    // The undo copy is taken here, not at "Coller dans l'image": a paste given up keeps the
    // copy of the operation before it.
    runOperation([&] {
        QImage merged = display_;
        QPainter(&merged).drawImage(at, picture);  // what lies past the edges is left out
        work_.load(merged);
    });
    endZone();
}

// --- Clipboard commands ------------------------------------------------------------------

void ElementEditor::enablePasteItems() {
    editMenu->setEnabled(true);
    pasteAsNewAction->setEnabled(true);
    pasteIntoAction->setEnabled(true);
}

void ElementEditor::copyElement() {
    platform::Guard(services_.prompts, [this] {
        if (zoneFixed_) endZone();
        if (display_.isNull()) return;
        clipboard().setImage(display_.convertToFormat(QImage::Format_BGR888));
        enablePasteItems();
    });
}

void ElementEditor::copySelection() {
    platform::Guard(services_.prompts, [this] {
        if (zoneFixed_) endZone();
        // A zone kept from a larger element is cut down to this one; an empty zone copies
        // nothing and leaves the clipboard as it was.
        const QRect part = zone_ & display_.rect();
        if (part.isEmpty()) return;
        clipboard().setImage(display_.copy(part).convertToFormat(QImage::Format_BGR888));
        enablePasteItems();
    });
}

void ElementEditor::pasteAsNewPicture() {
    platform::Guard(services_.prompts, [this] {
        QImage picture = PastedPicture(clipboard().image());
        endZone();
        if (picture.isNull()) return;
        platform::CheckImageSize(picture.width(), picture.height(), kPastedPictureWhat);
        // No undo copy: "Défaire" still brings back the last operation's.
        work_.load(picture);
        display_ = picture;
        reloadPath_ = kPastedFileName;
        showWorkingPicture();
    });
}

void ElementEditor::pasteIntoPicture() {
    platform::Guard(services_.prompts, [this] {
        const QImage picture = PastedPicture(clipboard().image());
        if (picture.isNull()) return;
        platform::CheckImageSize(picture.width(), picture.height(), kPastedPictureWhat);
        resetZone();
        setDrawingToolActive(false);
        emit drawingToolDropped();
        pasteOverlay->setPicture(picture);
        const QSize size = ZoomedSize(picture.width(), picture.height(), zoom_);
        pasteOverlay->setBoxSize(size.width(), size.height());
        // It first floats where the last zone was, or at the view's top-left corner.
        const bool inside = !zone_.isEmpty() && work_.width() > 0 && work_.height() > 0;
        const QPoint corner = inside ? ClampToPicture(zone_.topLeft(), work_.width(), work_.height())
                                     : QPoint();
        pasteOverlay->move(corner * zoom_);
        PassPointerThrough(pasteOverlay);
        pasteOverlay->show();
        pasteOverlay->raise();
        pastePending_ = zoneFixed_ = zoneMenuOn_ = true;
        view->setCursor(Qt::PointingHandCursor);
    });
}

}  // namespace tessella::editor
