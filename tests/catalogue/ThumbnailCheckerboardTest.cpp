// A catalogue thumbnail of a picture with transparency shows the grey checkerboard under it:
// 8-pixel squares, 255 at the picture's corner, 204 beside it.

#include <gtest/gtest.h>

#include "ui/catalogue/ThumbnailBox.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::catalogue {
namespace {

TEST(ThumbnailCheckerboard, TransparentTexelsShowTheBoard) {
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(qRgba(10, 20, 30, 0));
    ThumbnailBox box(1);
    box.showFile(QStringLiteral("leaf.png"), 0, picture, false);
    widgets::ImageBox& view = *box.picture;
    ASSERT_GE(view.width(), 16);
    QImage shot(view.size(), QImage::Format_RGB32);
    view.render(&shot);
    const QPoint corner = view.pictureRect().topLeft();
    EXPECT_EQ(shot.pixel(corner + QPoint(1, 1)) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shot.pixel(corner + QPoint(9, 1)) & 0xFFFFFF, 0xCCCCCCu);
    EXPECT_EQ(shot.pixel(corner + QPoint(9, 9)) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
}  // namespace tessella::catalogue
