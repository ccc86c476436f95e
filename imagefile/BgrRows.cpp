#include "imagefile/BgrRows.h"

#include <algorithm>
#include <memory>

#include "platform/Error.h"

namespace tessella::imagefile {

BgrRows RowsOf(const QImage& image) {
    BgrRows rows{image.width(), image.height(), image.dotsPerMeterX(), image.dotsPerMeterY(), {}};
    if (image.format() == QImage::Format_BGR888) {
        rows.row = [&image](int y) { return image.constScanLine(y); };
        return rows;
    }
    static constexpr int kBand = 64;
    auto band = std::make_shared<QImage>();
    auto first = std::make_shared<int>(-1);
    rows.row = [&image, band, first](int y) {
        if (*first < 0 || y < *first || y >= *first + band->height()) {
            *first = y / kBand * kBand;
            *band = image.copy(0, *first, image.width(), std::min(kBand, image.height() - *first))
                        .convertToFormat(QImage::Format_BGR888);
            if (band->isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
        }
        return band->constScanLine(y - *first);
    };
    return rows;
}

void BufferedSink::write(const char* data, std::size_t size) {
    if (buffer_.size() + qsizetype(size) > kSize) flush();
    if (qsizetype(size) >= kSize)
        out_.write(data, size);
    else
        buffer_.append(data, qsizetype(size));
}

void BufferedSink::flush() {
    if (buffer_.isEmpty()) return;
    out_.write(buffer_.constData(), std::size_t(buffer_.size()));
    buffer_.resize(0);  // keeps its room
}

}  // namespace tessella::imagefile
