#pragma once
// Byte builders, our own formats byte by byte, one real file per decoder, and ImageMagick.

#include <gtest/gtest.h>
#include <libdeflate.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <ostream>
#include <vector>

#include "imagefile/ImageLoader.h"
#include "platform/Error.h"

// Failure messages show texts, not UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

namespace imagetest {

// v as n bytes, least significant first (Le) or last (Be).
// One BC4 block (half of a BC5 block) decoded by the format's rule: two end values, then a
// 3-bit index a texel; 8 steps between them when the first is larger, else 6 and 0 and 255.
inline void DecodeBc4(const uchar* block, uchar texels[16]) {
    const int a = block[0], b = block[1];
    int values[8] = {a, b};
    for (int i = 1; i < 7; ++i)
        if (a > b) values[i + 1] = ((7 - i) * a + i * b + 3) / 7;
    if (a <= b) {
        for (int i = 1; i < 5; ++i) values[i + 1] = ((5 - i) * a + i * b + 2) / 5;
        values[6] = 0, values[7] = 255;
    }
    quint64 indices = 0;
    for (int i = 0; i < 6; ++i) indices |= quint64(block[2 + i]) << (8 * i);
    for (int t = 0; t < 16; ++t) texels[t] = uchar(values[(indices >> (3 * t)) & 7]);
}

// The BC5 blocks of a width x height picture decoded: each block a BC4 block of red, then one
// of green; red and green get a byte a texel, rows from the top.
inline void DecodeBc5(const QByteArray& blocks, int width, int height, QByteArray& red,
                      QByteArray& green) {
    red = green = QByteArray(qsizetype(width) * height, '\0');
    const int across = (width + 3) / 4;
    for (int block = 0; block * 16 < blocks.size(); ++block) {
        uchar r[16], g[16];
        DecodeBc4(reinterpret_cast<const uchar*>(blocks.constData()) + 16 * block, r);
        DecodeBc4(reinterpret_cast<const uchar*>(blocks.constData()) + 16 * block + 8, g);
        for (int t = 0; t < 16; ++t) {
            const int x = block % across * 4 + t % 4, y = block / across * 4 + t / 4;
            if (x < width && y < height)
                red[y * width + x] = char(r[t]), green[y * width + x] = char(g[t]);
        }
    }
}

inline QByteArray Le(int64_t v, int n) {
    QByteArray out;
    for (int i = 0; i < n; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return out;
}
inline QByteArray Be(int64_t v, int n) {
    QByteArray out = Le(v, n);
    std::reverse(out.begin(), out.end());
    return out;
}
// A little-endian field of file, byte by byte: a field past the end of a short file reads as
// zeros.
inline quint64 Field(const QByteArray& file, qsizetype at, int bytes) {
    quint64 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | quint8(at + i < file.size() ? file[at + i] : 0);
    return value;
}

// A PNG chunk of type holding data, with its checksum.
inline QByteArray PngChunk(const char* type, const QByteArray& data) {
    const QByteArray body = QByteArray(type, 4) + data;
    return Be(data.size(), 4) + body +
           Be(libdeflate_crc32(0, body.constData(), std::size_t(body.size())), 4);
}

inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v));
    return out;
}

inline QByteArray Counting(int from, int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i) out.append(static_cast<char>(from + i));
    return out;
}

inline const QString kNoError = QStringLiteral("(no error)");

// The message of the TessellaError that f throws, or kNoError.
inline QString ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const tessella::platform::TessellaError& e) {
        return e.message();
    }
    return kNoError;
}

// The message of the loader's refusal of the file at path, or kNoError.
inline QString LoadError(const QString& path) {
    QImage image;
    return ErrorOf([&] { tessella::imagefile::LoadImageByExtension(path, image); });
}

#ifdef TESSELLA_CLI
struct CliResult {
    int code = -1;
    QString out, err;
};

inline CliResult Cli(const QStringList& args, const QString& temporaryFolder = {},
                     const QString& decoder = {}) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!temporaryFolder.isEmpty()) env.insert(QStringLiteral("TMPDIR"), temporaryFolder);
    if (!decoder.isEmpty()) env.insert(QStringLiteral("TESSELLA_DECODER"), decoder);
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TESSELLA_CLI), args);
    if (!p.waitForFinished(120000)) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
#endif

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
// The bytes written into dir under name: the file's path.
inline QString FileIn(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    WriteFile(path, bytes);
    return path;
}
inline QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// ImageMagick 6's convert (a plain "convert" may be something else): its standard output.
inline QByteArray RunConvert(const QStringList& args) {
    const QString convert = QStandardPaths::findExecutable(QStringLiteral("convert-im6.q16"));
    QProcess p;
    p.start(convert.isEmpty() ? QStringLiteral("/usr/bin/convert") : convert, args);
    const bool finished = p.waitForFinished(60000);
    EXPECT_TRUE(finished && p.exitCode() == 0) << "convert " << args.join(' ').toStdString() << ": "
                                               << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// The colours as blue, green, red bytes; a picture with alpha gives its colours as stored.
inline QByteArray PackedBgr(const QImage& image) {
    if (image.format() == QImage::Format_ARGB32) {
        QByteArray out;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb c = reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
                out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            }
        return out;
    }
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    QByteArray out;
    for (int y = 0; y < bgr.height(); ++y)
        out.append(reinterpret_cast<const char*>(bgr.constScanLine(y)), bgr.width() * 3);
    return out;
}

