// The writers that take a picture row by row: BMP (always opaque) and TGA pages (32 bits when the
// rows carry alpha). They need only Qt Core, so
// the command line's quick path writes its files without Qt's image library.

#include <cstring>
#include <vector>

#include "imagefile/BgrRows.h"
#include "imagefile/BmpWriter.h"
#include "imagefile/ImageFileTexts.h"
#include "imagefile/PixelPacking.h"
#include "imagefile/TgaWriter.h"
#include "platform/CheckedMath.h"
#include "platform/Error.h"

namespace tessella::imagefile {

namespace {

constexpr int kHeadersSize = 14 + 40;

void PutLe16(char* p, int v) {
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>((v >> 8) & 0xFF);
}

void PutLe32(char* p, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

}  // namespace

void WriteBmp24(const BgrRows& rows, platform::ByteSink& sink) {
    if (rows.width <= 0 || rows.height <= 0) throw platform::TessellaError(kBmpEmptyMessage);
    const int width = rows.width;
    const int height = rows.height;
    const int32_t rowBytes = platform::CheckedMul(width, 3);
    const int32_t stride = platform::CheckedAdd(rowBytes, 3) & ~3;
    const int32_t imageSize = platform::CheckedMul(stride, height);
    const int32_t fileSize = platform::CheckedAdd(imageSize, kHeadersSize);

    char p[kHeadersSize] = {};
    p[0] = 'B';
    p[1] = 'M';
    PutLe32(p + 2, fileSize);
    PutLe32(p + 10, kHeadersSize);
    PutLe32(p + 14, 40);
    PutLe32(p + 18, width);
    PutLe32(p + 22, height);
    PutLe16(p + 26, 1);
    PutLe16(p + 28, 24);
    PutLe32(p + 34, imageSize);
    PutLe32(p + 38, rows.dotsPerMeterX);
    PutLe32(p + 42, rows.dotsPerMeterY);
    BufferedSink out(sink);
    out.write(p, kHeadersSize);
    const char padding[3] = {};
    for (int y = height - 1; y >= 0; --y) {
        out.write(reinterpret_cast<const char*>(rows.row(y)), std::size_t(rowBytes));
        out.write(padding, std::size_t(stride - rowBytes));
    }
    out.flush();
}

// Colour map fields read 256 entries of 24 bits even when no map follows, as the program's
// page files always have.
void PutTgaHeader(char* p, int width, int height, int bpp, bool alpha) {
    const bool mapped = bpp == 1;
    std::memset(p, 0, kTgaHeaderSize);
    p[1] = mapped ? 1 : 0;
    p[2] = static_cast<char>(mapped ? 1 : 2);
    PutLe16(p + 5, 256);
    p[7] = 24;
    PutLe16(p + 12, width);
    PutLe16(p + 14, height);
    p[16] = static_cast<char>(bpp == 2 ? 16 : bpp * 8);
    p[17] = static_cast<char>(0x20 | (alpha ? 8 : 0));
}

void WritePageTga(const BgrRows& rows, platform::ByteSink& sink) {
    if (rows.width <= 0 || rows.height <= 0) throw platform::TessellaError(kTgaEmptyMessage);
    if (rows.width > kTgaMaxSide || rows.height > kTgaMaxSide)
        throw platform::TessellaError(kTgaTooLargeMessage.arg(rows.width).arg(rows.height));
    const bool alpha = static_cast<bool>(rows.alpha);
    char header[kTgaHeaderSize];
    PutTgaHeader(header, rows.width, rows.height, alpha ? 4 : 3, alpha);
    BufferedSink out(sink);
    out.write(header, kTgaHeaderSize);
    if (!alpha) {
        for (int y = 0; y < rows.height; ++y)
            out.write(reinterpret_cast<const char*>(rows.row(y)), std::size_t(rows.width) * 3);
    } else {
        // Blue, green, red, alpha: the colours as they are, whatever the alpha.
        std::vector<uchar> pixels(std::size_t(rows.width) * 4);
        for (int y = 0; y < rows.height; ++y) {
            JoinBgraRow(rows.row(y), rows.alpha(y), pixels.data(), rows.width);
            out.write(reinterpret_cast<const char*>(pixels.data()), pixels.size());
        }
    }
    out.flush();
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
