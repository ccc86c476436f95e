#include "texture/PageBitmap.h"

#include <QColor>
#include <algorithm>
#include <cstring>

#include "imagefile/ImageLoader.h"
#include "pixels/LargeImage.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/Text.h"

namespace tessella::texture {

using platform::ColourValue;

namespace {
constexpr platform::Text kPageWhat{QT_TRANSLATE_NOOP("Tessella", "Texture")};
}

bool HasTransparency(const QImage& picture) {
    if (!picture.hasAlphaChannel()) return false;
    const QImage argb = picture.format() == QImage::Format_ARGB32
                            ? picture
                            : picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255) return true;
    }
    return false;
}

PageBitmap::PageBitmap(const PageBitmap& other) {
    *this = other;
}

std::vector<PageBitmap::Block> PageBitmap::CopyBlocks(const std::vector<Block>& blocks,
                                                      size_t blockBytes) {
    std::vector<Block> out;
    for (const Block& block : blocks) {
        out.push_back(std::make_unique_for_overwrite<uint8_t[]>(blockBytes));
        std::memcpy(out.back().get(), block.get(), blockBytes);
    }
    return out;
}

PageBitmap& PageBitmap::operator=(const PageBitmap& other) {
    if (this == &other) return *this;
    std::vector<Block> blocks = CopyBlocks(other.blocks_, other.stride_ * kBlockRows);
    std::vector<Block> alphaBlocks =
        CopyBlocks(other.alphaBlocks_, static_cast<size_t>(other.width_) * kBlockRows);
    blocks_ = std::move(blocks);
    alphaBlocks_ = std::move(alphaBlocks);
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

PageBitmap PageBitmap::freeArea(int32_t width, int32_t height, bool transparent) {
    if (!transparent) return filled(width, height, platform::kMagenta);
    PageBitmap page;
    page.resizeForOverwrite(width, height);
    page.addAlpha();
    for (int32_t y = 0; y < height; ++y) {
        page.fillRow(y, 0, width, platform::kBlack);
        page.fillAlphaRow(y, 0, width, 0);
    }
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
    alphaBlocks_.clear();
    width_ = width;
    height_ = height;
    stride_ = stride;
}

void PageBitmap::addAlpha() {
    if (hasAlpha() || isNull()) return;
    const size_t blockBytes = static_cast<size_t>(width_) * kBlockRows;
    std::vector<Block> blocks;
    for (size_t i = 0; i < blocks_.size(); ++i) {
        blocks.push_back(std::make_unique_for_overwrite<uint8_t[]>(blockBytes));
        std::memset(blocks.back().get(), 255, blockBytes);
    }
    alphaBlocks_ = std::move(blocks);
}

uint8_t PageBitmap::alpha(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw platform::TessellaError(platform::kRangeMessage);
    return hasAlpha() ? alphaRow(y)[x] : uint8_t{255};
}

void PageBitmap::freeOutside(const std::vector<QRect>& elements) {
    if (isNull()) return;
    addAlpha();
    const QRect page(0, 0, width_, height_);
    std::vector<bool> covered(static_cast<size_t>(width_));
    for (int32_t y = 0; y < height_; ++y) {
        std::fill(covered.begin(), covered.end(), false);
        for (const QRect& element : elements) {
            const QRect r = element.intersected(page);
            if (r.isEmpty() || y < r.top() || y > r.bottom()) continue;
            std::fill(covered.begin() + r.left(), covered.begin() + r.right() + 1, true);
        }
        for (int32_t x = 0; x < width_;) {
            if (covered[static_cast<size_t>(x)]) {
                ++x;
                continue;
            }
            int32_t end = x;
            while (end < width_ && !covered[static_cast<size_t>(end)]) ++end;
            fillRow(y, x, end, platform::kBlack);
            fillAlphaRow(y, x, end, 0);
            x = end;
        }
    }
}

bool PageBitmap::settleAlpha() {
    for (int32_t y = 0; y < height_ && hasAlpha(); ++y) {
        const uint8_t* a = alphaRow(y);
        if (std::any_of(a, a + width_, [](uint8_t v) { return v != 255; })) return true;
    }
    alphaBlocks_.clear();
    return false;
}

ColourValue PageBitmap::freeColour() const {
    return hasAlpha() ? platform::kBlack : platform::kMagenta;
}

void PageBitmap::fillRow(int32_t y, int32_t from, int32_t to, ColourValue c) {
    uint8_t* p = row(y) + static_cast<size_t>(from) * 3;
    for (int32_t x = from; x < to; ++x, p += 3) {
        p[0] = c.blue();
        p[1] = c.green();
        p[2] = c.red();
    }
}

std::vector<PageBitmap::Block> PageBitmap::Relaid(const std::vector<Block>& blocks,
                                                  size_t oldStride, size_t newStride,
                                                  int32_t keptRows, int32_t height) {
    std::vector<Block> out;
    const size_t keptBytes = std::min(newStride, oldStride);
    for (size_t i = 0; i < BlocksFor(height); ++i) {
        out.push_back(std::make_unique_for_overwrite<uint8_t[]>(newStride * kBlockRows));
        for (size_t r = 0; r < kBlockRows; ++r) {
            const size_t y = i * kBlockRows + r;
            if (y >= static_cast<size_t>(keptRows)) break;
            std::memcpy(out.back().get() + r * newStride,
                        blocks[y >> kBlockShift].get() + (y & (kBlockRows - 1)) * oldStride,
                        keptBytes);
        }
    }
    return out;
}

void PageBitmap::resize(int32_t width, int32_t height, ColourValue fill) {
    platform::CheckImageSize(width, height, kPageWhat);
    const size_t newStride = static_cast<size_t>(width) * 3;
    const int32_t keptRows = std::min(height_, height);
    if (newStride != stride_) {
        // A change of width re-lays every row; only the first band of a page widens.
        std::vector<Block> blocks = Relaid(blocks_, stride_, newStride, keptRows, height);
        if (hasAlpha())
            alphaBlocks_ = Relaid(alphaBlocks_, static_cast<size_t>(width_),
                                  static_cast<size_t>(width), keptRows, height);
        blocks_ = std::move(blocks);
        stride_ = newStride;
    } else {
        // Growing downward adds blocks; the rows already there stay where they are.
        blocks_.resize(BlocksFor(height));
        for (Block& block : blocks_)
            if (!block) block = std::make_unique_for_overwrite<uint8_t[]>(stride_ * kBlockRows);
        if (hasAlpha()) {
            alphaBlocks_.resize(BlocksFor(height));
            for (Block& block : alphaBlocks_)
                if (!block)
                    block = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(width) *
                                                                      kBlockRows);
        }
    }
    const int32_t oldWidth = std::min(width_, width);
    width_ = width;
    height_ = height;
    const bool alpha = hasAlpha();
    if (oldWidth < width)
        for (int32_t y = 0; y < keptRows; ++y) {
            fillRow(y, oldWidth, width, fill);
            if (alpha) fillAlphaRow(y, oldWidth, width, 0);
        }
    for (int32_t y = keptRows; y < height; ++y) {
        fillRow(y, 0, width, fill);
        if (alpha) fillAlphaRow(y, 0, width, 0);
    }
}

