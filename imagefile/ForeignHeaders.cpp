#include "imagefile/ForeignHeaders.h"

#include <libdeflate.h>
#include <QImageReader>
#include <QtEndian>
#include <cstring>
#include <vector>

#include "platform/ImageLimits.h"

namespace tessella::imagefile {

namespace {

const uchar* Bytes(const QByteArray& data) {
    return reinterpret_cast<const uchar*>(data.constData());
}

bool Allowed(int64_t width, int64_t height, PictureHeader& header, int depth) {
    platform::RefuseImageBeyondLimit(width, height);
    if (!platform::ImageSizeAllowed(width, height)) return false;
    header = {static_cast<int>(width), static_cast<int>(height), depth};
    return true;
}

bool PngDepthKnown(int colourType, int bits) {
    switch (colourType) {
        case 0:
            return bits == 1 || bits == 2 || bits == 4 || bits == 8 || bits == 16;
        case 3:
            return bits == 1 || bits == 2 || bits == 4 || bits == 8;
        case 2:
        case 4:
        case 6:
            return bits == 8 || bits == 16;
        default:
            return false;
    }
}

}  // namespace

bool ReadPngHeader(const QByteArray& start, PictureHeader& header) {
    static constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    constexpr int64_t kIhdrEnd = 8 + 8 + 13 + 4;
    const uchar* p = Bytes(start);
    if (start.size() < kIhdrEnd || std::memcmp(p, kSignature, 8) != 0 ||
        qFromBigEndian<quint32>(p + 8) != 13 || std::memcmp(p + 12, "IHDR", 4) != 0 ||
        libdeflate_crc32(0, p + 12, 17) != qFromBigEndian<quint32>(p + 29))
        return false;
    const int64_t width = qFromBigEndian<quint32>(p + 16);
    const int64_t height = qFromBigEndian<quint32>(p + 20);
    platform::RefuseImageBeyondLimit(width, height);
    const int bits = p[24], colourType = p[25];
    if (!PngDepthKnown(colourType, bits) || p[26] != 0 || p[27] != 0 || p[28] > 1) return false;
    // Qt decodes into 32 or 64 bits a pixel, within its allocation limit.
    const int64_t decodedBytes = width * height * (bits == 16 ? 8 : 4);
    if (decodedBytes > int64_t{QImageReader::allocationLimit()} * 1024 * 1024) return false;
    // Up to the pixels: a transparency chunk gives an alpha channel; a palette picture needs
    // its palette.
    bool palette = false;
    for (int64_t at = kIhdrEnd; at + 8 <= start.size();) {
        const int64_t length = qFromBigEndian<quint32>(p + at);
        const QByteArray type = start.mid(at + 4, 4);
        if (type == "IDAT") {
            const bool alpha = colourType == 4 || colourType == 6;
            return (colourType != 3 || palette) && Allowed(width, height, header, alpha ? 32 : 24);
        }
        if (type == "tRNS" || type == "IEND" || length > 0x7FFFFFFF) return false;
        if (type == "PLTE") palette = true;
        at += 12 + length;
    }
    return false;
}

bool ReadGifHeader(const QByteArray& start, PictureHeader& header) {
    const uchar* p = Bytes(start);
    const int64_t size = start.size();
    if (size < 13 || !(start.startsWith("GIF87a") || start.startsWith("GIF89a"))) return false;
    const int width = qFromLittleEndian<quint16>(p + 6), height = qFromLittleEndian<quint16>(p + 8);
    int64_t at = 13 + ((p[10] & 0x80) ? 3 * (2 << (p[10] & 7)) : 0);
    // To the first frame: it must cover the screen without transparency, or the decoders may
    // differ in what they make of it.
    while (at < size) {
        const int kind = p[at];
        if (kind == 0x2C) {
            if (at + 10 > size || qFromLittleEndian<quint32>(p + at + 1) != 0 ||
                qFromLittleEndian<quint16>(p + at + 5) != width ||
                qFromLittleEndian<quint16>(p + at + 7) != height)
                return false;
            return Allowed(width, height, header, 24);
        }
        if (kind != 0x21 || at + 2 >= size) return false;
        const int label = p[at + 1];
        if (label == 0xF9 && (at + 4 > size || (p[at + 3] & 1))) return false;
        at += 2;
        while (at < size && p[at] != 0) at += 1 + p[at];  // the data sub-blocks
        ++at;
    }
    return false;
}

namespace {

// A TIFF's first directory, read through read in the file's byte order.
class TiffDirectory {
  public:
    TiffDirectory(const FileReader& read, bool little) : read_(read), little_(little) {}
    uint32_t u16(const uchar* q) const {
        return little_ ? qFromLittleEndian<quint16>(q) : qFromBigEndian<quint16>(q);
    }
    uint32_t u32(const uchar* q) const {
        return little_ ? qFromLittleEndian<quint32>(q) : qFromBigEndian<quint32>(q);
    }
    // The values of a SHORT or LONG entry; empty for another type or values out of the file.
    std::vector<int64_t> values(const uchar* entry) const {
        const uint32_t type = u16(entry + 2), count = u32(entry + 4);
        if ((type != 3 && type != 4) || count == 0 || count > (1u << 20)) return {};
        const int size = type == 3 ? 2 : 4;
        QByteArray data;
        if (int64_t{count} * size <= 4)
            data = QByteArray(reinterpret_cast<const char*>(entry + 8), 4);
        else
            data = read_(u32(entry + 8), int64_t{count} * size);
        if (data.size() < int64_t{count} * size) return {};
        std::vector<int64_t> out(count);
        for (uint32_t i = 0; i < count; ++i)
            out[i] = size == 2 ? u16(Bytes(data) + 2 * i) : u32(Bytes(data) + 4 * i);
        return out;
    }

