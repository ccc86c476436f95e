// The long run of big valid pictures, made by ImageMagick's convert at test time: all within
// the 128-megapixel limit, all load at their size (none is "endommagé" nor "trop grande").
// Runs only with TESSELLA_LONG_TESTS=1 (ctest -L long); the default suite skips it.

#include <QTemporaryDir>

#include "../ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;
using tessella::imagefile::LoadImageByExtension;

TEST(BigPictures, LoadAtTheirSizeWithinThePixelLimit) {
    if (qgetenv("TESSELLA_LONG_TESTS") != "1")
        GTEST_SKIP() << "long test: run with TESSELLA_LONG_TESTS=1 (ctest -L long)";
    QTemporaryDir dir;
    // convert itself under the system's policy stops at 16000 pixels a side and 128
    // megapixels: a policy read first lets it make the pictures, in memory.
    WriteFile(dir.filePath(QStringLiteral("policy.xml")),
              "<policymap>\n"
              "<policy domain=\"resource\" name=\"memory\" value=\"4GiB\"/>\n"
              "<policy domain=\"resource\" name=\"map\" value=\"4GiB\"/>\n"
              "<policy domain=\"resource\" name=\"width\" value=\"1MP\"/>\n"
              "<policy domain=\"resource\" name=\"height\" value=\"1MP\"/>\n"
              "<policy domain=\"resource\" name=\"area\" value=\"1GP\"/>\n"
              "<policy domain=\"resource\" name=\"disk\" value=\"0\"/>\n"
              "</policymap>\n");
    qputenv("MAGICK_CONFIGURE_PATH", QFile::encodeName(dir.path()));
    const struct {
        const char* name;
        QSize size;
        QStringList options;
    } rows[] = {
        {"grey.tif", {10000, 10000}, {"xc:gray50", "-depth", "8", "-compress", "lzw"}},
        {"grey-long.tif", {16000, 8000}, {"xc:gray50", "-depth", "8", "-compress", "lzw"}},
        {"wide.ppm", {16384, 1000}, {"xc:red", "-depth", "8"}},
        {"wide.gif", {16000, 8000}, {"xc:red"}},
        // ImageMagick's own reader, its pixel cache in memory (288 MB at 16 bits a sample).
        {"ramp.psd", {6000, 6000}, {"gradient:red-blue", "-depth", "8"}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QString path = dir.filePath(QString::fromLatin1(row.name));
        RunConvert(
            QStringList{QStringLiteral("-size"),
                        QStringLiteral("%1x%2").arg(row.size.width()).arg(row.size.height())} +
            row.options + QStringList{path});
        QImage image;
        EXPECT_EQ(ErrorOf([&] { LoadImageByExtension(path, image); }), kNoError);
        EXPECT_EQ(image.size(), row.size);
        QFile::remove(path);
    }
}
