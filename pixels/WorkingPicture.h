#pragma once
// The owner of the working pixel array: the picture every pixel operation works on, its
// undo and redo history, a scratch array, and the header fields that travel with the picture.

#include <QImage>
#include <cstddef>
#include <deque>
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

    // Fills the array from bitmap, whatever its format, and leaves bitmap as store() makes it,
    // with the same colours. 1, 4 and 8-bit pictures use their palette (its alpha too); 5-5-5
    // and 5-6-5 pixels take each channel times 8 (green of 5-6-5 times 4); RGB32 drops its
    // fourth byte; ARGB32 (and any format with alpha) keeps its alpha as the plane when a
    // texel is below 255. Throws TessellaError on an empty or oversized bitmap.
    void load(QImage& bitmap);
    // Replaces bitmap with the array's W x H pixels and the resolution: Format_BGR888 for an
    // opaque picture, non-premultiplied Format_ARGB32 for one with alpha. An empty array gives
    // a null bitmap.
    void store(QImage& bitmap) const;
    // The format store() gives.
    QImage::Format StoredFormat() const;

    // One step of the history: a picture with its resolution.
    struct UndoCopy {
        PixelGrid picture;
        int dotsPerMeterX = 0;
        int dotsPerMeterY = 0;
    };
    // What saveUndo set aside, for putBackUndo when the operation that follows fails.
    struct SavedStep {
        std::deque<UndoCopy> redo;
        bool pushed = false;
    };

    // The history keeps at most this many bytes of copies (undo and redo together) and this
    // many steps each way; the oldest go first. One step is always kept, however large, so
    // that the last change of a very large element can still be undone.
    static constexpr std::size_t kHistoryBytes = std::size_t{256} << 20;
    static constexpr int kHistorySteps = 100;
    void setHistoryLimits(std::size_t bytes, int steps);

    // A new step: the picture as it stands, with its size and resolution, goes on the undo
    // list, the redo list is emptied, and the oldest steps go past the limits. A failed
    // allocation leaves the lists as they were, but for the oldest steps dropped for room.
    SavedStep saveUndo();
    // Takes back the step saveUndo made and brings the redo list back.
    void putBackUndo(SavedStep saved);
    // The last step comes back (the picture as it stood goes on the redo list), or the last
    // undone one goes again. Both only move pictures: no copy. They answer false when there
    // is nothing to bring back.
    bool undo();
    bool redo();
    // Forgets the history (a new element is being edited).
    void discardUndo();
    bool hasUndo() const { return !undo_.empty(); }
    bool hasRedo() const { return !redo_.empty(); }
    int undoSteps() const { return static_cast<int>(undo_.size()); }
    int redoSteps() const { return static_cast<int>(redo_.size()); }
    // Bytes held by the copies of both lists.
    std::size_t historyBytes() const;

  private:
    // Drops the oldest steps until both lists are within the limits.
    void trimHistory();
    // Takes the last copy of from as the picture, the picture going onto to.
    bool stepHistory(std::deque<UndoCopy>& from, std::deque<UndoCopy>& to);

    PixelGrid image_;
    PixelGrid scratch_;
    // Oldest first on both: undo_.back() is the last step, redo_.back() the last undone.
    std::deque<UndoCopy> undo_;
    std::deque<UndoCopy> redo_;
    std::size_t historyLimitBytes_ = kHistoryBytes;
    int historyLimitSteps_ = kHistorySteps;
    int dotsPerMeterX_ = 0;
    int dotsPerMeterY_ = 0;
};

}  // namespace tessella::pixels