  private:
    const FileReader& read_;
    bool little_;
};

}  // namespace

bool ReadTiffHeader(const FileReader& read, int64_t fileSize, PictureHeader& header) {
    const QByteArray start = read(0, 8);
    if (start.size() != 8) return false;
    const bool little = start.startsWith(QByteArrayLiteral("II*\0"));
    if (!little && !start.startsWith(QByteArrayLiteral("MM\0*"))) return false;
    const TiffDirectory d(read, little);
    const int64_t directory = d.u32(Bytes(start) + 4);
    const QByteArray countBytes = read(directory, 2);
    if (directory < 8 || countBytes.size() != 2) return false;
    const int count = static_cast<int>(d.u16(Bytes(countBytes)));
    const QByteArray entries = read(directory + 2, int64_t{count} * 12);
    if (count == 0 || entries.size() != count * 12) return false;
    int64_t width = 0, height = 0, compression = 1, photometric = -1;
    std::vector<int64_t> offsets, byteCounts;
    for (int i = 0; i < count; ++i) {
        const uchar* e = Bytes(entries) + 12 * i;
        const uint32_t tag = d.u16(e);
        if (tag == 338) return false;  // extra samples: alpha, which the full load tells
        if (tag != 256 && tag != 257 && tag != 259 && tag != 262 && tag != 273 && tag != 279)
            continue;
        const std::vector<int64_t> v = d.values(e);
        if (v.empty()) return false;
        if (tag == 256) width = v[0];
        if (tag == 257) height = v[0];
        if (tag == 259) compression = v[0];
        if (tag == 262) photometric = v[0];
        if (tag == 273) offsets = v;
        if (tag == 279) byteCounts = v;
    }
    // The usual codings; anything rarer goes to the decoders to judge. The strips must lie in
    // the file, or it was cut short.
    const bool coding = compression == 1 || compression == 5 || compression == 7 ||
                        compression == 8 || compression == 32773 || compression == 32946;
    const bool colours = photometric >= 0 && photometric <= 3;
    if (!coding || !colours || offsets.empty() || offsets.size() != byteCounts.size()) return false;
    for (std::size_t i = 0; i < offsets.size(); ++i)
        if (offsets[i] + byteCounts[i] > fileSize) return false;
    return Allowed(width, height, header, 24);
}

bool ReadPcxHeader(const QByteArray& start, PictureHeader& header) {
    if (start.size() < 128) return false;
    const uchar* p = Bytes(start);
    const int bits = p[3], planes = p[65];
    // Four planes of 8 bits carry alpha, which the full load tells.
    const bool layout = (bits == 8 && (planes == 1 || planes == 3)) ||
                        (planes == 1 && (bits == 1 || bits == 2 || bits == 4)) ||
                        (bits == 1 && planes == 4);
    const int64_t width =
        int64_t{qFromLittleEndian<quint16>(p + 8)} - qFromLittleEndian<quint16>(p + 4) + 1;
    const int64_t height =
        int64_t{qFromLittleEndian<quint16>(p + 10)} - qFromLittleEndian<quint16>(p + 6) + 1;
    const int64_t rowBytes = qFromLittleEndian<quint16>(p + 66);
    const bool version = p[1] == 0 || (p[1] >= 2 && p[1] <= 5);
    if (p[0] != 0x0A || !version || p[2] != 1 || !layout || rowBytes * 8 < width * bits)
        return false;
    return Allowed(width, height, header, 24);
}

}  // namespace tessella::imagefile
