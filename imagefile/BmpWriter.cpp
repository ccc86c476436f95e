#include "imagefile/BmpWriter.h"

#include <cstring>

#include "imagefile/BgrRows.h"

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
    if (rows.width <= 0 || rows.height <= 0)
        throw platform::TessellaError(QStringLiteral("BMP : image vide"));
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

QByteArray WriteBmp24(const QImage& source) {
    if (source.isNull()) throw platform::TessellaError(QStringLiteral("BMP : image vide"));
    QByteArray out;
    AppendingSink sink(out);
    WriteBmp24(RowsOf(source), sink);
    return out;
}

}  // namespace tessella::imagefile
