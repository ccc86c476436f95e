#pragma once
// "Remplacer": overwriting the element under a movable mask at a position the user chooses.

#include <QRect>

#include "texture/PageContext.h"

namespace tessella::texture {

// The mask in page-view coordinates: left R(x × zoom), top R(y × zoom), width R(width × zoom),
// height R(height × zoom), R rounding ties to even.
QRect MaskGeometry(int32_t x, int32_t y, int32_t width, int32_t height, double zoom);

class ReplaceMask {
  public:
    explicit ReplaceMask(PageContext context) : c_(context) {}

    // startReplacement. True when the mask is shown and "Valider" may place the source.
    bool start();
    // validateReplacement: copies the source onto the page at (X, Y).
    void validate();
    // abandonReplacement: hides the mask only.
    void abandon();

    // moveMaskXFine / moveMaskXCoarse with the control's position (X).
    void moveToX(int32_t position);
    void moveToXCoarse(int32_t position);
    // moveMaskYFine / moveMaskYCoarse with the control's position (-Y).
    void moveToY(int32_t position);
    void moveToYCoarse(int32_t position);
    // placeMaskAt at a point of the page view (without the view's offset).
    void placeAtViewPoint(int32_t viewX, int32_t viewY);
    // After "Ouvrir": the horizontal controls reach PageWidth, the vertical ones -PageHeight.
    void pageOpened();

    int32_t x() const { return x_; }
    int32_t y() const { return y_; }
    bool maskVisible() const { return maskVisible_; }
    const PositionRanges& ranges() const { return ranges_; }

  private:
    void setPosition(int32_t x, int32_t y);
    void moveMask();
    void showPositionText();

    PageContext c_;
    int32_t x_ = 0;
    int32_t y_ = 0;
    PositionRanges ranges_{0, 448, -1024, 0};
    bool maskVisible_ = false;
};

}  // namespace tessella::texture
