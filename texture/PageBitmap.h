#pragma once
// The texture page's pixels: 24-bit rows (blue, green, red) that grow in place. Rows live in
// blocks of a fixed number of rows, so growing the page downward only adds blocks and never
// copies the rows already there; the window gets a QImage copy only when it shows the page.

#include <QImage>
#include <QRect>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/ColourValue.h"

namespace tessella::texture {

class PageBitmap {
  public:
    PageBitmap() = default;
    PageBitmap(const PageBitmap& other);
    PageBitmap& operator=(const PageBitmap& other);
    PageBitmap(PageBitmap&&) noexcept = default;
    PageBitmap& operator=(PageBitmap&&) noexcept = default;

    // A width x height page filled with fill. Checks the shared pixel limit first.
    static PageBitmap filled(int32_t width, int32_t height, platform::ColourValue fill);
    // A page of the picture's size: white, with the picture drawn on it at (0, 0).
    static PageBitmap fromPicture(const QImage& picture);
    // A 24-bit TGA or raw 24-bit BMP file read straight into a page's rows; nothing for any
    // other file, or one that would not load that way (the general loader then reads it and
    // gives its message).
    static std::optional<PageBitmap> readFile(const QString& path);

    bool isNull() const { return width_ <= 0 || height_ <= 0; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }

    // Gives the page this size; new area takes fill, area outside the new size is dropped.
    // Checks the shared pixel limit before it allocates.
    void resize(int32_t width, int32_t height, platform::ColourValue fill);
    // Draws picture pixel for pixel with its top-left corner at (x, y); what falls outside the
    // page is cut off.
    void draw(const QImage& picture, int32_t x, int32_t y);
    // Fills the rectangle (clipped to the page).
    void fillRect(int32_t x, int32_t y, int32_t width, int32_t height, platform::ColourValue c);

    // Copies the rect of source (inside it) here with its top-left at at; it must fit.
    void drawFrom(const PageBitmap& source, const QRect& rect, QPoint at);
    // A Format_BGR888 copy of the whole page (null when there is no page).
    QImage image() const;
    // A Format_BGR888 copy of a rectangle inside the page; parts outside stay black.
    QImage copy(int32_t x, int32_t y, int32_t width, int32_t height) const;
    // The colour of one pixel, for checks.
    platform::ColourValue pixel(int32_t x, int32_t y) const;

    const uint8_t* row(int32_t y) const {
        return blocks_[static_cast<size_t>(y) >> kBlockShift].get() +
               (static_cast<size_t>(y) & (kBlockRows - 1)) * stride_;
    }

  private:
    static constexpr size_t kBlockShift = 8;
    static constexpr size_t kBlockRows = size_t{1} << kBlockShift;
    using Block = std::unique_ptr<uint8_t[]>;

    uint8_t* row(int32_t y) { return const_cast<uint8_t*>(std::as_const(*this).row(y)); }
    void fillRow(int32_t y, int32_t from, int32_t to, platform::ColourValue c);
    // New rows whose every pixel is about to be written: no fill.
    void resizeForOverwrite(int32_t width, int32_t height);
    static size_t BlocksFor(int32_t rows) {
        return (static_cast<size_t>(rows) + kBlockRows - 1) >> kBlockShift;
    }

    int32_t width_ = 0;
    int32_t height_ = 0;
    size_t stride_ = 0;          // bytes of one row (3 x width)
    std::vector<Block> blocks_;  // kBlockRows rows each
};

}  // namespace tessella::texture
