// The tiled and lit previews show transparency over the grey checkerboard: 8-pixel squares,
// 255 at the mosaic's corner, 204 beside it; opaque texels as before.

#include <gtest/gtest.h>

#include <QPainter>

#include "editor/NormalMap.h"
#include "ui/editor/LitPreview.h"
#include "ui/editor/TiledPreview.h"

namespace tessella::editor {
namespace {

QImage Transparent(int w, int h) {
    QImage picture(w, h, QImage::Format_ARGB32);
    picture.fill(qRgba(10, 20, 30, 0));
    return picture;
}

// A 2 x 2 element at zoom 4 in a 200 x 200 view: tiles of 8, the middle one from (96, 96), the
// mosaic from (88, 88) to (111, 111).
TEST(PreviewCheckerboard, TheTiledMosaicLiesOnOneBoard) {
    TiledView view;
    view.resize(200, 200);
    QImage picture = Transparent(2, 2);
    picture.setPixel(1, 1, qRgba(0, 0, 255, 255));
    view.setPicture(picture);
    view.setZoom(4);
    QImage shot(view.size(), QImage::Format_RGB32);
    view.render(&shot);
    const struct {
        QPoint at;
        QRgb colour;
    } rows[] = {
        {{88, 88}, qRgb(255, 255, 255)}, {{96, 88}, qRgb(204, 204, 204)},
        {{96, 96}, qRgb(255, 255, 255)}, {{104, 90}, qRgb(255, 255, 255)},
        {{100, 100}, qRgb(0, 0, 255)},   {{87, 88}, view.palette().color(QPalette::Window).rgb()},
    };
    for (const auto& r : rows)
        EXPECT_EQ(shot.pixel(r.at) & 0xFFFFFF, r.colour & 0xFFFFFF) << r.at.x() << ", " << r.at.y();
}

// A fully transparent element lit: nothing but the board, counted from the mosaic's corner.
TEST(PreviewCheckerboard, TheLitMosaicShowsTheBoardUnderTransparentTexels) {
    pixels::PixelGrid colours(2, 2), normals;
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) colours.at(x, y) = {40, 200, 90};
    MakeNormalMap(colours, normals, {});
    LitView view;
    view.resize(200, 200);  // scale 33.3: the mosaic fills the view from (0, 0)
    view.setSurface(LitSurface(colours, normals), std::vector<uint8_t>(4, 0));
    ASSERT_EQ(view.mosaicRect(), QRect(0, 0, 200, 200));
    QImage shot(view.size(), QImage::Format_RGB32);
    view.render(&shot);
    EXPECT_EQ(shot.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shot.pixel(8, 0) & 0xFFFFFF, 0xCCCCCCu);
    EXPECT_EQ(shot.pixel(8, 8) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shot.pixel(59, 51) & 0xFFFFFF, 0xCCCCCCu);  // columns 56.., rows 48..: square (7, 6)
}

}  // namespace
}  // namespace tessella::editor
