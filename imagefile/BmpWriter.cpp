#include "imagefile/BmpWriter.h"

#include <cstring>

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

QByteArray WriteBmp24(const QImage& source) {
    if (source.isNull()) throw platform::TessellaError(QStringLiteral("BMP : image vide"));
    const QImage image = source.format() == QImage::Format_BGR888
                             ? source
                             : source.convertToFormat(QImage::Format_BGR888);
    if (image.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    const int width = image.width();
    const int height = image.height();
    const int32_t rowBytes = platform::CheckedMul(width, 3);
    const int32_t stride = platform::CheckedAdd(rowBytes, 3) & ~3;
    const int32_t imageSize = platform::CheckedMul(stride, height);
    const int32_t fileSize = platform::CheckedAdd(imageSize, kHeadersSize);

    QByteArray out(fileSize, '\0');
    char* p = out.data();
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
    PutLe32(p + 38, image.dotsPerMeterX());
    PutLe32(p + 42, image.dotsPerMeterY());
    char* row = p + kHeadersSize;
    for (int y = height - 1; y >= 0; --y, row += stride)
        std::memcpy(row, image.constScanLine(y), rowBytes);  // padding stays zero
    return out;
}

}  // namespace tessella::imagefile
