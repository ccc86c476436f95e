// The element editor's side of the drawing tools and of the catalogue: the mouse handed to the
// tools, the colour picks, strokes drawn into the displayed picture and textures taken over.

#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "ui/widgets/ImageBox.h"
#include "ui/editor/ElementEditor.h"
#include "editor/ViewGeometry.h"
#include "pixels/WorkingPicture.h"
#include "platform/Guard.h"

namespace tessella::editor {

void ElementEditor::pressForDrawing(Qt::MouseButton button, QPoint pixel) {
    if (drawingToolActive_) {
        setOperationButtonsEnabled(true);
        emit drawingPressed(pixel, button);
    }
    if (colourPickPending_) {
        // A press without a move before it picks the pixel under the press.
        colourUnderPointer_ =
            display_.pixelColor(ClampToPicture(pixel, display_.width(), display_.height()));
        colourPickPending_ = false;
        emit colourPicked(colourUnderPointer_);
    }
}

void ElementEditor::moveForDrawing(Qt::MouseButtons buttons, QPoint pixel) {
    if (colourPickPending_ && !display_.isNull()) {
        const QPoint at = ClampToPicture(pixel, display_.width(), display_.height());
        colourUnderPointer_ = display_.pixelColor(at);
        QPalette palette = colourSwatch->palette();
        palette.setColor(QPalette::Window, colourUnderPointer_);
        colourSwatch->setPalette(palette);
    }
    if (drawingToolActive_) emit drawingMoved(pixel, buttons);
}

void ElementEditor::releaseForDrawing(Qt::MouseButton button, QPoint pixel) {
    if (display_.isNull()) return;
    const bool onPicture = IsOnPicture(pixel, display_.width(), display_.height());
    emit drawingReleased(ClampToPicture(pixel, display_.width(), display_.height()), button,
                         onPicture);
}

void ElementEditor::keepUndoCopy() {
    work_.saveUndo();
}

void ElementEditor::drawOnPicture(const std::function<void(QImage&)>& draw) {
    platform::Guard(services_.prompts, [&] {
        draw(display_);
        view->setPicture(display_);
        view->update();
    });
}

void ElementEditor::takeTexture(const QImage& picture, const QString& path) {
    if (reloadPath_.isEmpty()) reloadPath_ = path;
    QImage texture = picture;
    runOperation([&] { work_.load(texture); });
    showTimer->start();
}

}  // namespace tessella::editor
