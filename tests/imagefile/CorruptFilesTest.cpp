// A real file of every accepted format loads at its size; damaged ones (empty, cut short, or
// with a garbage signature) must end in a clean TessellaError, never a crash, a hang or a
// picture reported as loaded.

#include <QTemporaryDir>
#include <QtEndian>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;
using tessella::imagefile::LoadImageByExtension;

namespace {

// The sample cut in its pixel data. ImageMagick composes a PSD whose merged picture is cut
// short from its whole layers: the PSD ends inside its layers.
QByteArray Truncated(const QString& ext, const QByteArray& d) {
    if (ext != "psd") return d.left(d.size() / 2);
    qsizetype at = 26;
    for (int skip = 0; skip < 2; ++skip)  // colour mode data, image resources
        at += 4 + qFromBigEndian<quint32>(d.constData() + at);
    return d.left(at + 4 + qFromBigEndian<quint32>(d.constData() + at) / 2);
}

}  // namespace

TEST(CorruptFiles, EveryFormatLoadsRealFilesAndRefusesDamagedOnesCleanly) {
    QTemporaryDir dir;
    for (const char* name : {"tif", "gif", "sgi", "tga", "pcd", "ppm", "jpg", "psd", "pcx", "bmp",
                             "cut", "wmf", "emf", "pic", "rla"}) {
        const QString ext = QString::fromLatin1(name);
        const Sample sample = MakeSample(QDir(dir.path()), ext);
        QImage loaded;
        ASSERT_TRUE(LoadImageByExtension(sample.path, loaded)) << name;
        EXPECT_EQ(loaded.size(), sample.size) << name;
        const QByteArray good = ReadFile(sample.path);
        // The signature overwritten (a Photo-CD's is at 2048); RLA has none: its header is.
        const int n = ext == "rla" ? 740 : 4;
        const QByteArray garbage =
            QByteArray(good).replace(ext == "pcd" ? 2048 : 0, n, QByteArray(n, '\xEE'));
        const std::pair<const char*, QByteArray> cases[] = {
            {"empty", QByteArray()}, {"truncated", Truncated(ext, good)}, {"garbage", garbage}};
        for (const auto& [what, data] : cases) {
            SCOPED_TRACE(std::string(name) + " " + what);
            const QString path = dir.filePath(QStringLiteral("damaged.") + ext);
            WriteFile(path, data);
            QImage image;
            EXPECT_NE(ErrorOf([&] { LoadImageByExtension(path, image); }), kNoError);
            EXPECT_TRUE(image.isNull());
        }
    }
}
