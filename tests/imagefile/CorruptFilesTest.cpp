#include <QTemporaryDir>
#include <QtEndian>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;
using tessella::imagefile::LoadImageByExtension;
using tessella::imagefile::PictureHeader;
using tessella::imagefile::ReadPictureHeader;

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

// A real file of every format loads at its size, with ImageMagick's pixels where it reads the
// format (ours exactly for TGA and BMP, else 1 apart at most: its 8-bit export rounds 16-bit
// samples otherwise). info reads only the header of the formats in `headerFirst`: it must give
// what the full load gives, and refuse, with the full load's message, every file whose header
// the full load refuses; a file damaged past its header (cut short) may pass, at its true size.
TEST(CorruptFiles, EveryFormatLoadsRealFilesAndRefusesDamagedOnesCleanly) {
    QTemporaryDir dir;
    const QStringList headerFirst = {"tif", "gif", "tga", "jpg", "pcx", "bmp", "png"};
    // A kind is its extension, or a variant before it.
    for (const char* name : {"tif", "gif", "sgi", "tga", "pcd", "ppm", "jpg", "psd", "pcx", "bmp",
                             "cut", "wmf", "emf", "pic", "rla", "png", "grey-alpha.png"}) {
        const QString ext = QString::fromLatin1(name).section(QLatin1Char('.'), -1);
        const Sample sample = MakeSample(QDir(dir.path()), QString::fromLatin1(name));
        QImage loaded;
        int depth = 0;
        ASSERT_TRUE(LoadImageByExtension(sample.path, loaded, depth)) << name;
        EXPECT_EQ(loaded.size(), sample.size) << name;
        // A PNG keeps its alpha channel: its colours are compared as they are.
        const QStringList opaque = ext == "png" ? QStringList{"-alpha", "off"}
                                                : QStringList{"-background", "white", "-flatten"};
        if (!QStringList{"emf", "pic", "rla"}.contains(ext)) {
            EXPECT_LE(
                MaxDifference(PackedBgr(loaded),
                              RunConvert(QStringList{sample.path, "-auto-orient", "-depth", "8"} +
                                         opaque + QStringList{"bgr:-"})),
                ext == "tga" || ext == "bmp" ? 0 : 1)
                << name;
        }
        const bool header = headerFirst.contains(ext);
        if (header) {
            PictureHeader read;
            ASSERT_TRUE(ReadPictureHeader(sample.path, read)) << name;
            EXPECT_EQ(QSize(read.width, read.height), sample.size) << name;
            EXPECT_EQ(read.depth, depth) << name;
        }
        const QByteArray good = ReadFile(sample.path);
        // The signature overwritten (a Photo-CD's is at 2048); RLA has none: its header is.
        const int n = ext == "rla" ? 740 : 4;
        const QByteArray garbage =
            QByteArray(good).replace(ext == "pcd" ? 2048 : 0, n, QByteArray(n, '\xEE'));
        std::vector<std::pair<const char*, QByteArray>> cases = {
            {"empty", QByteArray()}, {"truncated", Truncated(ext, good)}, {"garbage", garbage}};
        if (header) cases.push_back({"header cut", good.left(12)});
        for (const auto& [what, data] : cases) {
            SCOPED_TRACE(std::string(name) + " " + what);
            const QString path = FileIn(dir, "damaged." + ext, data);
            QImage image;
            const QString refusal = ErrorOf([&] { LoadImageByExtension(path, image); });
            ASSERT_NE(refusal, kNoError);
            EXPECT_TRUE(image.isNull());
            if (!header) continue;
            PictureHeader damaged;
            const bool read = ReadPictureHeader(path, damaged);
            if (std::string(what) != "truncated") {
                EXPECT_FALSE(read);
            }
            const CliResult info = Cli({"info", path});
            if (read) {
                EXPECT_EQ(QSize(damaged.width, damaged.height), sample.size);
                EXPECT_EQ(info.code, 0);
            } else {
                EXPECT_EQ(info.code, 1);
                EXPECT_TRUE(info.err.contains(refusal)) << info.err.toStdString();
            }
        }
    }
}
