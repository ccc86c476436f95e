#include <gtest/gtest.h>

#include "app/FileMasks.h"

using namespace tessella::app;

namespace {
// The 29 patterns of the source list, in order, written out by hand.
const char* const kPatterns[] = {
    "*.bmp", "*.jpg", "*.win",  "*.vst", "*.vda", "*.tiff", "*.tif", "*.tga", "*.sgi", "*.rpf",
    "*.rle", "*.rla", "*.rgba", "*.rgb", "*.psd", "*.ppm",  "*.pgm", "*.pbm", "*.pic", "*.pcx",
    "*.pdd", "*.pcd", "*.pcc",  "*.icb", "*.gif", "*.dib",  "*.cut", "*.cel", "*.bw"};
}  // namespace

TEST(FileMasks, SourceMaskListsThePatternsWithATrailingSemicolon) {
    QString expected;
    for (const char* p : kPatterns) expected += QString::fromLatin1(p) + ';';
    EXPECT_EQ(SourceFileMask(), expected);
    const QStringList filters = SourceNameFilters();
    ASSERT_EQ(filters.size(), 29);
    for (int i = 0; i < 29; ++i) EXPECT_EQ(filters[i], QString::fromLatin1(kPatterns[i]));
}

TEST(FileMasks, OpenFilterHasEighteenEntriesInOrder) {
    const QStringList parts = OpenPictureFilter().split('|');
    ASSERT_EQ(parts.size(), 36);
    const struct {
        const char* caption;
        const char* patterns;
    } rows[] = {
        {"Images WINDOWS bmp jpg rle dib", "*.bmp;*.jpg;*.rle;*.dib"},
        {"Truevision images win vst vda tga icb", "*.win;*.vst;*.vda;*.tga;*.icb"},
        {"TIFF images tiff tif", "*.tif;*.tiff"},
        {"SGI true color images sgi", "*.sgi"},
        {"SGI black/white images bw", "*.bw"},
        {"SGI Wavefront images rpf rla rgb rgba", "*.rpf;*.rla;*.rgb;*.rgba"},
        {"Photoshop images psd", "*.psd"},
        {"Portable pixel map images ppm", "*.ppm"},
        {"Portable grayscale images pgm", "*.pgm"},
        {"Portable b&w images pbm", "*.pbm"},
        {"Autodesk images pic cel", "*.pic;*.cel"},
        {"ZSoft PCX images pcx", "*.pcx"},
        {"Photoshop images pdd", "*.pdd"},
        {"Kodak Photo-CD images pcd", "*.pcd"},
        {"ZSoft PCC images pcc", "*.pcc"},
        {"CompuServe images gif", "*.gif"},
        {"Dr. Halo images cut", "*.cut"},
    };
    EXPECT_EQ(parts[0], "Toutes images ");
    EXPECT_EQ(parts[1], SourceFileMask());
    for (size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(parts[2 + 2 * i].toStdString(), rows[i].caption);
        EXPECT_EQ(parts[3 + 2 * i].toStdString(), rows[i].patterns);
    }
    EXPECT_FALSE(OpenPictureFilter().contains("scr"));
}
