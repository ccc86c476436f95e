#include "pixels/Traite.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cstring>

#include "platform/Error.h"

namespace tessella::pixels {
namespace {

constexpr Bgr kRed{0, 0, 255}, kYellow{0, 255, 255}, kBlack{0, 0, 0};

// Writes 16-bit pixels into a 5-5-5 or 5-6-5 bitmap, row by row.
QImage Bitmap16(QImage::Format format, const std::vector<std::vector<uint16_t>>& rows) {
    QImage bitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()), format);
    for (int y = 0; y < bitmap.height(); ++y)
        std::memcpy(bitmap.scanLine(y), rows[y].data(), rows[y].size() * 2);
    return bitmap;
}

struct SixteenCase {
    QImage::Format format;
    uint16_t value;
    Bgr expected;
};

TEST(Traite, SixteenBitPixels) {
    const SixteenCase cases[] = {
        {QImage::Format_RGB555, 0x7FFF, {248, 248, 248}},
        {QImage::Format_RGB555, 0x001F, {248, 0, 0}},
        {QImage::Format_RGB555, 0x03E0, {0, 248, 0}},
        {QImage::Format_RGB555, 0x7C00, {0, 0, 248}},
        {QImage::Format_RGB555, 0x8000, {0, 0, 0}},  // top bit ignored
        {QImage::Format_RGB555, 0x0421, {8, 8, 8}},
        {QImage::Format_RGB16, 0xFFFF, {248, 252, 248}},
        {QImage::Format_RGB16, 0x001F, {248, 0, 0}},
        {QImage::Format_RGB16, 0x07E0, {0, 252, 0}},
        {QImage::Format_RGB16, 0x0020, {0, 4, 0}},
        {QImage::Format_RGB16, 0xF800, {0, 0, 248}},
        {QImage::Format_RGB16, 0x0800, {0, 0, 8}},
    };
    for (const SixteenCase& c : cases) {
        QImage bitmap = Bitmap16(c.format, {{0, c.value, 0}});
        Traite work;
        work.LoadWorkingArray(bitmap);
        ASSERT_EQ(work.width(), 3);
        EXPECT_EQ(work.image().at(1, 0), c.expected) << std::hex << c.value << " " << c.format;
        EXPECT_EQ(work.image().at(0, 0), kBlack);
        // The bitmap is now 24 bits and agrees with the array.
        EXPECT_EQ(bitmap.format(), QImage::Format_BGR888);
        EXPECT_EQ(std::memcmp(bitmap.constScanLine(0) + 3, &c.expected, 3), 0);
    }
}

TEST(Traite, EightBitPaletteAndMissingEntries) {
    QImage bitmap(3, 2, QImage::Format_Indexed8);
    bitmap.setColorTable({qRgb(255, 0, 0), qRgb(1, 2, 3)});
    const uint8_t rows[2][3] = {{0, 1, 0}, {1, 7, 0}};  // index 7 has no entry
    for (int y = 0; y < 2; ++y) std::memcpy(bitmap.scanLine(y), rows[y], 3);
    Traite work;
    work.LoadWorkingArray(bitmap);
    EXPECT_EQ(work.image().at(0, 0), kRed);
    EXPECT_EQ(work.image().at(1, 0), (Bgr{3, 2, 1}));
    EXPECT_EQ(work.image().at(0, 1), (Bgr{3, 2, 1}));
    EXPECT_EQ(work.image().at(1, 1), kBlack);
    // After loading, the bitmap reports 24 bits and shows the same colours.
    EXPECT_EQ(bitmap.format(), QImage::Format_BGR888);
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(bitmap.pixel(1, 0), qRgb(1, 2, 3));
    EXPECT_EQ(bitmap.pixel(1, 1), qRgb(0, 0, 0));
}

TEST(Traite, OneBitPicturesUseTheirPalette) {
    // Nine pixels: the ninth sits in the second byte of the row.
    for (QImage::Format format : {QImage::Format_Mono, QImage::Format_MonoLSB}) {
        QImage bitmap(9, 2, format);
        bitmap.setColorTable({qRgb(255, 0, 0), qRgb(255, 255, 0)});
        bitmap.fill(0);
        bitmap.setPixel(1, 0, 1);
        bitmap.setPixel(8, 0, 1);
        bitmap.setPixel(0, 1, 1);
        Traite work;
        work.LoadWorkingArray(bitmap);
        const Bgr expected[2][9] = {{kRed, kYellow, kRed, kRed, kRed, kRed, kRed, kRed, kYellow},
                                    {kYellow, kRed, kRed, kRed, kRed, kRed, kRed, kRed, kRed}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 9; ++x)
                EXPECT_EQ(work.image().at(x, y), expected[y][x]) << format << " " << x << "," << y;
        EXPECT_EQ(bitmap.format(), QImage::Format_BGR888);
        EXPECT_EQ(bitmap.pixel(1, 0), qRgb(255, 255, 0));
    }
}

TEST(Traite, ThirtyTwoBitPixelsDropTheFourthByte) {
    for (QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32}) {
        QImage bitmap(2, 1, format);
        reinterpret_cast<QRgb*>(bitmap.scanLine(0))[0] = 0x80102030;
        reinterpret_cast<QRgb*>(bitmap.scanLine(0))[1] = 0x00FFFFFF;
        Traite work;
        work.LoadWorkingArray(bitmap);
        EXPECT_EQ(work.image().at(0, 0), (Bgr{0x30, 0x20, 0x10})) << format;
        EXPECT_EQ(work.image().at(1, 0), (Bgr{255, 255, 255})) << format;
    }
}