// The largest difference between two byte strings of one size.
inline int MaxDifference(const QByteArray& a, const QByteArray& b) {
    EXPECT_EQ(a.size(), b.size());
    int worst = a.size() == b.size() ? 0 : 256;
    for (qsizetype i = 0; i < a.size() && worst < 256; ++i)
        worst = std::max(worst, std::abs(uchar(a[i]) - uchar(b[i])));
    return worst;
}

inline quint16 Raw16(const QImage& image, int x, int y) {
    return reinterpret_cast<const quint16*>(image.constScanLine(y))[x];
}

// A BMP: file header, information header (or the OS/2 12-byte one), masks, palette, pixels.
struct BmpSpec {
    int bits = 24, width = 2, height = 2, compression = 0, colours = 0, headerSize = 40;
    QByteArray palette{}, masks{}, pixels{};
};
inline QByteArray Bmp(const BmpSpec& s) {
    QByteArray info;
    info += Le(s.headerSize, 4);
    if (s.headerSize == 12) {
        for (int v : {s.width, s.height, 1, s.bits}) info += Le(v, 2);
    } else {
        for (int64_t v : {s.width, s.height, 1 | s.bits << 16, s.compression}) info += Le(v, 4);
        for (int64_t v : {int64_t(s.pixels.size()), int64_t(2835), int64_t(2835),
                          int64_t(s.colours), int64_t(0)})
            info += Le(v, 4);
    }
    const qsizetype offset = 14 + info.size() + s.masks.size() + s.palette.size();
    QByteArray out("BM");
    for (int64_t v : {offset + s.pixels.size(), qsizetype(0), offset}) out += Le(v, 4);
    return out + info + s.masks + s.palette + s.pixels;
}

struct TgaSpec {
    int type = 2, bits = 24, descriptor = 0x20, width = 2, height = 2;
    int mapType = 0, mapLength = 0, mapBits = 0;
    QByteArray id{}, map{}, pixels{};
};
inline QByteArray Tga(const TgaSpec& s) {
    QByteArray out = Bytes({int(s.id.size()), s.mapType, s.type, 0, 0});
    out += Le(s.mapLength, 2);
    out += Bytes({s.mapBits, 0, 0, 0, 0});
    out += Le(s.width, 2);
    out += Le(s.height, 2);
    return out + Bytes({s.bits, s.descriptor}) + s.id + s.map + s.pixels;
}

// Wavefront RLA: header, offset table, then each stored scanline's (bottom first) channels.
struct RlaFile {
    int left = 0, right = 0, bottom = 0, top = 0;
    int colourChannels = 3, matteChannels = 1, bits = 8;
    std::vector<std::vector<QByteArray>> scanlines{};  // [stored row][channel]

    QByteArray Build() const {
        QByteArray out(740, '\0');
        const int window[4] = {left, right, bottom, top};
        for (int i = 0; i < 8; ++i)
            out.replace(2 * i, 2, Be(window[i % 4], 2));  // window, active window
        out.replace(20, 4, Be(colourChannels, 2) + Be(matteChannels, 2));
        out.replace(26, 2, Be(-2, 2));  // revision 0xFFFE
        for (int at : {658, 662}) out.replace(at, 2, Be(bits, 2));
        int64_t offset = 740 + 4 * static_cast<int64_t>(scanlines.size());
        for (const auto& line : scanlines) {
            out += Be(offset, 4);
            for (const QByteArray& channel : line) offset += 2 + channel.size();
        }
        for (const auto& line : scanlines)
            for (const QByteArray& channel : line) out += Be(channel.size(), 2) + channel;
        return out;
    }
};

// Autodesk Animator picture: 32-byte header, palette of 6-bit levels, indices.
inline QByteArray PicFile(int width, int height, const QByteArray& palette,
                          const QByteArray& indices, int depth = 8, int compression = 0) {
    return Le(0x9119, 2) + Le(width, 2) + Le(height, 2) + QByteArray(4, '\0') +
           Bytes({depth, compression}) + Le(indices.size(), 2) + QByteArray(18, '\0') + palette +
           indices;
}

