#include "imagefile/PixelStream.h"

#include <algorithm>
#include <cstring>

namespace tessella::imagefile {

PixelStream::PixelStream(uchar* firstRow, qsizetype bytesPerLine, int width, int height,
                         int bytesPerPixel, bool topDown)
    : firstRow_(firstRow),
      bytesPerLine_(bytesPerLine),
      bpp_(bytesPerPixel),
      topDown_(topDown),
      height_(height),
      rowBytes_(width * bytesPerPixel) {}

PixelStream::PixelStream(RowTarget& target, int width, int height, int bytesPerPixel, bool topDown)
    : PixelStream(nullptr, 0, width, height, bytesPerPixel, topDown) {
    target_ = &target;
}

int64_t PixelStream::pixelsLeft() const {
    if (done()) return 0;
    const int64_t width = rowBytes_ / bpp_;
    return (int64_t{height_} - row_) * width - column_ / bpp_;
}

uchar* PixelStream::rowStart() const {
    const int y = topDown_ ? row_ : height_ - 1 - row_;
    return target_ ? target_->row(y) : firstRow_ + y * bytesPerLine_;
}

void PixelStream::advance(int bytes) {
    column_ += bytes;
    if (column_ == rowBytes_) {
        column_ = 0;
        ++row_;
    }
}

void PixelStream::literal(const uchar* src, int64_t count) {
    int64_t bytes = std::min(count, pixelsLeft()) * bpp_;
    while (bytes > 0) {
        const int n = static_cast<int>(std::min<int64_t>(bytes, rowBytes_ - column_));
        std::memcpy(rowStart() + column_, src, n);
        src += n;
        bytes -= n;
        advance(n);
    }
}

void PixelStream::run(const uchar* pixel, int64_t count) {
    count = std::min(count, pixelsLeft());
    while (count > 0) {
        const int n = static_cast<int>(std::min<int64_t>(count, (rowBytes_ - column_) / bpp_));
        uchar* p = rowStart() + column_;
        if (bpp_ == 1) {
            std::memset(p, pixel[0], n);
        } else {
            for (int i = 0; i < n; ++i, p += bpp_) std::memcpy(p, pixel, bpp_);
        }
        count -= n;
        advance(n * bpp_);
    }
}

}  // namespace tessella::imagefile
