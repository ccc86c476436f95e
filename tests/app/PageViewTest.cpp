#include <gtest/gtest.h>

#include <QPainter>
#include <QRegion>

#include "ui/texture/PageView.h"

namespace tessella::app {

using texture::PageView;
namespace {

QImage Render(PageView& view, const QRect& part) {
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

}  // namespace
}  // namespace tessella::app
