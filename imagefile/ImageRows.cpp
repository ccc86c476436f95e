// A QImage's rows handed to the row writers. Apart from them, so that the writers need only Qt
// Core.

#include "imagefile/BgrRows.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "imagefile/BmpWriter.h"
#include "imagefile/ImageFileTexts.h"
#include "imagefile/PngWriter.h"
#include "platform/Error.h"

namespace tessella::imagefile {

namespace {

// A picture with transparency as non-premultiplied 32-bit pixels, split a row at a time into
// the colours and the alpha the writers take.
struct SplitRows {
    QImage argb;
    std::vector<uchar> colours, alpha;
};

// image as Format_ARGB32 when it has a texel below 255; a null picture otherwise.
QImage TransparentPixels(const QImage& image) {
    if (!image.hasAlphaChannel()) return {};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);  // shared when it is one
    if (argb.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(in[x]) != 255) return argb;
    }
    return {};
}

}  // namespace

BgrRows RowsOf(const QImage& image) {
    BgrRows rows{image.width(), image.height(), image.dotsPerMeterX(), image.dotsPerMeterY(), {}};
    if (QImage argb = TransparentPixels(image); !argb.isNull()) {
        const auto width = std::size_t(image.width());
        auto split = std::make_shared<SplitRows>(
            SplitRows{std::move(argb), std::vector<uchar>(width * 3), std::vector<uchar>(width)});
        rows.row = [split](int y) {
            const auto* in = reinterpret_cast<const QRgb*>(split->argb.constScanLine(y));
            uchar* out = split->colours.data();
            for (std::size_t x = 0; x < split->alpha.size(); ++x, out += 3) {
                out[0] = uchar(qBlue(in[x]));
                out[1] = uchar(qGreen(in[x]));
                out[2] = uchar(qRed(in[x]));
            }
            return static_cast<const uchar*>(split->colours.data());
        };
        rows.alpha = [split](int y) {
            const auto* in = reinterpret_cast<const QRgb*>(split->argb.constScanLine(y));
            for (std::size_t x = 0; x < split->alpha.size(); ++x)
                split->alpha[x] = uchar(qAlpha(in[x]));
            return static_cast<const uchar*>(split->alpha.data());
        };
        return rows;
    }
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
    if (source.isNull()) throw platform::TessellaError(kBmpEmptyMessage);
    QByteArray out;
    AppendingSink sink(out);
    WriteBmp24(RowsOf(source), sink);
    return out;
}

void WritePng24(const QImage& image, platform::ByteSink& sink) {
    WritePng24(RowsOf(image), sink);
}

}  // namespace tessella::imagefile
