#include <QTemporaryDir>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;
using tessella::imagefile::IsKnownImageExtension;
using tessella::imagefile::LoadImageByExtension;

TEST(ImageLoader, AcceptedExtensions) {
    struct Row {
        const char* path;
        bool accepted;
    } rows[] = {
        {"photo.jpg", true}, {"photo.JPG", true}, {"photo.jpeg", false},
        {"icon.ico", false}, {"pic.rgba", false}, {"pic.rgb", true},
        {"scan.TiFf", true}, {"a.b.tga", true},   {"noextension", false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(IsKnownImageExtension(QString::fromLatin1(row.path)), row.accepted) << row.path;
}

TEST(ImageLoader, LibraryFormatsComeOutOpaqueInRgb) {
    QTemporaryDir dir;
    // A transparent GIF with one red pixel: the rest over white. A CMYK TIFF of pure red.
    const QString gif = dir.filePath(QStringLiteral("t.gif"));
    RunConvert({QStringLiteral("-size"), QStringLiteral("3x2"), QStringLiteral("xc:none"),
                QStringLiteral("-fill"), QStringLiteral("red"), QStringLiteral("-draw"),
                QStringLiteral("point 0,0"), gif});
    const QString tif = dir.filePath(QStringLiteral("c.tif"));
    RunConvert({QStringLiteral("-size"), QStringLiteral("3x2"), QStringLiteral("xc:red"),
                QStringLiteral("-colorspace"), QStringLiteral("CMYK"), tif});
    QImage image;
    ASSERT_TRUE(LoadImageByExtension(gif, image));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(2, 1), QColor(255, 255, 255));
    ASSERT_TRUE(LoadImageByExtension(tif, image));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(255, 0, 0));
}

TEST(ImageLoader, TooLargeForTheLibraryIsSaidSo) {
    QTemporaryDir dir;
    const QString pgm = dir.filePath(QStringLiteral("wide.pgm"));
    WriteFile(pgm, QByteArray("P5\n20000 1\n255\n") + QByteArray(20000, '\x80'));
    QImage image;
    EXPECT_EQ(ErrorOf([&] { LoadImageByExtension(pgm, image); }),
              QStringLiteral("Impossible de décoder l'image %1 : image trop grande").arg(pgm));
}
