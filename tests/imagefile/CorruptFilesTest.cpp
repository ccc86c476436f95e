// A real file of every accepted format loads at its size; damaged ones must end in a clean
// TessellaError, never a crash, a hang or a picture reported as loaded.

#include <QTemporaryDir>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;
using tessella::imagefile::KnownImageExtensions;
using tessella::imagefile::LoadImageByExtension;

namespace {

// The GIF image descriptor after the header, the global colour table and any extensions.
qsizetype GifDescriptor(const QByteArray& d) {
    qsizetype at = 13;
    if (uchar(d[10]) & 0x80) at += 3 * (2 << (uchar(d[10]) & 7));
    while (at < d.size() && d[at] == 0x21) {
        at += 2;
        while (at < d.size() && d[at] != 0) at += 1 + uchar(d[at]);
        ++at;
    }
    return at < d.size() && d[at] == 0x2C ? at : -1;
}

// The sample with its header claiming an absurd size; empty when the format has fixed sizes.
QByteArray AbsurdSize(const QString& ext, QByteArray d) {
    if (ext == "tga" || ext == "vst" || ext == "vda" || ext == "icb" || ext == "win") {
        PutLe16(d, 12, 65535), PutLe16(d, 14, 65535);
    } else if (ext == "bmp" || ext == "dib" || ext == "rle") {
        PutLe32(d, 18, 1000000), PutLe32(d, 22, 1000000);
    } else if (ext == "gif") {
        const qsizetype at = GifDescriptor(d);
        if (at < 0) return {};
        PutLe16(d, 6, 65535), PutLe16(d, 8, 65535);
        PutLe16(d, at + 5, 65535), PutLe16(d, at + 7, 65535);
    } else if (ext == "tif" || ext == "tiff") {
        const qsizetype ifd = uchar(d[4]) | (uchar(d[5]) << 8);
        const int entries = uchar(d[ifd]) | (uchar(d[ifd + 1]) << 8);
        for (int i = 0; i < entries; ++i) {
            const qsizetype e = ifd + 2 + 12 * i;
            const int tag = uchar(d[e]) | (uchar(d[e + 1]) << 8);
            if (tag != 256 && tag != 257) continue;
            if (d[e + 2] == 3)
                PutLe16(d, e + 8, 65535);
            else
                PutLe32(d, e + 8, 1000000);
        }
    } else if (ext == "pcx" || ext == "scr" || ext == "pcc") {
        PutLe16(d, 8, 65534), PutLe16(d, 10, 65534);
    } else if (ext == "sgi" || ext == "bw" || ext == "rgb") {
        PutBe16(d, 6, 65535), PutBe16(d, 8, 65535);
    } else if (ext == "ppm" || ext == "pgm" || ext == "pbm") {
        d.replace("24 16", "65535 65535");
    } else if (ext == "psd" || ext == "pdd") {
        PutBe32(d, 14, 300000), PutBe32(d, 18, 300000);
    } else if (ext == "cut") {
        PutLe16(d, 0, 65535), PutLe16(d, 2, 65535);
    } else if (ext == "jpg") {
        const qsizetype sof = d.indexOf(QByteArray("\xFF\xC0", 2));
        if (sof < 0) return {};
        PutBe16(d, sof + 5, 65535), PutBe16(d, sof + 7, 65535);
    } else if (ext == "rla" || ext == "rpf") {
        for (int w = 0; w < 2; ++w) PutBe16(d, w * 8 + 2, 32767), PutBe16(d, w * 8 + 6, 32767);
    } else if (ext == "pic" || ext == "cel") {
        PutLe16(d, 2, 32767), PutLe16(d, 4, 32767);
    } else if (ext == "emf") {
        for (int at : {16, 20, 32, 36}) PutLe32(d, at, 2000000000);
    } else if (ext == "wmf") {
        PutLe16(d, 10, 32767), PutLe16(d, 12, 32767), PutLe16(d, 14, 1);
        int checksum = 0;
        for (int i = 0; i < 20; i += 2) checksum ^= uchar(d[i]) | (uchar(d[i + 1]) << 8);
        PutLe16(d, 20, checksum);
    } else {
        return {};  // Photo-CD: its resolutions are fixed by the format
    }
    return d;
}

uint32_t Be32At(const QByteArray& d, qsizetype at) {
    return (uint32_t(uchar(d[at])) << 24) | (uchar(d[at + 1]) << 16) | (uchar(d[at + 2]) << 8) |
           uchar(d[at + 3]);
}

// The sample cut in the middle of its pixel data. libjpeg fills a scan cut short with grey, as
// the JPEG decoder documents: the JPEG file ends before its scan instead. ImageMagick composes
// a PSD whose merged picture is cut short from its layers, which are whole: the PSD file ends
// inside its layers instead.
QByteArray Truncated(const QString& ext, const QByteArray& d) {
    if (ext == "jpg") return d.left(d.indexOf(QByteArray("\xFF\xDA", 2)));
    if (ext == "psd" || ext == "pdd") {
        qsizetype at = 26;
        at += 4 + Be32At(d, at);  // colour mode data
        at += 4 + Be32At(d, at);  // image resources
        return d.left(at + 4 + Be32At(d, at) / 2);
    }
    return d.left(d.size() / 2);
}

// The sample with its signature overwritten (a Photo-CD's is at 2048); empty for RLA, which
// has none.
QByteArray WrongMagic(const QString& ext, QByteArray d) {
    if (ext == "rla" || ext == "rpf") return {};
    const qsizetype at = ext == "pcd" ? 2048 : 0;
    for (int i = 0; i < 4; ++i) d[at + i] = '\xEE';
    return d;
}

QByteArray Garbage(int size) {
    QByteArray out;
    uint32_t x = 12345;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        out.append(static_cast<char>(x >> 24));
    }
    return out;
}

}  // namespace

TEST(CorruptFiles, EveryFormatLoadsRealFilesAndRefusesDamagedOnesCleanly) {
    QTemporaryDir dir;
    for (const QString& upper : KnownImageExtensions()) {
        const QString ext = upper.mid(1).toLower();
        const Sample sample = MakeSample(QDir(dir.path()), ext);
        QImage loaded;
        ASSERT_TRUE(LoadImageByExtension(sample.path, loaded)) << ext.toStdString();
        EXPECT_EQ(loaded.size(), sample.size) << ext.toStdString();
        const QByteArray good = ReadFile(sample.path);
        struct Case {
            const char* name;
            QByteArray data;
        } cases[] = {
            {"empty", QByteArray()},
            {"truncated", Truncated(ext, good)},
            {"wrong magic", WrongMagic(ext, good)},
            {"absurd size", AbsurdSize(ext, good)},
            {"garbage", Garbage(300)},
        };
        for (const Case& c : cases) {
            if (c.data.isNull() && QLatin1String(c.name) != QLatin1String("empty")) continue;
            SCOPED_TRACE((ext + QLatin1Char(' ') + QLatin1String(c.name)).toStdString());
            const QString path = dir.filePath(QStringLiteral("damaged.") + ext);
            WriteFile(path, c.data);
            QImage image;
            const QString error = ErrorOf([&] { LoadImageByExtension(path, image); });
            EXPECT_NE(error, kNoError);
            EXPECT_TRUE(image.isNull());
        }
    }
}