TEST(Traite, OtherFormatsGoThroughQt) {
    QImage grey(2, 1, QImage::Format_Grayscale8);
    grey.scanLine(0)[0] = 7;
    grey.scanLine(0)[1] = 200;
    QImage rgb(1, 1, QImage::Format_RGB888);
    rgb.scanLine(0)[0] = 1;  // red
    rgb.scanLine(0)[1] = 2;
    rgb.scanLine(0)[2] = 3;
    Traite work;
    work.LoadWorkingArray(grey);
    EXPECT_EQ(work.image().at(0, 0), (Bgr{7, 7, 7}));
    EXPECT_EQ(work.image().at(1, 0), (Bgr{200, 200, 200}));
    work.LoadWorkingArray(rgb);
    EXPECT_EQ(work.image().at(0, 0), (Bgr{3, 2, 1}));
    EXPECT_EQ(rgb.format(), QImage::Format_BGR888);
}

TEST(Traite, OddWidthRowsAndTopRowFirst) {
    // Five pixels make 15 bytes a row, padded to 16 in the bitmap.
    QImage bitmap(5, 3, QImage::Format_BGR888);
    ASSERT_EQ(bitmap.bytesPerLine(), 16);
    for (int y = 0; y < 3; ++y) {
        uint8_t* line = bitmap.scanLine(y);
        for (int i = 0; i < 15; ++i) line[i] = static_cast<uint8_t>(y * 16 + i);
        line[15] = 0xEE;  // padding
    }
    bitmap.setPixel(0, 0, qRgb(255, 0, 0));
    bitmap.setDotsPerMeterX(2835);
    bitmap.setDotsPerMeterY(1000);
    Traite work;
    work.LoadWorkingArray(bitmap);
    EXPECT_EQ(work.image().at(0, 0), kRed);
    EXPECT_EQ(work.image().at(4, 0), (Bgr{12, 13, 14}));
    EXPECT_EQ(work.image().at(1, 2), (Bgr{35, 36, 37}));
    EXPECT_EQ(work.image().at(4, 2), (Bgr{44, 45, 46}));

    QImage stored;
    work.StoreWorkingArray(stored);
    ASSERT_EQ(stored.format(), QImage::Format_BGR888);
    ASSERT_EQ(stored.size(), QSize(5, 3));
    EXPECT_EQ(stored.bytesPerLine(), 16);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(std::memcmp(stored.constScanLine(y), bitmap.constScanLine(y), 15), 0) << y;
    EXPECT_EQ(stored.dotsPerMeterX(), 2835);
    EXPECT_EQ(stored.dotsPerMeterY(), 1000);
}

TEST(Traite, StoringLeavesOtherCopiesOfTheBitmapAlone) {
    QImage bitmap(2, 2, QImage::Format_BGR888);
    bitmap.fill(Qt::black);
    Traite work;
    work.LoadWorkingArray(bitmap);
    work.image().at(1, 1) = kRed;
    const QImage copy = bitmap;
    work.StoreWorkingArray(bitmap);
    EXPECT_EQ(bitmap.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(copy.pixel(1, 1), qRgb(0, 0, 0));
    // Written over in place when nothing else shares it; a new size reallocates.
    work.image().at(0, 0) = kYellow;
    work.StoreWorkingArray(bitmap);
    EXPECT_EQ(bitmap.pixel(0, 0), qRgb(255, 255, 0));
    work.image().resize(3, 1);
    work.StoreWorkingArray(bitmap);
    EXPECT_EQ(bitmap.size(), QSize(3, 1));
    EXPECT_EQ(bitmap.pixel(2, 0), qRgb(0, 0, 0));
}

TEST(Traite, EmptyBitmapIsRefusedAndTheArrayKept) {
    QImage one(1, 1, QImage::Format_BGR888);
    one.setPixel(0, 0, qRgb(255, 0, 0));
    Traite work;
    work.LoadWorkingArray(one);
    QImage empty;
    EXPECT_THROW(work.LoadWorkingArray(empty), platform::TessellaError);
    ASSERT_EQ(work.width(), 1);
    EXPECT_EQ(work.image().at(0, 0), kRed);
}

TEST(Traite, UndoRestoresSizePixelsAndResolution) {
    QImage bitmap(4, 2, QImage::Format_BGR888);
    bitmap.fill(QColor(1, 2, 3));
    bitmap.setDotsPerMeterX(100);
    Traite work;
    work.LoadWorkingArray(bitmap);
    EXPECT_FALSE(work.hasUndo());
    work.RestoreUndo();  // nothing saved yet: the picture stays
    ASSERT_EQ(work.width(), 4);
    EXPECT_EQ(work.image().at(3, 1), (Bgr{3, 2, 1}));
    work.SaveUndo();
    work.image().resize(7, 9);
    work.setDotsPerMeter(5, 6);
    work.RestoreUndo();
    ASSERT_EQ(work.width(), 4);
    ASSERT_EQ(work.height(), 2);
    EXPECT_EQ(work.image().at(3, 1), (Bgr{3, 2, 1}));
    EXPECT_EQ(work.dotsPerMeterX(), 100);
    work.image().at(3, 1) = kBlack;
    work.RestoreUndo();
    EXPECT_EQ(work.image().at(3, 1), (Bgr{3, 2, 1}));
}

}  // namespace
}  // namespace tessella::pixels
