// The arithmetic of page printing and contact sheets, worked by hand from the layout rules.

#include <gtest/gtest.h>

#include <QImage>

#include "platform/Error.h"
#include "print/ContactSheet.h"
#include "print/PageLayout.h"

namespace tessella::testing {
namespace {

using namespace print;

TEST(PageLayout, HeightAndMiniatureFollowTheWidth) {
    const struct {
        int widthMm;
        double pictureWidth, pictureHeight, heightCm;
        int heightMm;
        QSize miniature;
    } rows[] = {
        {150, 256, 512, 30.0, 300, {69, 138}},  // 4.6 x 15 = 69, 4.6 x 30 = 138
        {151, 256, 512, 30.2, 302, {69, 139}},  // 69.46 -> 69, 138.92 -> 139
        {150, 512, 256, 7.5, 75, {69, 34}},     // 34.5 goes to the even 34
        {1, 10000, 1, 0.00001, 1, {1, 1}},      // 0.0001 mm rounds to 0: kept at 1
    };
    for (const auto& r : rows) {
        const ShownSize s = SizeForWidth(r.widthMm, r.pictureWidth, r.pictureHeight);
        EXPECT_DOUBLE_EQ(s.heightCm, r.heightCm) << r.widthMm;
        EXPECT_EQ(s.heightMm, r.heightMm) << r.widthMm;
        EXPECT_EQ(s.miniatureSize, r.miniature) << r.widthMm;
    }
    EXPECT_THROW(SizeForWidth(150, 256, 0), platform::TessellaError);
    // 9 div 10 would give a picture 0 wide.
    QImage sliver(9, 40000, QImage::Format_BGR888);
    sliver.fill(Qt::green);
    EXPECT_EQ(MakeMiniatureSource(sliver).picture.size(), QSize(1, 4000));
}

TEST(PageLayout, TurnFitsThePhotoFormat) {
    const struct {
        bool toLandscape;
        double pictureWidth, pictureHeight;  // after the turn
        int widthMm;
        double widthCm, heightCm;
    } rows[] = {
        {true, 512, 256, 150, 15.0, 7.5},   // fits as it is
        {true, 512, 512, 100, 10.0, 10.0},  // 15 x 15 cm, factor 10/15
        {false, 256, 512, 50, 5.0, 10.0},   // back to portrait: 10 x 20 cm, factor 1/2
    };
    for (const auto& r : rows) {
        const TurnedSize t = FitAfterTurn(r.toLandscape, r.pictureWidth, r.pictureHeight);
        EXPECT_EQ(t.widthMm, r.widthMm) << r.pictureWidth << "x" << r.pictureHeight;
        EXPECT_DOUBLE_EQ(t.shown.widthCm, r.widthCm);
        EXPECT_DOUBLE_EQ(t.shown.heightCm, r.heightCm);
    }
}

TEST(PageLayout, PlacementAtOkAndOnTheDevice) {
    OkSettings s;
    s.xMm = 20;
    s.yMm = 30;
    s.offsetXMm = 3;
    s.offsetYMm = 4;
    const PagePlacement portrait = PlacementAtOk(s);
    EXPECT_EQ(QRect(portrait.xMm, portrait.yMm, portrait.widthMm, 0), QRect(17, 26, 150, 0));
    // On landscape the page prints as the miniature shows it: turned, at the width shown.
    s.landscape = true;
    const PagePlacement landscape = PlacementAtOk(s);
    EXPECT_EQ(QRect(landscape.xMm, landscape.yMm, landscape.widthMm, 0), QRect(17, 26, 150, 0));
    EXPECT_TRUE(landscape.turned);

    // 600 dpi: 150 mm is 3543.3 pixels, 20 mm 472.4; 512 rows x 13.841 = 7086.6.
    EXPECT_EQ(PrintedRect({256, 512}, {150, 20, 0}, 600), QRect(472, 0, 3543, 7087));
    EXPECT_EQ(DeviceToMm(80, 600), 3);  // 3.39 mm
    EXPECT_THROW(DeviceToMm(80, 0), platform::TessellaError);
}

// Millimetres to device pixels, each rounded to the nearest, halves to even.
TEST(PageLayout, MillimetresRoundToDevicePixels) {
    const struct {
        QSize page;
        PagePlacement placement;
        int dpi;
        QRect printed;
    } rows[] = {
        // 254 dpi is 10 pixels a millimetre: 4 columns in 1 mm are 2.5 pixels each, so one
        // row is 2.5 -> 2 and three rows 7.5 -> 8.
        {{4, 1}, {1, 3, 7}, 254, {30, 70, 10, 2}},
        {{4, 3}, {1, 0, 0}, 254, {0, 0, 10, 8}},
        // 600 dpi, 23.622 a millimetre: 1 mm 23.6 -> 24, 3 mm 70.9 -> 71, 150 mm 3543.3.
        {{100, 100}, {150, 1, 3}, 600, {24, 71, 3543, 3543}},
        // 72 dpi, 2.8346 a millimetre: 7 mm 19.8 -> 20, 5 mm 14.2 -> 14, 11 mm 31.2 -> 31.
        {{11, 5}, {11, 7, 5}, 72, {20, 14, 31, 14}},
        // A 1 mm print of a 1000-pixel-wide page: 0.003 pixels high, kept at 1.
        {{1000, 1}, {1, 0, 0}, 72, {0, 0, 3, 1}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(PrintedRect(r.page, r.placement, r.dpi), r.printed)
            << r.page.width() << "x" << r.page.height() << " at " << r.dpi;
}

TEST(ContactSheetLayout, ThumbnailsCellsAndMagnification) {
    const struct {
        QSize picture, thumbnail;
    } thumbnails[] = {{{260, 130}, {130, 65}},
                      {{100, 50}, {100, 50}},
                      {{131, 131}, {130, 130}},
                      {{1, 400}, {1, 130}}};  // 0.325 wide would round to 0
    for (const auto& r : thumbnails) EXPECT_EQ(ThumbnailSize(r.picture), r.thumbnail);
    EXPECT_EQ(ThumbnailOrigin(5), QPoint(162, 172));  // column 1, row 1
    EXPECT_EQ(ThumbnailOrigin(23), QPoint(482, 852));
    EXPECT_EQ(SheetCount(24), 1);
    EXPECT_EQ(SheetCount(25), 2);
    // The same place and size on paper at every resolution: 5 pixels a sheet pixel at 600.
    const struct {
        int dpi;
        QRect printed;
    } printers[] = {{600, {300, 50, 3125, 5205}},
                    {1200, {600, 100, 6250, 10410}},
                    {300, {150, 25, 1562, 2602}}};  // 1562.5 and 2602.5, halves to even
    for (const auto& r : printers) EXPECT_EQ(SheetPrintRect(r.dpi), r.printed) << r.dpi;
}

TEST(ContactSheetLayout, ComposerClearsTheWholeSheet) {
    ContactSheetComposer composer({"/p/a.bmp"}, [](const QString&) {
        QImage picture(260, 130, QImage::Format_BGR888);
        picture.fill(Qt::red);
        return picture;
    });
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    composer.composeNextSheet(sheet);
    EXPECT_EQ(sheet.pixelColor(624, 1040), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(131, 66), QColor(Qt::red));  // 130 x 65 from (2, 2)
    EXPECT_EQ(sheet.pixelColor(132, 30), QColor(Qt::white));
}

}  // namespace
}  // namespace tessella::testing
