#include "imagefile/PngWriter.h"

#include <libdeflate.h>
#include <QFileInfo>
#include <QtEndian>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "imagefile/ImageFileTexts.h"
#include "imagefile/PixelPacking.h"
#include "platform/Error.h"

namespace tessella::imagefile {

namespace {

// libdeflate's level 2, every row filtered by the row above ("up"): on photos and textures
// about as small as zlib's level 6 with adaptive filters, in a small part of the time. Rows with
// alpha take level 1: a third more bytes to compress, which level 2 took twice the time for;
// level 1 keeps them near the time of RGB rows, the file about 6 % larger.
constexpr int kLevel = 2;
constexpr int kAlphaLevel = 1;
constexpr uchar kUpFilter = 2;

void AppendBe32(std::vector<uchar>& out, uint32_t v) {
    uchar b[4];
    qToBigEndian(v, b);
    out.insert(out.end(), b, b + 4);
}

// One chunk: length, type, data, then the CRC of type and data.
void WriteChunk(platform::ByteSink& sink, const char type[4], const uchar* data, std::size_t size) {
    std::vector<uchar> head;
    AppendBe32(head, static_cast<uint32_t>(size));
    head.insert(head.end(), type, type + 4);
    uint32_t crc = libdeflate_crc32(0, type, 4);
    if (size > 0) crc = libdeflate_crc32(crc, data, size);  // a null buffer restarts the CRC
    uchar tail[4];
    qToBigEndian(crc, tail);
    sink.write(reinterpret_cast<const char*>(head.data()), head.size());
    if (size > 0) sink.write(reinterpret_cast<const char*>(data), size);
    sink.write(reinterpret_cast<const char*>(tail), 4);
}

// Row y as red, green, blue (and alpha when the rows carry it) into out.
void PngOrder(const BgrRows& rows, int y, uchar* out) {
    const uchar* in = rows.row(y);
    if (!rows.alpha) {
        for (std::size_t i = 0; i < std::size_t(rows.width) * 3; i += 3) {
            out[i] = in[i + 2];
            out[i + 1] = in[i + 1];
            out[i + 2] = in[i];
        }
        return;
    }
    JoinRgbaRow(in, rows.alpha(y), out, rows.width);
}

// The filtered rows PNG compresses: a filter byte, then red, green, blue (alpha) less the same
// bytes of the row above (modulo 256; the first row less zeros).
std::vector<uchar> FilteredRows(const BgrRows& rows) {
    const std::size_t rgbBytes = std::size_t(rows.width) * (rows.alpha ? 4 : 3);
    std::vector<uchar> out;
    std::vector<uchar> above, current;
    try {
        out.resize((1 + rgbBytes) * std::size_t(rows.height));
        above.assign(rgbBytes, 0);
        current.resize(rgbBytes);
    } catch (const std::bad_alloc&) {
        throw platform::TessellaError(platform::kOutOfMemoryMessage);
    }
    uchar* o = out.data();
    for (int y = 0; y < rows.height; ++y) {
        PngOrder(rows, y, current.data());
        *o++ = kUpFilter;
        for (std::size_t i = 0; i < rgbBytes; ++i) o[i] = static_cast<uchar>(current[i] - above[i]);
        o += rgbBytes;
        above.swap(current);
    }
    return out;
}

struct CompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};

// The zlib stream of data. Its buffer is left uninitialised: the pages past what the stream
// fills are never touched.
struct Deflated {
    std::unique_ptr<uchar[]> bytes;
    std::size_t size = 0;
};

Deflated Deflate(const std::vector<uchar>& data, int level) {
    const std::unique_ptr<libdeflate_compressor, CompressorFree> compressor(
        libdeflate_alloc_compressor(level));
    if (!compressor) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    const std::size_t bound = libdeflate_zlib_compress_bound(compressor.get(), data.size());
    Deflated out{std::unique_ptr<uchar[]>(new (std::nothrow) uchar[bound]), 0};
    if (!out.bytes) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    out.size = libdeflate_zlib_compress(compressor.get(), data.data(), data.size(), out.bytes.get(),
                                        bound);
    if (out.size == 0) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    return out;
}

}  // namespace

void WritePng24(const BgrRows& rows, platform::ByteSink& sink) {
    if (rows.width <= 0 || rows.height <= 0) throw platform::TessellaError(kPngEmptyMessage);
    static constexpr uchar kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    sink.write(reinterpret_cast<const char*>(kSignature), sizeof kSignature);
    std::vector<uchar> header;
    AppendBe32(header, static_cast<uint32_t>(rows.width));
    AppendBe32(header, static_cast<uint32_t>(rows.height));
    // 8-bit RGB (RGBA with alpha), deflate, filtered, not interlaced.
    header.insert(header.end(), {8, uchar(rows.alpha ? 6 : 2), 0, 0, 0});
    WriteChunk(sink, "IHDR", header.data(), header.size());
    if (rows.dotsPerMeterX > 0 && rows.dotsPerMeterY > 0) {
        std::vector<uchar> resolution;
        AppendBe32(resolution, static_cast<uint32_t>(rows.dotsPerMeterX));
        AppendBe32(resolution, static_cast<uint32_t>(rows.dotsPerMeterY));
        resolution.push_back(1);  // per metre
        WriteChunk(sink, "pHYs", resolution.data(), resolution.size());
    }
    const Deflated pixels = Deflate(FilteredRows(rows), rows.alpha ? kAlphaLevel : kLevel);
    constexpr std::size_t kChunk = 1 << 20;
    for (std::size_t at = 0; at < pixels.size; at += kChunk)
        WriteChunk(sink, "IDAT", pixels.bytes.get() + at, std::min(kChunk, pixels.size - at));
    WriteChunk(sink, "IEND", nullptr, 0);
}

bool IsPngPath(const QString& path) {
    return QFileInfo(path).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
}

}  // namespace tessella::imagefile
