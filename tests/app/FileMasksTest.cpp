#include <gtest/gtest.h>

#include "texture/FileMasks.h"

using namespace tessella::texture;

TEST(FileMasks, SourceMaskAndOpenFilter) {
    const QString mask = SourceFileMask();
    EXPECT_TRUE(mask.startsWith("*.bmp;*.jpg;*.win;"));
    EXPECT_TRUE(mask.endsWith(";*.bw;*.png;*.jpeg;*.jpe;*.webp;"));
    EXPECT_EQ(SourceNameFilters().join(';') + ';', mask);
    // "Toutes images" with the mask first, then one entry per family.
    const QStringList parts = OpenPictureFilter().split('|');
    EXPECT_EQ(parts[1], mask);
    EXPECT_FALSE(OpenPictureFilter().contains("scr"));
}
