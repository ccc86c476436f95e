// A real file of every accepted format loads at its size; damaged ones must end in a clean
// TessellaError, never a crash, a hang or a picture reported as loaded.

#include <QTemporaryDir>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;
using tessella::imagefile::LoadImageByExtension;

namespace {

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
    if (ext == "rla") return {};
    const qsizetype at = ext == "pcd" ? 2048 : 0;
    for (int i = 0; i < 4; ++i) d[at + i] = '\xEE';
    return d;
}

}  // namespace

TEST(CorruptFiles, EveryFormatLoadsRealFilesAndRefusesDamagedOnesCleanly) {
    QTemporaryDir dir;
    for (const char* name : {"tif", "gif", "sgi", "tga", "pcd", "ppm", "jpg", "psd", "pcx", "bmp",
                             "cut", "wmf", "emf", "pic", "rla"}) {
        const QString ext = QString::fromLatin1(name);
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
