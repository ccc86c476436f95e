// The arithmetic of page printing and contact sheets, worked by hand from the layout rules.

#include <gtest/gtest.h>

#include <QImage>

#include "platform/Error.h"
#include "print/ContactSheet.h"
#include "print/PageLayout.h"

namespace tessella::testing {
namespace {

using namespace print;

struct SizeRow {
    int widthMm;
    double pictureWidth, pictureHeight;
    double widthCm, heightCm;
    int heightMm;
    QSize miniature;
};

TEST(PageLayout, HeightAndMiniatureFollowTheWidth) {
    const SizeRow rows[] = {
        {150, 256, 512, 15.0, 30.0, 300, {69, 138}},  // 4.6 x 15 = 69, 4.6 x 30 = 138
        {151, 256, 512, 15.1, 30.2, 302, {69, 139}},  // 69.46 -> 69, 138.92 -> 139
        {150, 512, 256, 15.0, 7.5, 75, {69, 34}},     // 34.5 goes to the even 34
        // A sliver: 0.001 mm high rounds to 0; every size stays at least 1.
        {1, 10000, 1, 0.1, 0.00001, 1, {1, 1}},
    };
    for (const SizeRow& r : rows) {
        const ShownSize s = SizeForWidth(r.widthMm, r.pictureWidth, r.pictureHeight);
        EXPECT_DOUBLE_EQ(s.widthCm, r.widthCm) << r.widthMm;
        EXPECT_DOUBLE_EQ(s.heightCm, r.heightCm) << r.widthMm;
        EXPECT_EQ(s.heightMm, r.heightMm) << r.widthMm;
        EXPECT_EQ(s.miniatureSize, r.miniature) << r.widthMm;
    }
    EXPECT_THROW(SizeForWidth(150, 256, 0), platform::TessellaError);
}

struct TurnRow {
    bool toLandscape;
    double pictureWidth, pictureHeight;  // after the turn
    int widthMm;
    double widthCm, heightCm;
};

TEST(PageLayout, TurnFitsThePhotoFormat) {
    const TurnRow rows[] = {
        {true, 512, 256, 150, 15.0, 7.5},   // fits as it is
        {true, 512, 512, 100, 10.0, 10.0},  // 15 x 15 cm, factor 10/15
        {false, 256, 512, 50, 5.0, 10.0},   // back to portrait: 10 x 20 cm, factor 1/2
        {true, 1024, 256, 150, 15.0, 3.75},
    };
    for (const TurnRow& r : rows) {
        const TurnedSize t = FitAfterTurn(r.toLandscape, r.pictureWidth, r.pictureHeight);
        EXPECT_EQ(t.widthMm, r.widthMm) << r.pictureWidth << "x" << r.pictureHeight;
        EXPECT_DOUBLE_EQ(t.shown.widthCm, r.widthCm);
        EXPECT_DOUBLE_EQ(t.shown.heightCm, r.heightCm);
    }
}

TEST(PageLayout, MiniatureTurnsClockwiseForLandscapeAndBack) {
    QImage strip(2, 1, QImage::Format_BGR888);
    strip.setPixelColor(0, 0, Qt::red);
    strip.setPixelColor(1, 0, Qt::blue);
    const QImage landscape = TurnMiniature(strip, true);
    ASSERT_EQ(landscape.size(), QSize(1, 2));
    EXPECT_EQ(landscape.pixelColor(0, 0), QColor(Qt::red));  // the left end goes up
    const QImage back = TurnMiniature(strip, false);
    EXPECT_EQ(back.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(TurnMiniature(landscape, false), strip);
}

TEST(PageLayout, LargePagesShowAReducedMiniature) {
    const struct {
        QSize page, miniature;
    } rows[] = {
        {{600, 600}, {60, 60}},    // 360000 pixels
        {{500, 600}, {500, 600}},  // 300000: full copy
        {{9, 40000}, {1, 4000}},   // 9 div 10 would be 0
    };
    for (const auto& r : rows) {
        QImage page(r.page, QImage::Format_BGR888);
        page.fill(Qt::green);
        const MiniatureSource m = MakeMiniatureSource(page);
        EXPECT_EQ(m.picture.size(), r.miniature);
        EXPECT_EQ(QSizeF(m.pictureWidth, m.pictureHeight), QSizeF(r.miniature));
    }
}

TEST(PageLayout, PlacementAtOk) {
    OkSettings portrait;
    portrait.widthMm = 150;
    portrait.xMm = 20;
    portrait.yMm = 30;
    portrait.offsetXMm = 3;
    portrait.offsetYMm = 4;
    EXPECT_EQ(PlacementAtOk(portrait).widthMm, 150);
    EXPECT_EQ(PlacementAtOk(portrait).xMm, 17);
    EXPECT_EQ(PlacementAtOk(portrait).yMm, 26);

    // 256 x 512 after Orientation: 15.0 x 7.5 shown; printed 75 mm wide, X from the Y
    // setting, Y = 21 cm paper - 150 - X setting; then the offsets.
    OkSettings landscape = portrait;
    landscape.landscape = true;
    landscape.shownHeightCm = 7.5;
    landscape.paperHeightCm = 21;
    const PagePlacement p = PlacementAtOk(landscape);
    EXPECT_EQ(p.widthMm, 75);
    EXPECT_EQ(p.xMm, 30 - 3);
    EXPECT_EQ(p.yMm, 210 - 150 - 20 - 4);
    // The height is taken as a number: 7.45 cm is 74.5 mm, even rounding gives 74.
    landscape.shownHeightCm = 7.45;
    EXPECT_EQ(PlacementAtOk(landscape).widthMm, 74);
}

TEST(PageLayout, DeviceMeasures) {
    // 600 dpi, 150 mm: 3543.3 pixels; X 20 mm: 472.4.
    const QRect r = PrintedRect({256, 512}, {150, 20, 0}, 600);
    EXPECT_EQ(r, QRect(472, 0, 3543, 7087));  // 512 x 13.841 = 7086.6
    EXPECT_EQ(DeviceToMm(80, 600), 3);         // 3.39 mm
    EXPECT_EQ(DeviceToCm(7016, 600), 30);      // 29.7 cm
    EXPECT_EQ(DeviceToCm(4960, 600), 21);
    EXPECT_THROW(DeviceToMm(80, 0), platform::TessellaError);
    EXPECT_THROW(PrintedRect({256, 512}, {150, 20, 0}, 0), platform::TessellaError);
}

TEST(ContactSheetLayout, ThumbnailsShrinkToFitAndNeverGrow) {
    const struct {
        QSize picture, thumbnail;
    } rows[] = {
        {{260, 130}, {130, 65}},
        {{100, 50}, {100, 50}},
        {{131, 131}, {130, 130}},
        {{1, 400}, {1, 130}},  // 0.325 wide rounds to 0
    };
    for (const auto& r : rows) EXPECT_EQ(ThumbnailSize(r.picture), r.thumbnail) << r.picture.width();
}

TEST(ContactSheetLayout, CellsPagesAndMagnification) {
    EXPECT_EQ(ThumbnailOrigin(0), QPoint(2, 2));
    EXPECT_EQ(ThumbnailOrigin(5), QPoint(162, 172));  // column 1, row 1
    EXPECT_EQ(ThumbnailOrigin(23), QPoint(482, 852));
    EXPECT_EQ(SheetCount(24), 1);
    EXPECT_EQ(SheetCount(25), 2);
    EXPECT_EQ(SheetCount(0), 0);
    const struct {
        int printableWidth;
        QRect printed;
    } rows[] = {
        {4960, {300, 50, 3125, 5205}},  // factor 7, at most 5
        {2480, {300, 50, 1875, 3123}},  // factor 3
        {600, {300, 50, 625, 1041}},    // factor 0 would print nothing
    };
    for (const auto& r : rows) EXPECT_EQ(SheetPrintRect(r.printableWidth), r.printed);
}

TEST(ContactSheetLayout, ComposerFillsSheetsOfTwentyFour) {
    QStringList paths;
    for (int i = 0; i < 25; ++i) paths << QStringLiteral("/p/%1.bmp").arg(i);
    int loads = 0;
    ContactSheetComposer composer(paths, [&](const QString& path) {
        ++loads;
        QImage picture(260, 130, QImage::Format_BGR888);
        picture.fill(path.endsWith("/24.bmp") ? Qt::blue : Qt::red);
        return picture;
    });
    EXPECT_EQ(composer.sheetCount(), 2);
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(Qt::black);  // the last column and row are cleared too
    composer.composeNextSheet(sheet);
    EXPECT_EQ(loads, 24);
    EXPECT_EQ(sheet.pixelColor(624, 1040), QColor(Qt::white));
    // Cell (1, 1): a 130 x 65 thumbnail from (162, 172).
    EXPECT_EQ(sheet.pixelColor(162, 172), QColor(Qt::red));
    EXPECT_EQ(sheet.pixelColor(291, 236), QColor(Qt::red));
    EXPECT_EQ(sheet.pixelColor(292, 200), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(200, 237), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(1, 1), QColor(Qt::white));
    composer.composeNextSheet(sheet);
    EXPECT_TRUE(composer.allProcessed());
    EXPECT_EQ(sheet.pixelColor(2, 2), QColor(Qt::blue));
    EXPECT_EQ(sheet.pixelColor(162, 172), QColor(Qt::white));
}

}  // namespace
}  // namespace tessella::testing
