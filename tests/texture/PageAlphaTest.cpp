// Transparency on the page: "Ajouter", "Remplacer", compaction, saving and extraction keep each
// element's alpha, the free area of a page with alpha is (0, 0, 0, 0), and an opaque page
// stays as it was.

#include <gtest/gtest.h>

#include <QFile>

#include "imagefile/ImageLoader.h"
#include "tests/texture/PageFixture.h"
#include "tests/texture/Sprites.h"
#include "texture/PageCompaction.h"
#include "texture/PageTexts.h"

namespace tessella::testing {
namespace {

using platform::Answer;
using platform::MessageKind;
using texture::PageBitmap;
using texture::PagePacker;

// The texel of the page at (x, y) as a non-premultiplied ARGB value.
QRgb PageTexel(const PageBitmap& page, int x, int y) {
    const platform::ColourValue c = page.pixel(x, y);
    return qRgba(c.red(), c.green(), c.blue(), page.alpha(x, y));
}

// Every texel of picture is on the page at (left, top), colour and alpha.
void ExpectOnPage(const PageBitmap& page, const QImage& picture, int left, int top) {
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            ASSERT_EQ(PageTexel(page, left + x, top + y), argb.pixel(x, y))
                << "at " << left + x << ", " << top + y;
}

// Every texel of rect is free: (0, 0, 0, 0).
void ExpectFree(const PageBitmap& page, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            ASSERT_EQ(PageTexel(page, x, y), qRgba(0, 0, 0, 0)) << "at " << x << ", " << y;
}

class PageAlpha : public PageFixture {};

// An opaque ARGB picture is no transparency: drawn on an opaque page, the page stays without a
// plane and grows magenta.
TEST(PageBitmapAlpha, FindsTransparencyOnlyBelow255) {
    QImage opaqueArgb(4, 4, QImage::Format_ARGB32);
    opaqueArgb.fill(qRgba(1, 2, 3, 255));
    QImage oneTexel = opaqueArgb;
    oneTexel.setPixel(3, 3, qRgba(1, 2, 3, 254));
    const struct {
        QImage picture;
        bool transparent;
    } rows[] = {
        {Solid(4, 4, Qt::red), false}, {opaqueArgb, false}, {oneTexel, true}, {Sprite(8, 8), true}};
    for (const auto& r : rows) EXPECT_EQ(texture::HasTransparency(r.picture), r.transparent);

    PageBitmap page = PageBitmap::filled(8, 8, platform::kWhite);
    page.draw(opaqueArgb, 0, 0);
    page.resize(16, 8, page.freeColour());
    EXPECT_FALSE(page.hasAlpha());
    EXPECT_EQ(page.image().format(), QImage::Format_BGR888);
    EXPECT_EQ(page.pixel(15, 0), platform::kMagenta);
    EXPECT_EQ(page.alpha(15, 0), 255);
}

// Growing, drawing and copying on a page with alpha: grown area free, an opaque picture drawn
// at 255, a copy in non-premultiplied ARGB.
TEST(PageBitmapAlpha, GrownAreaIsFreeAndOpaquePicturesLandAt255) {
    PageBitmap page = PageBitmap::filled(8, 8, platform::kWhite);
    EXPECT_FALSE(page.hasAlpha());
    EXPECT_EQ(page.freeColour(), platform::kMagenta);
    page.draw(Sprite(8, 8), 0, 0);
    ASSERT_TRUE(page.hasAlpha());
    EXPECT_EQ(page.freeColour(), platform::kBlack);
    page.resize(16, 12, page.freeColour());  // wider (rows re-laid) and higher
    ExpectOnPage(page, Sprite(8, 8), 0, 0);
    ExpectFree(page, QRect(8, 0, 8, 12));
    ExpectFree(page, QRect(0, 8, 8, 4));
    page.draw(Solid(4, 4, QColor(10, 20, 30)), 10, 2);
    EXPECT_EQ(PageTexel(page, 10, 2), qRgba(10, 20, 30, 255));
    EXPECT_EQ(PageTexel(page, 13, 5), qRgba(10, 20, 30, 255));
    EXPECT_EQ(PageTexel(page, 14, 5), qRgba(0, 0, 0, 0));

    const QImage copy = page.copy(6, 0, 4, 4);
    EXPECT_EQ(copy.format(), QImage::Format_ARGB32);
    EXPECT_EQ(copy.pixel(0, 0), Sprite(8, 8).pixel(6, 0));  // (200, 30, 30) under alpha 0
    EXPECT_EQ(copy.pixel(3, 3), qRgba(0, 0, 0, 0));
    const PageBitmap copied = page;  // the plane travels with a copy
    EXPECT_EQ(PageTexel(copied, 4, 4), PageTexel(page, 4, 4));
    EXPECT_EQ(PageTexel(copied, 15, 11), qRgba(0, 0, 0, 0));
}

// A page opened without its atlas file: all of it counts as elements; only what grows is free.
TEST_F(PageAlpha, APageOpenedWithoutItsListKeepsItsPixelsOpaque) {
    const QString file = writeBmp(QStringLiteral("old.bmp"), Solid(64, 32, Qt::cyan));
    page.importWidth = page.importHeight = 32;
    prompts.expectFile(file);
    texture::FixedWidth width(512);
    ASSERT_TRUE(texture::PageFiles(context(), width).openPage());
    ASSERT_TRUE(PagePacker(context()).placeAtInsertionPoint(Sprite(32, 32), false));
    const PageBitmap& bitmap = page.pageBitmap;
    ASSERT_EQ(QSize(bitmap.width(), bitmap.height()), QSize(64, 64));
    EXPECT_EQ(PageTexel(bitmap, 63, 31), qRgba(0, 255, 255, 255));
    ExpectOnPage(bitmap, Sprite(32, 32), 0, 32);
    ExpectFree(bitmap, QRect(32, 32, 32, 32));
}

// "Remplacer" with a sprite on an opaque page of elements: the sprite's texels replace the
// element's, the other elements stay opaque, the page's free area turns free.
TEST_F(PageAlpha, ReplacingWithASpriteKeepsItsAlpha) {
    page.importWidth = page.importHeight = 16;
    newPage(512);
    PagePacker packer(context());
    for (int n = 1; n <= 2; ++n)
        packer.placeAtInsertionPoint(Solid(16, 16, ElementColour(n)), false);
    ASSERT_EQ(page.pageBitmap.width(), 48);
    page.sourcePicture = Sprite(16, 16);
    texture::ReplaceMask mask(context());
    prompts.expectMessage(MessageKind::Information, texture::kReplaceInformation);
    ASSERT_TRUE(mask.start());
    mask.moveToX(16);
    mask.validate();
    const PageBitmap& bitmap = page.pageBitmap;
    ASSERT_TRUE(bitmap.hasAlpha());
    ExpectOnPage(bitmap, Sprite(16, 16), 16, 0);
    EXPECT_EQ(PageTexel(bitmap, 15, 15), ElementColour(1).rgba());
    ExpectFree(bitmap, QRect(32, 0, 16, 16));
}

// "Compacter la texture" on a page with alpha: the elements move with their alpha, and the
// page's new free area is (0, 0, 0, 0) rather than magenta.
TEST(PageBitmapAlpha, CompactionKeepsAlphaAndFreesTheRest) {
    PageBitmap page = PageBitmap::freeArea(24, 24, true);
    page.draw(Sprite(8, 8), 0, 16);
    page.draw(Solid(8, 8, Qt::blue), 8, 16);
    const std::vector<texture::AtlasFrame> frames = {{QRect(0, 16, 8, 8), QStringLiteral("a")},
                                                     {QRect(8, 16, 8, 8), QStringLiteral("b")}};
    const auto compacted = texture::CompactPage(page, frames);
    ASSERT_TRUE(compacted);
    const PageBitmap& out = compacted->bitmap;
    ASSERT_EQ(QSize(out.width(), out.height()), QSize(24, 8));
    const QRect a = compacted->frames[0].rect, b = compacted->frames[1].rect;
    ExpectOnPage(out, Sprite(8, 8), a.x(), a.y());
    EXPECT_EQ(PageTexel(out, b.x(), b.y()), qRgba(0, 0, 255, 255));
    int freeTexels = 0;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 24; ++x)
            if (!a.contains(x, y) && !b.contains(x, y)) {
                EXPECT_EQ(PageTexel(out, x, y), qRgba(0, 0, 0, 0)) << x << ", " << y;
                ++freeTexels;
            }
    EXPECT_EQ(freeTexels, 64);
    // Opaque pages keep their magenta.
    EXPECT_EQ(PageBitmap::freeArea(2, 2, false).pixel(1, 1), platform::kMagenta);
    EXPECT_FALSE(PageBitmap::freeArea(2, 2, false).hasAlpha());
}

// A PNG sprite opened as the page and saved without a change (Ctrl+S) keeps its transparency.
TEST_F(PageAlpha, ASpriteOpenedAndSavedUnchangedKeepsItsTransparency) {
    const QString file = path(QStringLiteral("leaf.png"));
    ASSERT_TRUE(Sprite(24, 16).save(file, "PNG"));
    prompts.expectFile(file);
    texture::FixedWidth width(512);
    texture::PageFiles files(context(), width);
    ASSERT_TRUE(files.openPage());
    ASSERT_TRUE(files.save());
    QImage back;
    ASSERT_TRUE(imagefile::LoadImageByExtension(file, back));
    ASSERT_TRUE(back.hasAlphaChannel());
    EXPECT_EQ(back.convertToFormat(QImage::Format_ARGB32), Sprite(24, 16));
}

// Extraction: PNG elements keep their alpha, texel for texel; BMP elements keep the colours,
// those under alpha 0 included, and leave the alpha out; an opaque element stays a 24-bit PNG.
TEST_F(PageAlpha, ExtractedElementsKeepTheirAlpha) {
    page.importWidth = page.importHeight = 16;
    newPage(512);
    PagePacker packer(context());
    packer.placeAtInsertionPoint(Sprite(16, 16), false);
    packer.placeAtInsertionPoint(Solid(16, 16, Qt::green), false);
    texture::FixedWidth width(512);
    texture::PageFiles files(context(), width);
    ASSERT_EQ(files.extractElements(path(QStringLiteral("e.png")), 0), 2);
    ASSERT_EQ(files.extractElements(path(QStringLiteral("e.bmp")), 0), 2);

    QImage first, second, bmp;
    ASSERT_TRUE(imagefile::LoadImageByExtension(path(QStringLiteral("e001.png")), first));
    EXPECT_EQ(first.convertToFormat(QImage::Format_ARGB32), Sprite(16, 16));
    ASSERT_TRUE(imagefile::LoadImageByExtension(path(QStringLiteral("e002.png")), second));
    EXPECT_FALSE(second.hasAlphaChannel());
    QFile png(path(QStringLiteral("e002.png")));
    ASSERT_TRUE(png.open(QIODevice::ReadOnly));
    EXPECT_EQ(png.readAll()[25], 2);  // IHDR colour type: RGB
    ASSERT_TRUE(imagefile::LoadImageByExtension(path(QStringLiteral("e001.bmp")), bmp));
    EXPECT_FALSE(bmp.hasAlphaChannel());
    EXPECT_EQ(bmp.pixelColor(0, 0), QColor(200, 30, 30));  // under alpha 0 in the sprite
    EXPECT_EQ(bmp.pixelColor(8, 8), QColor(30, 180, 40));
}

}  // namespace
}  // namespace tessella::testing
