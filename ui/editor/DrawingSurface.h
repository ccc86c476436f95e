#pragma once
// What the drawing tools may do to the element editor: the narrow side of the editor that the
// palette draws through. The editor hands the pointer's events over by its own signals.

#include <QImage>
#include <functional>

class QCursor;

namespace tessella::editor {

class DrawingSurface {
  public:
    // With a tool active, a press on the picture goes to the tools.
    virtual void setDrawingToolActive(bool active) = 0;
    // The next press on the picture hands the colour under it to the tools.
    virtual void requestColourPick() = 0;
    virtual void cancelColourPick() = 0;
    // The cursor over the picture shows the tool.
    virtual void setPointerCursor(const QCursor& cursor) = 0;
    // The operation buttons wait for the first drawing or texture on a new element.
    virtual void enableOperations() = 0;
    // The tools are about to change the picture: the undo copy becomes the picture as it stands.
    virtual void keepUndoCopy() = 0;
    // draw paints into the displayed picture, which is shown again; pictureDrawn ends it.
    virtual void drawOnPicture(const std::function<void(QImage&)>& draw) = 0;
    // The drawn picture becomes the working picture.
    virtual void pictureDrawn() = 0;

  protected:
    ~DrawingSurface() = default;
};

}  // namespace tessella::editor
