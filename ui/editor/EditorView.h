#pragma once
// The element editor's view of the element: the picture at the zoom with its arrows and label,
// the rulers and their lines, the pointer's label and the swatch of the colour under it, and
// the overlays the zones and pastes draw on (which ZoneTool drives).

#include <QObject>
#include <QPoint>
#include <array>

#include "platform/ColourValue.h"

class QCheckBox;
class QFrame;
class QGridLayout;
class QGroupBox;
class QImage;
class QLabel;
class QScrollArea;
class QWidget;

namespace tessella::platform {
class Pacer;
class Prompts;
}  // namespace tessella::platform
namespace tessella::widgets {
class ImageBox;
class ShapeOverlay;
class StepArrows;
}  // namespace tessella::widgets

namespace tessella::editor {

class EditorView final : public QObject {
    Q_OBJECT

  public:
    // The pointer label's fill (0x00BBGGRR).
    static constexpr uint32_t kLabelColour = 12910591;

    // The controls are made children of window; the editor lays out zoomGroup, the swatch,
    // rulersCheck and area.
    EditorView(platform::Prompts& prompts, platform::Pacer& pacer, QWidget* window);

    int zoom() const { return zoom_; }
    // The arrows and the label show zoom, and the picture is shown at it.
    void setZoom(int zoom);
    // The element pixel under view point pos at the zoom.
    QPoint pixelAt(QPoint pos) const;

    // Shows picture at the zoom, the canvas fitted to it.
    void showPicture(const QImage& picture);
    // Shows picture at its size as it stands (a drawing under way).
    void repaintPicture(const QImage& picture);
    // Lets go of the picture until repaintPicture gives it back drawn on.
    void releasePicture();
    // The view and the floating paste take the zoom's size.
    void applyZoom();
    // The editor window changed size.
    void windowResized();
    // The ruler lines and the label follow the pointer at view point pos over pixel.
    void followPointer(QPoint pos, QPoint pixel);
    void showSwatch(QColor colour);

    widgets::StepArrows* zoomArrows;
    QLabel* zoomLabel;
    QGroupBox* zoomGroup;
    QLabel* colourSwatch;
    QCheckBox* rulersCheck;
    QGridLayout* area;  // the rulers and the scrolled view

    widgets::ImageBox* horizontalRuler;
    widgets::ImageBox* verticalRuler;
    QScrollArea* scrollArea;
    widgets::ImageBox* view;
    widgets::ImageBox* pasteOverlay;
    widgets::ShapeOverlay* zoneBand;
    std::array<QFrame*, 4> zoneEdges{};  // top, bottom, left, right
    QWidget* verticalRulerLine;
    QWidget* horizontalRulerLine;
    widgets::ShapeOverlay* pointerLabel;

  signals:
    // The view took the zoom's size: what is drawn over it in element pixels follows.
    void zoomApplied();

  private:
    void applyZoomArrows();
    void showRulers();
    void drawRulers();
    void fitCanvas();

    platform::Prompts& prompts_;
    platform::Pacer& pacer_;
    QWidget* canvas_;
    int zoom_ = 1;
};

}  // namespace tessella::editor
