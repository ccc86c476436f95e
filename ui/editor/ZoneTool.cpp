#include "ui/editor/ZoneTool.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "editor/ViewGeometry.h"
#include "editor/ZoneGeometry.h"
#include "platform/Clipboard.h"
#include "platform/Error.h"
#include "platform/Guard.h"
#include "platform/ImageLimits.h"
#include "ui/editor/EditorTexts.h"
#include "ui/editor/EditorView.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/ShapeOverlay.h"

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

// What the clipboard gets: 24 bits, or non-premultiplied ARGB32 for a picture with alpha, so
// that a paste, here or in another program, brings the alpha back.
QImage ClipboardPicture(const QImage& picture) {
    return picture.convertToFormat(picture.hasAlphaChannel() ? QImage::Format_ARGB32
                                                             : QImage::Format_BGR888);
}

// The hourglass for the time of a drop.
struct BusyCursor {
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace

ZoneTool::ZoneTool(platform::Prompts& prompts, platform::Clipboard& clipboard, EditorView& view,
                   const QImage& element, const Menu& menu, QObject* parent)
    : QObject(parent),
      prompts_(prompts),
      clipboard_(clipboard),
      view_(view),
      element_(element),
      menu_(menu) {
    // The zone keeps its element pixels at every zoom.
    connect(&view_, &EditorView::zoomApplied, this, [this] {
        if (state_ == ZoneState::Fixed) placeZoneFrame();
    });
}

// --- The states ----------------------------------------------------------------------------

void ZoneTool::enter(ZoneState next) {
    state_ = next;
    switch (next) {
        case ZoneState::Off:
            hideOverlays();
            view_.view->setCursor(Qt::CrossCursor);
            emit pointerTaken();
            menu_.copyAction->setEnabled(true);
            menu_.zoneAction->setChecked(false);
            menu_.zoneAction->setText(kZoneCaption);
            break;
        case ZoneState::Waiting:
            // A floating paste or a zone of before is given up for the new zone.
            hideOverlays();
            view_.view->setCursor(Qt::SizeAllCursor);
            menu_.zoneAction->setChecked(true);
            menu_.zoneAction->setText(kZoneCloseCaption);
            menu_.copyAction->setEnabled(false);
            break;
        case ZoneState::DrawingBand:
            showZoneBand(QRect(bandStart_, QSize(1, 1)));
            break;
        case ZoneState::Fixed:
            placeZoneFrame();
            menu_.copySelectionAction->setEnabled(true);
            break;
        case ZoneState::PasteFloating:
            hideOverlays();
            PassPointerThrough(view_.pasteOverlay);
            view_.pasteOverlay->show();
            view_.pasteOverlay->raise();
            view_.view->setCursor(Qt::PointingHandCursor);
            break;
    }
}

void ZoneTool::hideOverlays() {
    view_.zoneBand->hide();
    view_.zoneBand->setGeometry(0, 0, 0, 0);
    for (QFrame* edge : view_.zoneEdges) edge->hide();
    view_.pasteOverlay->hide();
}

void ZoneTool::toggleZoneMode() {
    emit pointerTaken();
    enter(state_ == ZoneState::Off ? ZoneState::Waiting : ZoneState::Off);
}

void ZoneTool::dropFloatingPaste() {
    if (state_ == ZoneState::PasteFloating) enter(ZoneState::Off);
}

void ZoneTool::showZoneBand(const QRect& viewRect) {
    PassPointerThrough(view_.zoneBand);
    view_.zoneBand->setGeometry(viewRect);
    view_.zoneBand->show();
    view_.zoneBand->raise();
}

void ZoneTool::placeZoneFrame() {
    const ZoneFrame frame = FrameAround(ZoneInView(zone_, view_.zoom()));
    const QRect edges[] = {frame.top, frame.bottom, frame.left, frame.right};
    for (size_t i = 0; i < view_.zoneEdges.size(); ++i) {
        QFrame* edge = view_.zoneEdges[i];
        PassPointerThrough(edge);
        DotEdge(edge);
        edge->setGeometry(edges[i]);
        edge->show();
        edge->raise();
    }
    view_.zoneBand->hide();
    view_.zoneBand->setGeometry(0, 0, 0, 0);
}

// --- The pointer on the view -------------------------------------------------------------

void ZoneTool::press(Qt::MouseButton button, QPoint pos) {
    if (button != Qt::LeftButton) return;
    if (state_ == ZoneState::Fixed) {
        // The band shows where the fixed zone goes, centred on the pointer.
        showZoneBand(
            ZoneInView(PlaceZone(view_.pixelAt(pos), zone_.size(), elementSize()), view_.zoom()));
    } else if (state_ == ZoneState::Waiting || state_ == ZoneState::DrawingBand) {
        bandStart_ = pos;
        enter(ZoneState::DrawingBand);
    }
}

void ZoneTool::move(Qt::MouseButtons buttons, QPoint pos) {
    const QPoint pixel = view_.pixelAt(pos);
    if (state_ == ZoneState::PasteFloating) {
        // Centred on the pointer, on whole element pixels: it drops where it is seen.
        const QSize size = view_.pasteOverlay->picture().size();
        const QPoint corner(pixel.x() - size.width() / 2, pixel.y() - size.height() / 2);
        view_.pasteOverlay->move(corner * view_.zoom());
        return;
    }
    if (buttons != Qt::LeftButton) return;
    if (state_ == ZoneState::Fixed) {
        for (QFrame* edge : view_.zoneEdges) edge->hide();
        zone_ = PlaceZone(pixel, zone_.size(), elementSize());
        showZoneBand(ZoneInView(zone_, view_.zoom()));
    } else if (state_ == ZoneState::DrawingBand) {
        const QRect band = BandRect(bandStart_, pos);
        showZoneBand(band);
        zone_ = ElementRectOf(band, view_.zoom(), elementSize());
    }
}

void ZoneTool::release(Qt::MouseButton button, QPoint pos) {
    if (button == Qt::RightButton) {
        // Leaves zone mode, and gives up a floating paste.
        if (state_ != ZoneState::Off) enter(ZoneState::Off);
        return;
    }
    if (button != Qt::LeftButton || state_ == ZoneState::Off) return;
    const QSize element = elementSize();
    if (element.isEmpty()) return;
    // A band let go past the view's edge ends on the edge.
    const QPoint inView(std::clamp(pos.x(), 0, view_.view->width()),
                        std::clamp(pos.y(), 0, view_.view->height()));
    view_.view->setCursor(Qt::PointingHandCursor);
    switch (state_) {
        case ZoneState::PasteFloating: {
            const BusyCursor busy;
            const QImage picture = view_.pasteOverlay->picture();
            const QPoint at = DropPosition(view_.pasteOverlay->pos(), view_.zoom());
            // The undo copy is taken at the drop, not at "Coller dans l'image": a paste given up
            // keeps the copy of the operation before it.
            emit pasteDropped(picture, at);
            enter(ZoneState::Off);
            break;
        }
        case ZoneState::Fixed: {
            const QPoint pixel =
                ClampToPicture(view_.pixelAt(inView), element.width(), element.height());
            zone_ = PlaceZone(pixel, zone_.size(), element);
            enter(ZoneState::Fixed);
            break;
        }
        case ZoneState::DrawingBand:
            zone_ = ElementRectOf(BandRect(bandStart_, inView), view_.zoom(), element);
            // A click, or a band narrower than one element pixel, makes no zone.
            enter(zone_.isEmpty() ? ZoneState::Waiting : ZoneState::Fixed);
            break;
        case ZoneState::Waiting:
        case ZoneState::Off:
            break;
    }
}

// --- Clipboard commands ------------------------------------------------------------------

void ZoneTool::clipboardChecked() {
    if (clipboard_.hasImage()) {
        menu_.editMenu->setEnabled(true);
        menu_.pasteAsNewAction->setEnabled(true);
    }
}

void ZoneTool::enablePasteItems() {
    menu_.editMenu->setEnabled(true);
    menu_.pasteAsNewAction->setEnabled(true);
    menu_.pasteIntoAction->setEnabled(true);
}

void ZoneTool::copyElement() {
    platform::Guard(prompts_, [this] {
        if (state_ == ZoneState::Fixed || state_ == ZoneState::PasteFloating) enter(ZoneState::Off);
        if (element_.isNull()) return;
        clipboard_.setImage(ClipboardPicture(element_));
        enablePasteItems();
    });
}

void ZoneTool::copySelection() {
    platform::Guard(prompts_, [this] {
        if (state_ == ZoneState::Fixed || state_ == ZoneState::PasteFloating) enter(ZoneState::Off);
        // A zone kept from a larger element is cut down to this one; an empty zone copies
        // nothing and leaves the clipboard as it was.
        const QRect part = zone_ & element_.rect();
        if (part.isEmpty()) return;
        clipboard_.setImage(ClipboardPicture(element_.copy(part)));
        enablePasteItems();
    });
}

void ZoneTool::pasteAsNewPicture() {
    platform::Guard(prompts_, [this] {
        const QImage picture = PastedPicture(clipboard_.image());
        enter(ZoneState::Off);
        if (picture.isNull()) return refuseUnreadableClipboard();
        platform::CheckImageSize(picture.width(), picture.height(), kPastedPictureWhat);
        emit pictureReplaced(picture);
    });
}

void ZoneTool::refuseUnreadableClipboard() {
    // Qt hands back no picture for one it could not allocate or decode: say so, not nothing.
    if (clipboard_.hasImage()) throw platform::TessellaError(kUnreadableClipboard);
}

void ZoneTool::pasteIntoPicture() {
    platform::Guard(prompts_, [this] {
        const QImage picture = PastedPicture(clipboard_.image());
        if (picture.isNull()) return refuseUnreadableClipboard();
        platform::CheckImageSize(picture.width(), picture.height(), kPastedPictureWhat);
        emit pointerTaken();
        widgets::ImageBox* overlay = view_.pasteOverlay;
        overlay->setPicture(picture);
        const QSize size = ZoomedSize(picture.width(), picture.height(), view_.zoom());
        overlay->setBoxSize(size.width(), size.height());
        // It first floats where the last zone was, or at the view's top-left corner.
        const QSize element = elementSize();
        const bool inside = !zone_.isEmpty() && !element.isEmpty();
        const QPoint corner =
            inside ? ClampToPicture(zone_.topLeft(), element.width(), element.height()) : QPoint();
        overlay->move(corner * view_.zoom());
        enter(ZoneState::PasteFloating);
    });
}

}  // namespace tessella::editor
