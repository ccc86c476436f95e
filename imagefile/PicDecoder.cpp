#include "imagefile/PicDecoder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "imagefile/ImageFileTexts.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

constexpr qsizetype kHeaderSize = 32;
constexpr qsizetype kPaletteSize = 768;
constexpr uint16_t kMagic = 0x9119;
constexpr int kScreenWidth = 320;
constexpr int kScreenHeight = 200;
constexpr qsizetype kScreenSize = qsizetype{kScreenWidth} * kScreenHeight;

[[noreturn]] void Invalid() {
    throw platform::TessellaError(kPicInvalidMessage);
}

int LittleU16(const uint8_t* p) {
    return p[0] | p[1] << 8;
}
int LittleS16(const uint8_t* p) {
    return static_cast<int16_t>(LittleU16(p));
}

bool IsVgaPalette(const uint8_t* p) {
    return std::all_of(p, p + kPaletteSize, [](uint8_t v) { return v <= 63; });
}

QImage Build(int width, int height, const uint8_t* palette, const uint8_t* indices) {
    platform::CheckImageSize(width, height, kPicWhat);
    QImage image(width, height, QImage::Format_Indexed8);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    QList<QRgb> colours(256);
    for (int i = 0; i < 256; ++i)
        colours[i] = qRgb(ScaleVgaLevel(palette[i * 3]), ScaleVgaLevel(palette[i * 3 + 1]),
                          ScaleVgaLevel(palette[i * 3 + 2]));
    image.setColorTable(colours);
    for (int y = 0; y < height; ++y)
        std::memcpy(image.scanLine(y), indices + qsizetype{y} * width, static_cast<size_t>(width));
    return image;
}

}  // namespace

uint8_t ScaleVgaLevel(uint8_t v) {
    const int level = std::min<int>(v, 63);
    return static_cast<uint8_t>((level * 255 + 31) / 63);  // 63 is odd: no ties to break
}

QImage DecodePic(const QByteArray& data) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(data.constData());
    const qsizetype size = data.size();
    if (size >= kHeaderSize && LittleU16(bytes) == kMagic) {
        const int width = LittleS16(bytes + 2);
        const int height = LittleS16(bytes + 4);
        const int depth = bytes[10];
        const int compression = bytes[11];
        if (depth != 8 || compression != 0 || width < 1 || height < 1) Invalid();
        // The stored image size is not trusted: the indices must be there in full.
        if (qsizetype{width} * height > size - kHeaderSize - kPaletteSize) Invalid();
        return Build(width, height, bytes + kHeaderSize, bytes + kHeaderSize + kPaletteSize);
    }
    if (size == kScreenSize + kPaletteSize) {
        if (IsVgaPalette(bytes + kScreenSize))
            return Build(kScreenWidth, kScreenHeight, bytes + kScreenSize, bytes);
        if (IsVgaPalette(bytes))
            return Build(kScreenWidth, kScreenHeight, bytes, bytes + kPaletteSize);
    }
    Invalid();
}

}  // namespace tessella::imagefile
