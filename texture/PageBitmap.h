#pragma once
// The texture page's pixels: 24-bit rows (blue, green, red) that grow in place. Rows live in
// blocks of a fixed number of rows, so growing the page downward only adds blocks and never
// copies the rows already there; the window gets a QImage copy only when it shows the page.
// A page that holds an element with transparency also has an alpha plane, one byte a pixel in
// blocks of the same rows; an opaque page has none and runs as it always has.

#include <QImage>
#include <QRect>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/ColourValue.h"

namespace tessella::texture {

// True when picture has a texel below 255 (a format with alpha whose texels are all 255 is
// opaque).
bool HasTransparency(const QImage& picture);

class PageBitmap {
  public:
    PageBitmap() = default;
    PageBitmap(const PageBitmap& other);
    PageBitmap& operator=(const PageBitmap& other);
    PageBitmap(PageBitmap&&) noexcept = default;
    PageBitmap& operator=(PageBitmap&&) noexcept = default;

    // A width x height page filled with fill. Checks the shared pixel limit first.
    static PageBitmap filled(int32_t width, int32_t height, platform::ColourValue fill);
    // A page with nothing on it: magenta, or (0, 0, 0, 0) with an alpha plane when transparent.
    static PageBitmap freeArea(int32_t width, int32_t height, bool transparent);
    // A page of the picture's size: white, with the picture drawn on it at (0, 0); a picture
    // with transparency gives a page with its alpha.
    static PageBitmap fromPicture(const QImage& picture);
    // A 24-bit TGA or raw 24-bit BMP file read straight into a page's rows; nothing for any
    // other file, or one that would not load that way (the general loader then reads it and
    // gives its message).
    static std::optional<PageBitmap> readFile(const QString& path);

    bool isNull() const { return width_ <= 0 || height_ <= 0; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }

    // Gives the page this size; new area takes fill (and alpha 0 on a page with alpha: grown
    // area is free), area outside the new size is dropped. Checks the shared pixel limit before
    // it allocates.
    void resize(int32_t width, int32_t height, platform::ColourValue fill);
    // Draws picture pixel for pixel with its top-left corner at (x, y), its alpha with it (255
    // for an opaque picture on a page with alpha); what falls outside the page is cut off. A
    // picture with transparency gives an opaque page its alpha plane first (every pixel 255).
    void draw(const QImage& picture, int32_t x, int32_t y);
    // Fills the rectangle (clipped to the page), opaque.
    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height, platform::ColourValue c);

    // Copies the rect of source (inside it) here with its top-left at at; it must fit. The
    // alpha comes along (255 from an opaque source); a source with alpha gives this page a
    // plane.
    void drawFrom(const PageBitmap& source, const QRect& rect, QPoint at);
    // A copy of the whole page (null when there is no page): Format_BGR888, or non-premultiplied
    // Format_ARGB32 for a page with alpha.
    QImage image() const;
    // The same for a rectangle inside the page; parts outside stay black (and transparent).
    QImage copy(int32_t x, int32_t y, int32_t width, int32_t height) const;
    // The colour of one pixel, for checks.
    platform::ColourValue pixel(int32_t x, int32_t y) const;

    // The alpha plane: width bytes a row, 0 transparent to 255 opaque.
    bool hasAlpha() const { return !alphaBlocks_.empty(); }
    // 255 on a page without a plane.
    uint8_t alpha(int32_t x, int32_t y) const;
    const uint8_t* alphaRow(int32_t y) const {
        return alphaBlocks_[static_cast<size_t>(y) >> kBlockShift].get() +
               (static_cast<size_t>(y) & (kBlockRows - 1)) * static_cast<size_t>(width_);
    }
    // Gives the page a plane, every pixel opaque, and makes every pixel outside the elements'
    // rectangles free: (0, 0, 0, 0).
    void freeOutside(const std::vector<QRect>& elements);
    // Drops the plane when no pixel is below 255; answers whether the page keeps one.
    bool settleAlpha();
    // What the free area of this page holds: magenta, or black (under alpha 0) with alpha.
    platform::ColourValue freeColour() const;

    const uint8_t* row(int32_t y) const {
        return blocks_[static_cast<size_t>(y) >> kBlockShift].get() +
               (static_cast<size_t>(y) & (kBlockRows - 1)) * stride_;
    }

  private:
    static constexpr size_t kBlockShift = 8;
    static constexpr size_t kBlockRows = size_t{1} << kBlockShift;
    using Block = std::unique_ptr<uint8_t[]>;

    uint8_t* row(int32_t y) { return const_cast<uint8_t*>(std::as_const(*this).row(y)); }
    uint8_t* alphaRow(int32_t y) { return const_cast<uint8_t*>(std::as_const(*this).alphaRow(y)); }
    void fillRow(int32_t y, int32_t from, int32_t to, platform::ColourValue c);
    // Sets alpha a to columns from..to of row y (a page with a plane).
    void fillAlphaRow(int32_t y, int32_t from, int32_t to, uint8_t a) {
        std::memset(alphaRow(y) + from, a, static_cast<size_t>(to - from));
    }
    void addAlpha();
    // blocks, rows of oldStride bytes, laid out again for height rows of newStride bytes; the
    // first keptRows rows keep their first min(oldStride, newStride) bytes.
    static std::vector<Block> Relaid(const std::vector<Block>& blocks, size_t oldStride,
                                     size_t newStride, int32_t keptRows, int32_t height);
    static std::vector<Block> CopyBlocks(const std::vector<Block>& blocks, size_t blockBytes);
    // New rows whose every pixel is about to be written: no fill.
    void resizeForOverwrite(int32_t width, int32_t height);
    static size_t BlocksFor(int32_t rows) {
        return (static_cast<size_t>(rows) + kBlockRows - 1) >> kBlockShift;
    }

    int32_t width_ = 0;
    int32_t height_ = 0;
    size_t stride_ = 0;               // bytes of one row (3 x width)
    std::vector<Block> blocks_;       // kBlockRows rows each
    std::vector<Block> alphaBlocks_;  // kBlockRows rows of width bytes each; empty when opaque
};

}  // namespace tessella::texture
