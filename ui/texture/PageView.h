#pragma once
// The page view: the texture page picture at the current zoom, with the replace mask painted
// over it (red diagonal cross, red pen, NOT-XOR so that it shows on any colour). A page with
// transparency is shown over the grey checkerboard.

#include <QRect>
#include <vector>

#include "ui/widgets/ImageBox.h"

namespace tessella::texture {

class PageView : public widgets::ImageBox {
    Q_OBJECT

  public:
    explicit PageView(QWidget* parent = nullptr);

    double zoom() const { return zoom_; }
    // The view takes R(picture size x zoom) with stretching on; the mask follows the zoom.
    void applyZoom(double zoom);

    // The mask in page pixels: its top-left corner and the import size.
    void setMask(int x, int y, int width, int height);
    QRect maskInPage() const { return mask_; }
    // The mask in view pixels: R(x zoom), R(y zoom), R(width zoom), R(height zoom).
    QRect maskRect() const { return maskView_; }
    bool maskVisible() const { return maskVisible_; }
    void setMaskVisible(bool visible);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void placeMask();
    // The drawn part of the view into buffer (whose pixel (0, 0) is view point origin), from
    // the picture's rows and columns under each view pixel.
    void paintOpaque(QImage& buffer, QPoint origin, const QRect& drawn,
                     const std::vector<int>& columns, const std::vector<int>& rows) const;
    void paintOverCheckerboard(QImage& buffer, QPoint origin, const QRect& drawn,
                               const std::vector<int>& columns, const std::vector<int>& rows) const;

    double zoom_ = 1.0;
    QRect mask_{0, 0, 64, 64};
    QRect maskView_{0, 0, 64, 64};
    bool maskVisible_ = false;
};

}  // namespace tessella::texture
