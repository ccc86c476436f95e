#include "pixels/ColourAdjustment.h"

#include <algorithm>
#include <cstring>

#include "platform/Error.h"
#include "platform/Rounding.h"

namespace tessella::pixels {

namespace {

constexpr int kContrastReference = 127;

double PreviewScale(int width, int height) {
    if (width <= kPreviewSide && height <= kPreviewSide) return 1.0;
    return std::max(width, height) / double(kPreviewSide);
}

int PreviewSide(int side, double scale) {
    if (side <= 0) return 0;
    return std::max(1, platform::RoundHalfEven(side / scale));
}

// The picture index under the centre of preview index i, kept inside the picture.
int SourceIndex(int i, double scale, int side) {
    return std::min(side - 1, static_cast<int>((i + 0.5) * scale));
}

}  // namespace

EmbossSettings EmbossSettingsFor(EmbossSettings settings, EmbossBackground background,
                                 platform::ColourValue colour) {
    settings.colour.reset();
    settings.textured = background == EmbossBackground::Textured;
    if (background == EmbossBackground::Coloured) settings.colour = colour;
    return settings;
}

void ApplyColourAdjustment(ColourAdjustment adjustment, const ColourAdjustSettings& settings,
                           const QImage& texture, const PixelGrid& source, PixelGrid& destination,
                           int width, int height) {
    switch (adjustment) {
        case ColourAdjustment::Rgb:
            RgbCorrection(source, destination, width, height, settings.redPercent,
                          settings.greenPercent, settings.bluePercent, settings.direction);
            return;
        case ColourAdjustment::Contrast:
            Contrast(source, destination, width, height, kContrastReference,
                     settings.contrastAmount);
            return;
        case ColourAdjustment::Emboss:
            Emboss(source, destination, width, height, settings.emboss, texture);
            return;
    }
}

QSize PreviewSize(int width, int height) {
    const double scale = PreviewScale(width, height);
    return QSize(PreviewSide(width, scale), PreviewSide(height, scale));
}

void SamplePreview(const PixelGrid& picture, PixelGrid& preview) {
    const int w = picture.width(), h = picture.height();
    const QSize size = PreviewSize(w, h);
    preview.reshape(size.width(), size.height());
    const double scale = PreviewScale(w, h);
    for (int y = 0; y < size.height(); ++y) {
        const Bgr* from = picture.row(SourceIndex(y, scale, h));
        Bgr* to = preview.row(y);
        for (int x = 0; x < size.width(); ++x) to[x] = from[SourceIndex(x, scale, w)];
    }
}

int ShownPreviewColumns(int previewWidth) {
    return previewWidth < 8 ? previewWidth : previewWidth / 8 * 8;
}

int EmbossedRows(int height) {
    return height > 1 ? height - 1 : height;
}

QImage PreviewPicture(const PixelGrid& preview, int columns, int rows) {
    if (columns > preview.width() || rows > preview.height())
        throw platform::TessellaError(platform::kRangeMessage);
    if (columns <= 0 || rows <= 0) return QImage();
    QImage picture(columns, rows, QImage::Format_BGR888);
    if (picture.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    for (int y = 0; y < rows; ++y)
        std::memcpy(picture.scanLine(y), preview.row(y), size_t(columns) * sizeof(Bgr));
    return picture;
}

int PreviewOffset(int panel, int size) {
    return size < panel - 2 ? (panel - size) / 2 : 2;
}

}  // namespace tessella::pixels
