#include <gtest/gtest.h>

#include "texture/FileMasks.h"

using namespace tessella::texture;

TEST(FileMasks, SourceMaskAndOpenFilter) {
    // The 29 patterns of the source list, in order, written out by hand, then today's four.
    const QString mask = QStringLiteral(
        "*.bmp;*.jpg;*.win;*.vst;*.vda;*.tiff;*.tif;*.tga;*.sgi;*.rpf;*.rle;*.rla;*.rgba;*.rgb;"
        "*.psd;*.ppm;*.pgm;*.pbm;*.pic;*.pcx;*.pdd;*.pcd;*.pcc;*.icb;*.gif;*.dib;*.cut;*.cel;"
        "*.bw;*.png;*.jpeg;*.jpe;*.webp;");
    EXPECT_EQ(SourceFileMask(), mask);
    const QStringList filters = SourceNameFilters();
    ASSERT_EQ(filters.size(), 33);
    EXPECT_EQ(filters.join(';') + ';', mask);

    // Nineteen entries: "Toutes images" with the mask, then one per family.
    const QStringList parts = OpenPictureFilter().split('|');
    ASSERT_EQ(parts.size(), 38);
    EXPECT_EQ(parts[1], mask);
    EXPECT_EQ(parts[3], QStringLiteral("*.png;*.jpeg;*.jpe;*.webp"));
    EXPECT_FALSE(OpenPictureFilter().contains("scr"));
}