void PageBitmap::draw(const QImage& picture, int32_t x, int32_t y) {
    if (isNull() || picture.isNull()) return;
    const bool transparent = HasTransparency(picture);
    if (transparent) addAlpha();
    const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + picture.width(), width_);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + picture.height(), height_);
    if (left >= right || top >= bottom) return;
    const auto from = static_cast<int32_t>(left), to = static_cast<int32_t>(right);
    if (transparent) {
        // Colours and alpha apart, the colours as stored (never premultiplied).
        const QImage argb = picture.format() == QImage::Format_ARGB32
                                ? picture
                                : picture.convertToFormat(QImage::Format_ARGB32);
        for (int64_t py = top; py < bottom; ++py) {
            const auto* in =
                reinterpret_cast<const QRgb*>(argb.constScanLine(static_cast<int>(py - y))) +
                (left - x);
            uint8_t* out = row(static_cast<int32_t>(py)) + left * 3;
            uint8_t* a = alphaRow(static_cast<int32_t>(py)) + left;
            for (int64_t i = 0; i < right - left; ++i) {
                out[3 * i] = static_cast<uint8_t>(qBlue(in[i]));
                out[3 * i + 1] = static_cast<uint8_t>(qGreen(in[i]));
                out[3 * i + 2] = static_cast<uint8_t>(qRed(in[i]));
                a[i] = static_cast<uint8_t>(qAlpha(in[i]));
            }
        }
        return;
    }
    const QImage bgr = picture.format() == QImage::Format_BGR888
                           ? picture
                           : picture.convertToFormat(QImage::Format_BGR888);
    for (int64_t py = top; py < bottom; ++py) {
        const uchar* in = bgr.constScanLine(static_cast<int>(py - y)) + (left - x) * 3;
        std::memcpy(row(static_cast<int32_t>(py)) + left * 3, in,
                    static_cast<size_t>(right - left) * 3);
        if (hasAlpha()) fillAlphaRow(static_cast<int32_t>(py), from, to, 255);
    }
}

