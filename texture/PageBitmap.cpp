#include "texture/PageBitmap.h"

#include <algorithm>
#include <cstring>

#include "imagefile/ImageLoader.h"
#include "pixels/LargeImage.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::texture {

using platform::ColourValue;

namespace {
const QString kPageWhat = QStringLiteral("Texture");
}

PageBitmap::PageBitmap(const PageBitmap& other) {
    *this = other;
}

PageBitmap& PageBitmap::operator=(const PageBitmap& other) {
    if (this == &other) return *this;
    std::vector<Block> blocks;
    const size_t blockBytes = other.stride_ * kBlockRows;
    for (size_t i = 0; i < BlocksFor(other.height_); ++i) {
        blocks.push_back(std::make_unique_for_overwrite<uint8_t[]>(blockBytes));
        std::memcpy(blocks.back().get(), other.blocks_[i].get(), blockBytes);
    }
    blocks_ = std::move(blocks);
    width_ = other.width_;
    height_ = other.height_;
    stride_ = other.stride_;
    return *this;
}

PageBitmap PageBitmap::filled(int32_t width, int32_t height, ColourValue fill) {
    PageBitmap page;
    page.resize(width, height, fill);
    return page;
}

PageBitmap PageBitmap::fromPicture(const QImage& picture) {
    PageBitmap page = filled(picture.width(), picture.height(), platform::kWhite);
    page.draw(picture, 0, 0);
    return page;
}

std::optional<PageBitmap> PageBitmap::readFile(const QString& path) {
    class PageRows final : public imagefile::RowTarget {
      public:
        explicit PageRows(PageBitmap& page) : page_(page) {}
        void reshape(int width, int height) override { page_.resizeForOverwrite(width, height); }
        uchar* row(int y) override { return page_.row(y); }
        std::size_t spareBytes() const override { return 0; }

      private:
        PageBitmap& page_;
    };
    PageBitmap page;
    PageRows rows(page);
    imagefile::GridHeader header;
    if (!imagefile::LoadRowsDirectly(path, rows, header)) return std::nullopt;
    return page;
}

void PageBitmap::resizeForOverwrite(int32_t width, int32_t height) {
    platform::CheckImageSize(width, height, kPageWhat);
    const size_t stride = static_cast<size_t>(width) * 3;
    std::vector<Block> blocks(BlocksFor(height));
    for (Block& block : blocks)
        block = std::make_unique_for_overwrite<uint8_t[]>(stride * kBlockRows);
    blocks_ = std::move(blocks);
    width_ = width;
    height_ = height;
    stride_ = stride;
}

void PageBitmap::fillRow(int32_t y, int32_t from, int32_t to, ColourValue c) {
    uint8_t* p = row(y) + static_cast<size_t>(from) * 3;
    for (int32_t x = from; x < to; ++x, p += 3) {
        p[0] = c.blue();
        p[1] = c.green();
        p[2] = c.red();
    }
}

void PageBitmap::resize(int32_t width, int32_t height, ColourValue fill) {
    platform::CheckImageSize(width, height, kPageWhat);
    const size_t newStride = static_cast<size_t>(width) * 3;
    const int32_t keptRows = std::min(height_, height);
    if (newStride != stride_) {
        // A change of width re-lays every row; only the first band of a page widens.
        std::vector<Block> blocks;
        const size_t keptBytes = std::min(newStride, stride_);
        for (size_t i = 0; i < BlocksFor(height); ++i) {
            blocks.push_back(std::make_unique_for_overwrite<uint8_t[]>(newStride * kBlockRows));
            for (size_t r = 0; r < kBlockRows; ++r) {
                const size_t y = i * kBlockRows + r;
                if (y >= static_cast<size_t>(keptRows)) break;
                std::memcpy(blocks.back().get() + r * newStride, row(static_cast<int32_t>(y)),
                            keptBytes);
            }
        }
        blocks_ = std::move(blocks);
        stride_ = newStride;
    } else {
        // Growing downward adds blocks; the rows already there stay where they are.
        blocks_.resize(BlocksFor(height));
        for (Block& block : blocks_)
            if (!block) block = std::make_unique_for_overwrite<uint8_t[]>(stride_ * kBlockRows);
    }
    const int32_t oldWidth = std::min(width_, width);
    if (oldWidth < width)
        for (int32_t y = 0; y < keptRows; ++y) fillRow(y, oldWidth, width, fill);
    for (int32_t y = keptRows; y < height; ++y) fillRow(y, 0, width, fill);
    width_ = width;
    height_ = height;
}

void PageBitmap::draw(const QImage& picture, int32_t x, int32_t y) {
    if (isNull() || picture.isNull()) return;
    const QImage bgr = picture.format() == QImage::Format_BGR888
                           ? picture
                           : picture.convertToFormat(QImage::Format_BGR888);
    const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + bgr.width(), width_);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + bgr.height(), height_);
    if (left >= right || top >= bottom) return;
    for (int64_t py = top; py < bottom; ++py) {
        const uchar* from = bgr.constScanLine(static_cast<int>(py - y)) + (left - x) * 3;
        std::memcpy(row(static_cast<int32_t>(py)) + left * 3, from,
                    static_cast<size_t>(right - left) * 3);
    }
}

void PageBitmap::fillRect(int32_t x, int32_t y, int32_t width, int32_t height, ColourValue c) {
    const int32_t left = std::max(x, 0), top = std::max(y, 0);
    const int32_t right = static_cast<int32_t>(std::min<int64_t>(int64_t{x} + width, width_));
    const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + height, height_));
    for (int32_t py = top; py < bottom; ++py)
        if (left < right) fillRow(py, left, right, c);
}

QImage PageBitmap::image() const {
    if (isNull()) return {};
    return copy(0, 0, width_, height_);
}

QImage PageBitmap::copy(int32_t x, int32_t y, int32_t width, int32_t height) const {
    platform::CheckImageSize(width, height, kPageWhat);
    QImage out = pixels::NewImage(width, height, QImage::Format_BGR888);
    if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    // Parts outside the page are black; a rectangle inside it is overwritten whole.
    if (x < 0 || y < 0 || int64_t{x} + width > width_ || int64_t{y} + height > height_)
        out.fill(Qt::black);
    const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + width, width_);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + height, height_);
    if (left >= right || top >= bottom) return out;
    for (int64_t py = top; py < bottom; ++py)
        std::memcpy(out.scanLine(static_cast<int>(py - y)) + (left - x) * 3,
                    row(static_cast<int32_t>(py)) + left * 3,
                    static_cast<size_t>(right - left) * 3);
    return out;
}

ColourValue PageBitmap::pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw platform::TessellaError(platform::kRangeMessage);
    const uint8_t* p = row(y) + static_cast<size_t>(x) * 3;
    return ColourValue::fromRgb(p[2], p[1], p[0]);
}

void PageBitmap::drawFrom(const PageBitmap& source, const QRect& rect, QPoint at) {
    for (int y = 0; y < rect.height(); ++y)
        std::memcpy(row(at.y() + y) + 3 * static_cast<size_t>(at.x()),
                    source.row(rect.y() + y) + 3 * static_cast<size_t>(rect.x()),
                    3 * static_cast<size_t>(rect.width()));
}

}  // namespace tessella::texture
