// The page view: zoomed texels, parts repainted alone, the mask; and transparency on screen:
// the page view and the image boxes show transparent texels over the grey checkerboard
// (8-pixel squares of 255 and 204, light at the picture's corner) and blend partly transparent
// ones over it; expected greys worked by hand.

#include <gtest/gtest.h>

#include <QPainter>
#include <QRegion>
#include <cstdlib>

#include "ui/texture/PageView.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::app {

using texture::PageView;
namespace {

QImage Render(QWidget& view, const QRect& part) {
    QImage shot(part.size(), QImage::Format_RGB32);
    shot.fill(Qt::black);
    view.render(&shot, QPoint(), QRegion(part));
    return shot;
}

TEST(PageView, ZoomedPixelsComeFromThePageColumnUnderTheirCentre) {
    // Columns 0..3 in four colours, zoom 2.5: view x takes column floor((x + 0.5) / 2.5).
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(9, 9, 9)};
    QImage picture(4, 2, QImage::Format_BGR888);
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 2; ++y) picture.setPixel(x, y, colours[x]);
    PageView view;
    view.setPicture(picture);
    view.applyZoom(2.5);
    ASSERT_EQ(view.size(), QSize(10, 5));
    const int expected[10] = {0, 0, 1, 1, 1, 2, 2, 3, 3, 3};
    const QImage shot = Render(view, view.rect());
    for (int x = 0; x < 10; ++x)
        EXPECT_EQ(shot.pixel(x, 4) & 0xFFFFFF, colours[expected[x]] & 0xFFFFFF) << x;
}

TEST(PageView, APartRepaintedAloneMatchesTheWholeAndTheMaskIsQtsCrossPattern) {
    QImage picture(97, 61, QImage::Format_BGR888);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, qRgb(x * 2, y * 4, (x * y) & 0xFF));
    PageView view;
    view.setPicture(picture);
    view.applyZoom(2.2);
    view.setMask(10, 6, 32, 24);
    view.setMaskVisible(true);
    const QRect part(33, 17, 71, 29);
    EXPECT_EQ(Render(view, part), Render(view, view.rect()).copy(part));

    // At zoom 1 the mask is drawn not-xor in red where Qt draws the outline and the
    // diagonal-cross brush: red on white, cyan on black; the page elsewhere and once hidden.
    QImage shape(40, 24, QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    {
        QPainter p(&shape);
        p.setPen(QPen(Qt::red, 1));
        p.setBrush(QBrush(Qt::red, Qt::DiagCrossPattern));
        p.drawRect(0, 0, 39, 23);
    }
    const struct {
        QRgb page, mark;
    } backgrounds[] = {{qRgb(255, 255, 255), qRgb(255, 0, 0)}, {qRgb(0, 0, 0), qRgb(0, 255, 255)}};
    for (const auto& b : backgrounds) {
        QImage plain(64, 64, QImage::Format_BGR888);
        plain.fill(b.page);
        view.setPicture(plain);
        view.applyZoom(1.0);
        view.setMask(5, 3, 40, 24);
        view.setMaskVisible(true);
        const QImage shot = Render(view, view.rect());
        int differences = 0;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                const QPoint s(x - 5, y - 3);
                const bool marked = shape.rect().contains(s) && qAlpha(shape.pixel(s));
                const QRgb expected = marked ? b.mark : b.page;
                differences += (shot.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF);
            }
        EXPECT_EQ(differences, 0) << std::hex << b.page;
        view.setMaskVisible(false);
        EXPECT_EQ(Render(view, view.rect()).pixel(5, 3) & 0xFFFFFF, b.page & 0xFFFFFF);
    }
}

// A 4 x 4 picture: row 0 transparent, half-transparent red (alpha 128), opaque blue,
// transparent; row 2 has the half red in column 1; every other texel transparent. The colour
// under alpha 0 (10, 20, 30) must never show.
QImage Sprite4() {
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(qRgba(10, 20, 30, 0));
    picture.setPixel(1, 0, qRgba(255, 0, 0, 128));
    picture.setPixel(2, 0, qRgba(0, 0, 255, 255));
    picture.setPixel(1, 2, qRgba(255, 0, 0, 128));
    return picture;
}

// At zoom 4 each texel is a 4 x 4 block; the board's squares are 8 screen pixels. Half red over
// 255: red (255 x 128 + 255 x 127) / 255 = 255, green and blue 255 x 127 / 255 = 127. Over 204:
// red (32640 + 25908) / 255 = 229.6 -> 230, green 25908 / 255 = 101.6 -> 102.
struct Expected {
    QPoint at;
    QRgb colour;
};
const Expected kSprite4AtZoom4[] = {
    {{1, 1}, qRgb(255, 255, 255)},   {{5, 2}, qRgb(255, 127, 127)},  {{9, 3}, qRgb(0, 0, 255)},
    {{13, 0}, qRgb(204, 204, 204)},  {{6, 9}, qRgb(230, 102, 102)},  {{2, 10}, qRgb(204, 204, 204)},
    {{10, 10}, qRgb(255, 255, 255)}, {{15, 7}, qRgb(204, 204, 204)},
};

TEST(Checkerboard, ThePageViewBlendsTransparentTexelsOverTheBoard) {
    PageView view;
    view.setPicture(Sprite4());
    view.applyZoom(4.0);
    ASSERT_EQ(view.size(), QSize(16, 16));
    const QImage shot = Render(view, view.rect());
    for (const Expected& e : kSprite4AtZoom4)
        EXPECT_EQ(shot.pixel(e.at) & 0xFFFFFF, e.colour & 0xFFFFFF)
            << e.at.x() << ", " << e.at.y() << ": " << std::hex << shot.pixel(e.at);
    // The board belongs to the picture, not to the part repainted.
    const QRect part(3, 5, 9, 7);
    EXPECT_EQ(Render(view, part), shot.copy(part));
}

TEST(Checkerboard, ImageBoxesPaintTheBoardUnderPicturesWithAlphaOnly) {
    widgets::ImageBox box;
    box.setStretch(true);
    box.setPicture(Sprite4());
    box.setBoxSize(16, 16);
    const QImage shot = Render(box, box.rect());
    // Qt blends the picture: within one of the rounding worked by hand.
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 1 && std::abs(qGreen(a) - qGreen(b)) <= 1 &&
               std::abs(qBlue(a) - qBlue(b)) <= 1;
    };
    for (const Expected& e : kSprite4AtZoom4)
        EXPECT_TRUE(near(shot.pixel(e.at), e.colour))
            << e.at.x() << ", " << e.at.y() << ": " << std::hex << shot.pixel(e.at);

    // A drawing whose transparency should show the window keeps it.
    box.setCheckerboard(false);
    EXPECT_EQ(Render(box, box.rect()).pixel(13, 0) & 0xFFFFFF,
              box.palette().color(QPalette::Window).rgb() & 0xFFFFFF);
    // An opaque picture paints its own colours.
    QImage opaque(4, 4, QImage::Format_BGR888);
    opaque.fill(QColor(1, 2, 3));
    box.setCheckerboard(true);
    box.setPicture(opaque);
    EXPECT_EQ(Render(box, box.rect()).pixel(13, 0) & 0xFFFFFF, qRgb(1, 2, 3) & 0xFFFFFF);
}

}  // namespace
}  // namespace tessella::app