// EMF: a header, then records as 32-bit words (and raw tails).
class EmfFile {
  public:
    // Frame in hundredths of a millimetre, 10 pixels a millimetre: 400 x 300 is 40 x 30 pixels.
    explicit EmfFile(int frameRight = 400, int frameBottom = 300, int handles = 4) {
        for (int64_t v :
             {1,       88, 0, 0,       0, 0, 0, 0,    frameRight, frameBottom, 0x464D4520,
              0x10000, 0,  0, handles, 0, 0, 0, 1000, 1000,       100,         100})
            bytes_ += Le(v, 4);  // device of 1000 x 1000 pixels and 100 x 100 mm
    }
    EmfFile& Add(uint32_t type, const std::vector<uint32_t>& words, QByteArray tail = {}) {
        bytes_ += Le(type, 4);
        bytes_ += Le(static_cast<int64_t>(8 + words.size() * 4 + tail.size()), 4);
        for (uint32_t w : words) bytes_ += Le(w, 4);
        bytes_ += tail;
        return *this;
    }
    QByteArray Finished() { return Add(14, {0, 16, 20}).bytes_; }  // EOF

  private:
    QByteArray bytes_;
};

struct Sample {
    QString path;
    QSize size;
};

// Dr. Halo CUT, 6 x 3: each row a run of 6 pixels.
inline QByteArray CutFile() {
    QByteArray out;
    for (int v : {6, 3, 0}) out += Le(v, 2);
    for (int y = 0; y < 3; ++y) out += Le(3, 2) + Bytes({0x80 | 6, 1 + y, 0});
    return out;
}

// Placeable Windows metafile of width x height units at 72 units per inch, one rectangle.
inline QByteArray WmfFile(int width = 100, int height = 80) {
    QByteArray out = Le(0x9AC6CDD7, 4);
    for (int v : {0, 0, 0, width, height, 72, 0, 0}) out += Le(v, 2);  // the last two: reserved
    int checksum = 0;
    for (int i = 0; i < 20; i += 2) checksum ^= uchar(out[i]) | (uchar(out[i + 1]) << 8);
    out += Le(checksum, 2);
    const int records = 7 + 3;  // rectangle, end of file (in 16-bit words)
    // header (type, size, version, file size, objects, largest record), the rectangle (bottom,
    // right, top, left), end of file, as (value, bytes).
    const std::pair<int, int> fields[] = {{1, 2},  {9, 2}, {0x300, 2}, {9 + records, 4}, {0, 2},
                                          {7, 4},  {0, 2}, {7, 4},     {0x041B, 2},      {40, 2},
                                          {50, 2}, {0, 2}, {0, 2},     {3, 4},           {0, 2}};
    for (auto [v, n] : fields) out += Le(v, n);
    return out;
}

// Writes the sample for ext (lower case, no dot; "grey-alpha.png" for a variant) into dir.
inline Sample MakeSample(const QDir& dir, const QString& ext) {
    const QString path = dir.filePath(QStringLiteral("sample.") + ext);
    const QString source = dir.filePath(QStringLiteral("source.png"));
    if (!QFile::exists(source))
        RunConvert({QStringLiteral("-seed"), QStringLiteral("7"), QStringLiteral("-size"),
                    QStringLiteral("24x16"), QStringLiteral("plasma:"), source});
    auto bytes = [&](const QByteArray& data, QSize size) {
        WriteFile(path, data);
        return Sample{path, size};
    };
    if (QStringList{"tif", "gif", "sgi", "tga", "pcd", "ppm", "jpg", "psd", "pcx", "bmp", "png"}
            .contains(ext)) {
        RunConvert({source, (ext == "bmp" ? QStringLiteral("BMP3:") : QString()) + path});
        return Sample{path, ext == "pcd" ? QSize(768, 512) : QSize(24, 16)};
    }
    if (ext == "grey-alpha.png") {  // colour type 4: 32 bits once loaded
        RunConvert({source, "-colorspace", "Gray", "-alpha", "set", "-channel", "A", "-evaluate",
                    "set", "60%", "+channel", "-define", "png:color-type=4", path});
        return Sample{path, QSize(24, 16)};
    }
    if (ext == "cut") return bytes(CutFile(), QSize(6, 3));
    if (ext == "wmf") return bytes(WmfFile(), QSize(100, 80));
    if (ext == "emf") return bytes(EmfFile(1000, 800).Finished(), QSize(100, 80));
    if (ext == "pic")
        return bytes(PicFile(5, 3, QByteArray(768, 33), QByteArray(15, 1)), QSize(5, 3));
    RlaFile rla{.right = 1, .top = 1};
    const std::vector<QByteArray> line = {Bytes({0xFE, 10, 20}), Bytes({0xFE, 30, 40}),
                                          Bytes({0xFE, 50, 60}), Bytes({0x01, 255})};
    rla.scanlines = {line, line};
    if (ext == "rla") return bytes(rla.Build(), QSize(2, 2));
    ADD_FAILURE() << "no sample for " << ext.toStdString();
    return {};
}

}  // namespace imagetest
