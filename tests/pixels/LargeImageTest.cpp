// Pictures on the working array's storage (large ones from the system) behave as any QImage.

#include <gtest/gtest.h>

#include "pixels/LargeImage.h"

using tessella::pixels::NewImage;

TEST(LargeImage, BehavesAsAnyPicture) {
    const struct {
        int width, height;
        QImage::Format format;
        qsizetype bytesPerLine;  // 3 or 4 bytes a pixel, rows padded to 4 bytes
    } rows[] = {
        {1001, 700, QImage::Format_BGR888, 3004},  // 2.1 MB: from the system
        {5, 3, QImage::Format_BGR888, 16},         // on the heap
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.width);
        QImage image = NewImage(r.width, r.height, r.format);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(r.width, r.height));
        EXPECT_EQ(image.bytesPerLine(), r.bytesPerLine);
        image.fill(Qt::red);
        image.setPixelColor(r.width - 1, r.height - 1, Qt::blue);
        const QImage shared = image;
        image.setPixelColor(0, 0, Qt::green);  // detaches: the copy keeps its pixels
        EXPECT_EQ(shared.pixelColor(0, 0), QColor(Qt::red));
        EXPECT_EQ(shared.pixelColor(r.width - 1, r.height - 1), QColor(Qt::blue));
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::green));
    }
    EXPECT_TRUE(NewImage(0, 5, QImage::Format_BGR888).isNull());
}
