// A QImage's rows handed to the row writers. Apart from them, so that the writers need only Qt
// Core.

#include "imagefile/BgrRows.h"

#include <algorithm>
#include <memory>

#include "imagefile/BmpWriter.h"
#include "imagefile/PngWriter.h"
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

QByteArray WriteBmp24(const QImage& source) {
    if (source.isNull()) throw platform::TessellaError(QStringLiteral("BMP : image vide"));
    QByteArray out;
    AppendingSink sink(out);
    WriteBmp24(RowsOf(source), sink);
    return out;
}

void WritePng24(const QImage& image, platform::ByteSink& sink) {
    WritePng24(RowsOf(image), sink);
}

}  // namespace tessella::imagefile