void PageBitmap::fillRect(int32_t x, int32_t y, int32_t width, int32_t height, ColourValue c) {
    const int32_t left = std::max(x, 0), top = std::max(y, 0);
    const int32_t right = static_cast<int32_t>(std::min<int64_t>(int64_t{x} + width, width_));
    const int32_t bottom = static_cast<int32_t>(std::min<int64_t>(int64_t{y} + height, height_));
    for (int32_t py = top; py < bottom; ++py)
        if (left < right) {
            fillRow(py, left, right, c);
            if (hasAlpha()) fillAlphaRow(py, left, right, 255);
        }
}

QImage PageBitmap::image() const {
    if (isNull()) return {};
    return copy(0, 0, width_, height_);
}

QImage PageBitmap::copy(int32_t x, int32_t y, int32_t width, int32_t height) const {
    platform::CheckImageSize(width, height, kPageWhat);
    const bool alpha = hasAlpha();
    QImage out =
        pixels::NewImage(width, height, alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
    if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    // Parts outside the page are black; a rectangle inside it is overwritten whole.
    if (x < 0 || y < 0 || int64_t{x} + width > width_ || int64_t{y} + height > height_)
        out.fill(alpha ? QColor(0, 0, 0, 0) : QColor(Qt::black));
    const int64_t left = std::max<int64_t>(x, 0), top = std::max<int64_t>(y, 0);
    const int64_t right = std::min<int64_t>(int64_t{x} + width, width_);
    const int64_t bottom = std::min<int64_t>(int64_t{y} + height, height_);
    if (left >= right || top >= bottom) return out;
    for (int64_t py = top; py < bottom; ++py) {
        const uint8_t* in = row(static_cast<int32_t>(py)) + left * 3;
        if (!alpha) {
            std::memcpy(out.scanLine(static_cast<int>(py - y)) + (left - x) * 3, in,
                        static_cast<size_t>(right - left) * 3);
            continue;
        }
        const uint8_t* a = alphaRow(static_cast<int32_t>(py)) + left;
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(static_cast<int>(py - y))) + (left - x);
        for (int64_t i = 0; i < right - left; ++i)
            line[i] = qRgba(in[3 * i + 2], in[3 * i + 1], in[3 * i], a[i]);
    }
    return out;
}

ColourValue PageBitmap::pixel(int32_t x, int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        throw platform::TessellaError(platform::kRangeMessage);
    const uint8_t* p = row(y) + static_cast<size_t>(x) * 3;
    return ColourValue::fromRgb(p[2], p[1], p[0]);
}

void PageBitmap::drawFrom(const PageBitmap& source, const QRect& rect, QPoint at) {
    if (source.hasAlpha()) addAlpha();
    for (int y = 0; y < rect.height(); ++y) {
        std::memcpy(row(at.y() + y) + 3 * static_cast<size_t>(at.x()),
                    source.row(rect.y() + y) + 3 * static_cast<size_t>(rect.x()),
                    3 * static_cast<size_t>(rect.width()));
        if (source.hasAlpha())
            std::memcpy(alphaRow(at.y() + y) + at.x(), source.alphaRow(rect.y() + y) + rect.x(),
                        static_cast<size_t>(rect.width()));
        else if (hasAlpha())
            fillAlphaRow(at.y() + y, at.x(), at.x() + rect.width(), 255);
    }
}

}  // namespace tessella::texture
