#pragma once
// One real file for each of the 31 extensions, made in a temporary folder: ImageMagick writes
// the formats it can write, the others are built byte by byte here.

#include <QDir>
#include <QSize>
#include <QString>

#include "ImageTestSupport.h"

namespace imagetest {

struct Sample {
    QString path;
    QSize size;
    QString coder;  // ImageMagick's coder for it, empty when ImageMagick cannot read it
};

inline void Be16(QByteArray& out, int v) {
    out.append(static_cast<char>((v >> 8) & 0xFF));
    out.append(static_cast<char>(v & 0xFF));
}
inline void PutBe16(QByteArray& out, qsizetype at, int v) {
    out[at] = static_cast<char>((v >> 8) & 0xFF);
    out[at + 1] = static_cast<char>(v & 0xFF);
}
inline void PutLe16(QByteArray& out, qsizetype at, int v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}
inline void PutLe32(QByteArray& out, qsizetype at, int64_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// Dr. Halo CUT, 6 x 3: each row a run of 6 pixels of index 1 + row, then the row's end.
inline QByteArray CutFile() {
    QByteArray out;
    Le16(out, 6);
    Le16(out, 3);
    Le16(out, 0);
    for (int y = 0; y < 3; ++y) {
        Le16(out, 3);
        out += Bytes({0x80 | 6, 1 + y, 0});
    }
    return out;
}

// Placeable Windows metafile of 100 x 80 units at 72 units per inch, one rectangle.
inline QByteArray WmfFile() {
    QByteArray out;
    Le32(out, 0x9AC6CDD7);
    for (int v : {0, 0, 0, 100, 80, 72}) Le16(out, v);
    Le32(out, 0);
    int checksum = 0;
    for (int i = 0; i < 20; i += 2) checksum ^= uchar(out[i]) | (uchar(out[i + 1]) << 8);
    Le16(out, checksum);
    const int records = 7 + 3;  // rectangle, end of file (in 16-bit words)
    for (int v : {1, 9, 0x300}) Le16(out, v);
    Le32(out, 9 + records);
    Le16(out, 0);
    Le32(out, 7);
    Le16(out, 0);
    Le32(out, 7);
    for (int v : {0x041B, 40, 50, 0, 0}) Le16(out, v);  // bottom, right, top, left
    Le32(out, 3);
    Le16(out, 0);
    return out;
}

// Enhanced metafile: a frame of 10 x 8 mm on a device of 10 pixels per millimetre.
inline QByteArray EmfFile() {
    QByteArray out;
    Le32(out, 1);
    Le32(out, 88);
    for (int v : {0, 0, 99, 79, 0, 0, 1000, 800}) Le32(out, v);
    Le32(out, 0x464D4520);
    Le32(out, 0x10000);
    Le32(out, 88 + 20);
    Le32(out, 2);
    Le32(out, 1);  // handles, reserved
    for (int v : {0, 0, 0, 1000, 1000, 100, 100}) Le32(out, v);
    for (int v : {14, 20, 0, 16, 20}) Le32(out, v);
    return out;
}

// Autodesk Animator picture with the 32-byte header: a palette of 6-bit levels, indices.
inline QByteArray PicFile(int width, int height) {
    QByteArray out(32, '\0');
    PutLe16(out, 0, 0x9119);
    PutLe16(out, 2, width);
    PutLe16(out, 4, height);
    out[10] = 8;
    for (int i = 0; i < 768; ++i) out.append(static_cast<char>(i % 64));
    for (int i = 0; i < width * height; ++i) out.append(static_cast<char>(i % 256));
    return out;
}

// Wavefront RLA, 2 x 2, three colour channels and a matte, each scanline a literal of two.
inline QByteArray RlaFile() {
    QByteArray out(740, '\0');
    for (int w = 0; w < 2; ++w) PutBe16(out, w * 8 + 2, 1), PutBe16(out, w * 8 + 6, 1);
    PutBe16(out, 20, 3);
    PutBe16(out, 22, 1);
    PutBe16(out, 26, -2);
    PutBe16(out, 658, 8);
    PutBe16(out, 662, 8);
    const QByteArray channels[] = {Bytes({0xFE, 10, 20}), Bytes({0xFE, 30, 40}),
                                   Bytes({0xFE, 50, 60}), Bytes({0x01, 255})};
    qsizetype lineSize = 0;
    for (const QByteArray& c : channels) lineSize += 2 + c.size();
    for (int line = 0; line < 2; ++line) {
        const int64_t offset = 740 + 8 + line * lineSize;
        for (int shift = 24; shift >= 0; shift -= 8)
            out.append(static_cast<char>((offset >> shift) & 0xFF));
    }
    for (int line = 0; line < 2; ++line)
        for (const QByteArray& c : channels) {
            Be16(out, static_cast<int>(c.size()));
            out += c;
        }
    return out;
}

// Writes the sample for extension (lower case, no dot) into dir.
inline Sample MakeSample(const QDir& dir, const QString& ext) {
    const QString path = dir.filePath(QStringLiteral("sample.") + ext);
    const QString source = dir.filePath(QStringLiteral("source.png"));
    if (!QFile::exists(source))
        RunConvert({QStringLiteral("-seed"), QStringLiteral("7"), QStringLiteral("-size"),
                    QStringLiteral("24x16"), QStringLiteral("plasma:"), source});
    auto magick = [&](QStringList options, const QString& coder) {
        RunConvert(QStringList{source} + options + QStringList{coder + QLatin1Char(':') + path});
        return Sample{path, QSize(24, 16),
                      coder.startsWith(QLatin1String("BMP")) ? QStringLiteral("BMP") : coder};
    };
    auto bytes = [&](const QByteArray& data, QSize size, const char* coder) {
        WriteFile(path, data);
        return Sample{path, size, QString::fromLatin1(coder)};
    };
    const QString gray = QStringLiteral("-colorspace"), grey = QStringLiteral("Gray");
    const QString type = QStringLiteral("-type"), palette = QStringLiteral("Palette");
    const QString compress = QStringLiteral("-compress"), rle = QStringLiteral("RLE");
    if (ext == "tif" || ext == "tiff") return magick({}, QStringLiteral("TIFF"));
    if (ext == "gif") return magick({}, QStringLiteral("GIF"));
    if (ext == "sgi" || ext == "rgb") return magick({}, QStringLiteral("SGI"));
    if (ext == "bw") return magick({gray, grey}, QStringLiteral("SGI"));
    if (ext == "tga" || ext == "vst") return magick({}, QStringLiteral("TGA"));
    if (ext == "vda") return magick({compress, rle}, QStringLiteral("TGA"));
    if (ext == "icb") return magick({type, palette}, QStringLiteral("TGA"));
    if (ext == "win") return magick({type, QStringLiteral("Grayscale")}, QStringLiteral("TGA"));
    if (ext == "pcd") {
        Sample s = magick({}, QStringLiteral("PCD"));
        s.size = QSize(768, 512);  // a Photo-CD's base resolution
        return s;
    }
    if (ext == "ppm" || ext == "pgm" || ext == "pbm") return magick({}, ext.toUpper());
    if (ext == "jpg") return magick({}, QStringLiteral("JPG"));
    if (ext == "psd" || ext == "pdd") return magick({}, QStringLiteral("PSD"));
    if (ext == "pcx" || ext == "scr" || ext == "pcc") return magick({}, QStringLiteral("PCX"));
    if (ext == "bmp" || ext == "dib") return magick({}, QStringLiteral("BMP3"));
    if (ext == "rle") return magick({type, palette, compress, rle}, QStringLiteral("BMP3"));
    if (ext == "cut") return bytes(CutFile(), QSize(6, 3), "CUT");
    if (ext == "wmf") return bytes(WmfFile(), QSize(100, 80), "WMF");
    if (ext == "emf") return bytes(EmfFile(), QSize(100, 80), "");
    if (ext == "pic") return bytes(PicFile(5, 3), QSize(5, 3), "");
    if (ext == "cel") return bytes(PicFile(4, 2), QSize(4, 2), "");
    if (ext == "rla" || ext == "rpf") return bytes(RlaFile(), QSize(2, 2), "");
    ADD_FAILURE() << "no sample for " << ext.toStdString();
    return {};
}

}  // namespace imagetest
