#include "ImageSamples.h"
#include "imagefile/TgaReader.h"
#include "imagefile/TgaWriter.h"

using namespace imagetest;
using tessella::imagefile::kTgaInvalidMessage;
using tessella::imagefile::ReadTga;
using tessella::imagefile::WriteTga;

namespace {

// An 8-bit picture of two colours through a colour map of entries of bits.
TgaSpec Mapped(int bits, const QByteArray& map, const QByteArray& pixels) {
    TgaSpec spec{.type = 1, .bits = 8, .mapType = 1, .mapLength = 2, .mapBits = bits};
    spec.map = map, spec.pixels = pixels;
    return spec;
}

}  // namespace

TEST(TgaWriter, PageHeaderAndLayout) {
    QImage page(64, 64, QImage::Format_BGR888);
    page.fill(QColor(1, 2, 3));
    page.setPixelColor(1, 0, QColor(10, 20, 30));
    const QByteArray file = WriteTga(page);
    ASSERT_EQ(file.size(), 12306);
    EXPECT_EQ(file.left(18),
              Bytes({0, 0, 2, 0, 0, 0, 1, 0x18, 0, 0, 0, 0, 0x40, 0, 0x40, 0, 0x18, 0x20}));
    EXPECT_EQ(file.mid(18, 6), Bytes({3, 2, 1, 30, 20, 10}));  // top row first, blue first
    EXPECT_EQ(file.right(3), Bytes({3, 2, 1}));
}

TEST(TgaReader, TrueColourVariants) {
    const QByteArray four = Bytes({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
    // Top-left origin: rows as stored; bottom-left: the first stored row is the bottom one.
    QImage top = ReadTga(Tga({.pixels = four}));
    ASSERT_EQ(top.format(), QImage::Format_BGR888);
    EXPECT_EQ(PackedBgr(top), four);
    EXPECT_EQ(PackedBgr(ReadTga(Tga({.descriptor = 0x00, .pixels = four}))),
              four.mid(6) + four.left(6));
    // 32 bits keep the fourth byte; alpha bits in the descriptor make it ARGB32.
    const QByteArray bgra = Bytes({1, 2, 3, 0x40, 5, 6, 7, 0, 9, 10, 11, 12, 13, 14, 15, 16});
    QImage argb = ReadTga(Tga({.bits = 32, .descriptor = 0x28, .pixels = bgra}));
    ASSERT_EQ(argb.format(), QImage::Format_ARGB32);
    EXPECT_EQ(argb.pixel(0, 0), qRgba(3, 2, 1, 0x40));
    EXPECT_EQ(ReadTga(Tga({.bits = 32, .pixels = bgra})).format(), QImage::Format_RGB32);
    // 15 bits: 5-5-5 with the top bit cleared.
    QImage img = ReadTga(Tga({.bits = 15, .pixels = Bytes({0xFF, 0xFF, 0x1F, 0x00, 0, 0, 0, 0})}));
    ASSERT_EQ(img.format(), QImage::Format_RGB555);
    EXPECT_EQ(Raw16(img, 0, 0), 0x7FFF);
    EXPECT_EQ(Raw16(img, 1, 0), 0x001F);
}

TEST(TgaReader, PaletteVariants) {
    const QByteArray indices = Bytes({0, 1, 1, 0});
    TgaSpec withId = Mapped(24, Bytes({1, 2, 3, 4, 5, 6}), indices);
    withId.id = QByteArray("hello");
    const struct {
        const char* name;
        TgaSpec spec;
        QByteArray colours;  // of indices 0 and 1, blue first
    } rows[] = {
        // clang-format off
        {"grey ramp", {.type = 3, .bits = 8, .pixels = Bytes({0, 128, 128, 0})}, Bytes({0, 0, 0, 128, 128, 128})},
        {"16-bit map times 8", Mapped(16, Bytes({0x00, 0x7C, 0x1F, 0x00}), indices), Bytes({0, 0, 248, 248, 0, 0})},
        {"ID field skipped", withId, Bytes({1, 2, 3, 4, 5, 6})},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        QImage img = ReadTga(Tga(row.spec));
        ASSERT_EQ(img.format(), QImage::Format_Indexed8);
        EXPECT_EQ(PackedBgr(img).left(6), row.colours);
    }
    // The program's own files: map length 256 but map type 0. A map before 24-bit pixels.
    EXPECT_EQ(
        PackedBgr(ReadTga(Tga({.mapLength = 256, .mapBits = 24, .pixels = QByteArray(12, 7)}))),
        QByteArray(12, 7));
    TgaSpec mapped = Mapped(24, Bytes({9, 9, 9}), QByteArray(12, 7));
    mapped.type = 2, mapped.bits = 24, mapped.mapLength = 1;
    EXPECT_EQ(PackedBgr(ReadTga(Tga(mapped))), QByteArray(12, 7));
}

TEST(TgaReader, RunLengthIsOnePixelStream) {
    // 3 x 2: a run of 4 crosses into the second row, then 2 literals end the picture.
    QImage img = ReadTga(Tga({.type = 10,
                              .width = 3,
                              .height = 2,
                              .pixels = Bytes({0x83, 1, 2, 3, 0x01, 4, 5, 6, 7, 8, 9})}));
    EXPECT_EQ(PackedBgr(img).mid(6), Bytes({1, 2, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // A packet longer than the picture stops at its last pixel.
    QImage over = ReadTga(
        Tga({.type = 11, .bits = 8, .width = 2, .height = 1, .pixels = Bytes({0xFF, 200})}));
    EXPECT_EQ(PackedBgr(over), QByteArray(6, char(200)));
}

TEST(TgaReader, BrokenFilesAreInvalid) {
    const QByteArray four = QByteArray(12, 1);
    struct Row {
        const char* name;
        QByteArray data;
    } rows[] = {
        {"12 bits", Tga({.bits = 12, .pixels = four})},
        {"zero width", Tga({.width = 0, .pixels = four})},
        {"row cut short", Tga({.pixels = four.left(11)})},
        // clang-format off
        {"colour map ends early", Tga({.type = 1, .bits = 8, .mapType = 1, .mapLength = 256,
                                       .mapBits = 24, .map = QByteArray(700, 0)})},
        // clang-format on
        {"ends inside a literal packet", Tga({.type = 10, .pixels = Bytes({0x03, 1, 2, 3, 4})})},
        {"run-length 65535 x 2048 in a few bytes",
         Tga({.type = 10, .width = 65535, .height = 2048, .pixels = Bytes({0xFF, 1, 2, 3})})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ErrorOf([&] { ReadTga(row.data); }), kTgaInvalidMessage);
    }
}

TEST(TgaWriter, SidesPastSixteenBitsAreRefused) {
    QImage tall(1, 70000, QImage::Format_BGR888);
    EXPECT_NE(ErrorOf([&] { WriteTga(tall); }), kNoError);
}
