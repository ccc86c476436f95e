#pragma once
// The owner of the working pixel array: the picture every pixel operation works on, its
// one-level undo copy, a scratch array, and the header fields that travel with the picture.

#include <QImage>
#include <utility>

#include "pixels/PixelGrid.h"

namespace tessella::pixels {

class WorkingPicture {
  public:
    PixelGrid& image() { return image_; }
    const PixelGrid& image() const { return image_; }
    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Working space for operations that build a new picture; its contents are unspecified.
    PixelGrid& scratch() { return scratch_; }
    // The scratch becomes the picture (the old picture is left in the scratch).
    void adoptScratch() { std::swap(image_, scratch_); }

    // Resolution carried from the loaded bitmap to the stored one (pixels per metre).
    int dotsPerMeterX() const { return dotsPerMeterX_; }
    int dotsPerMeterY() const { return dotsPerMeterY_; }
    void setDotsPerMeter(int x, int y) {
        dotsPerMeterX_ = x;
        dotsPerMeterY_ = y;
    }

    // Fills the array from bitmap, whatever its format, and leaves bitmap as 24 bits
    // (Format_BGR888) with the same colours. 1, 4 and 8-bit pictures use their palette; 5-5-5
    // and 5-6-5 pixels take each channel times 8 (green of 5-6-5 times 4); 32-bit pixels drop
    // their fourth byte. Throws TessellaError on an empty or oversized bitmap (array unchanged).
    void load(QImage& bitmap);
    // Replaces bitmap with the array's W x H pixels as Format_BGR888 and the resolution.
    // An empty array gives a null bitmap.
    void store(QImage& bitmap) const;

    // An undo copy with the resolution that goes with it.
    struct UndoCopy {
        PixelGrid picture;
        int dotsPerMeterX = 0;
        int dotsPerMeterY = 0;
        bool valid = false;
    };

    // The undo copy becomes the picture as it stands, with its size and resolution. Answers
    // the copy it replaces, for putBackUndo when the operation that follows fails. A failed
    // allocation leaves the old copy in place.
    UndoCopy saveUndo();
    // The copy saveUndo replaced becomes the undo copy again.
    void putBackUndo(UndoCopy previous) { undo_ = std::move(previous); }
    // The picture, size and resolution become the undo copy again; the copy stays valid.
    // Does nothing when no copy was ever saved; a failed allocation changes nothing.
    void restoreUndo();
    // Forgets the undo copy (a new element is being edited).
    void discardUndo() { undo_ = UndoCopy{}; }
    bool hasUndo() const { return undo_.valid; }

  private:
    PixelGrid image_;
    PixelGrid scratch_;
    UndoCopy undo_;
    int dotsPerMeterX_ = 0;
    int dotsPerMeterY_ = 0;
};

}  // namespace tessella::pixels
