#pragma once
// "Aperçu éclairé": the element repeated 3 x 3 and lit through its normal map by a light that
// follows the pointer. A non-modal child of the editor that follows each picture it shows.

#include <QDialog>
#include <QImage>
#include <QPointF>
#include <cstdint>
#include <optional>
#include <vector>

#include "editor/LitSurface.h"
#include "pixels/WorkingPicture.h"

class QLabel;

namespace tessella::editor {

// The 3 x 3 mosaic fitted into the widget and centred, lit at each repaint.
class LitView final : public QWidget {
    Q_OBJECT

  public:
    // Of the light's height above the surface, and of the unlit share, over a tile's side.
    static constexpr double kLightHeightPerTile = 0.75;
    static constexpr double kAmbient = 0.25;

    explicit LitView(QWidget* parent = nullptr);

    // alpha: the element's alpha, a byte a texel row by row, or empty for an opaque element;
    // transparent texels are shown over the grey checkerboard.
    void setSurface(LitSurface surface, std::vector<uint8_t> alpha = {});
    const LitSurface& surface() const { return surface_; }
    // Where the light is, in the widget's pixels: the pointer's last place, else the middle.
    QPointF lightPosition() const;
    void setLightPosition(QPointF at);
    // Where the mosaic is drawn and how many of its pixels an element pixel takes.
    QRect mosaicRect() const;
    double scale() const;
    // What paintEvent draws over the widget.
    void paintLit(QPainter& painter);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    // The painted frame blended over the checkerboard by the alpha of the texel each pixel
    // shows (the surface's own mapping).
    void blendOverCheckerboard();

    LitSurface surface_;
    std::vector<uint8_t> alpha_;
    std::optional<QPointF> light_;
    QImage frame_;  // kept from one repaint to the next
};

class LitPreview final : public QDialog {
    Q_OBJECT

  public:
    explicit LitPreview(QWidget* editor);

    double strength() const { return strength_; }

    LitView* view;
    QLabel* hintLabel;

  public slots:
    // The editor's picture changed; a hidden window lets it go until it is shown again.
    void showPicture(const QImage& picture);
    void setStrength(double strength);

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void relight();

    // A copy: the editor paints into its own picture, which a shared one would make it copy.
    pixels::WorkingPicture colours_;
    double strength_ = 0;
};

}  // namespace tessella::editor
