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

TEST(TgaReader, EveryKindKeepsItsFormat) {
    using F = QImage::Format;
    const QByteArray four = Counting(1, 12), sevens(12, 7), indices = Bytes({0, 1, 1, 0});
    const QByteArray bgra = Bytes({1, 2, 3, 0x40, 5, 6, 7, 0});
    TgaSpec withId = Mapped(24, Bytes({1, 2, 3, 4, 5, 6}), indices);
    withId.id = QByteArray("hello");
    TgaSpec mapBefore24 = Mapped(24, Bytes({9, 9, 9}), sevens);
    mapBefore24.type = 2, mapBefore24.bits = 24, mapBefore24.mapLength = 1;
    const struct {
        const char* name;
        TgaSpec spec;
        F format;
        QByteArray bgr;  // the start of the picture, top row first
    } rows[] = {
        // clang-format off
        {"top-left origin", {.pixels = four}, F::Format_BGR888, four},
        {"bottom-left origin", {.descriptor = 0, .pixels = four}, F::Format_BGR888, four.mid(6) + four.left(6)},
        {"32 bits, no alpha bits, fourth bytes 0", {.bits = 32, .height = 1, .pixels = Bytes({1, 2, 3, 0, 5, 6, 7, 0})}, F::Format_RGB32, Bytes({1, 2, 3, 5, 6, 7})},
        {"grey ramp", {.type = 3, .bits = 8, .pixels = Bytes({0, 128, 128, 0})}, F::Format_Indexed8, Bytes({0, 0, 0, 128, 128, 128})},
        {"16-bit map times 8", Mapped(16, Bytes({0x00, 0x7C, 0x1F, 0x00}), indices), F::Format_Indexed8, Bytes({0, 0, 248, 248, 0, 0})},
        {"ID field skipped", withId, F::Format_Indexed8, Bytes({1, 2, 3, 4, 5, 6})},
        // The program's own files: map length 256 but map type 0.
        {"map length without map", {.mapLength = 256, .mapBits = 24, .pixels = sevens}, F::Format_BGR888, sevens},
        {"map before 24-bit pixels", mapBefore24, F::Format_BGR888, sevens},
        // A run of 4 crosses into the second row, then 2 literals end the picture.
        {"run-length", {.type = 10, .width = 3, .pixels = Bytes({0x83, 1, 2, 3, 0x01, 4, 5, 6, 7, 8, 9})},
         F::Format_BGR888, Bytes({1, 2, 3, 1, 2, 3, 1, 2, 3, 1, 2, 3, 4, 5, 6, 7, 8, 9})},
        // A packet longer than the picture stops at its last pixel.
        {"run past the end", {.type = 11, .bits = 8, .height = 1, .pixels = Bytes({0xFF, 200})},
         F::Format_Indexed8, QByteArray(6, char(200))},
        // clang-format on
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QImage image = ReadTga(Tga(row.spec));
        EXPECT_EQ(image.format(), row.format);
        EXPECT_EQ(PackedBgr(image).left(row.bgr.size()), row.bgr);
    }
    // Alpha bits in the descriptor make 32 bits ARGB32; 15 bits are 5-5-5, the top bit cleared.
    const QImage argb = ReadTga(Tga({.bits = 32, .descriptor = 0x28, .height = 1, .pixels = bgra}));
    ASSERT_EQ(argb.format(), QImage::Format_ARGB32);
    EXPECT_EQ(argb.pixel(0, 0), qRgba(3, 2, 1, 0x40));
    const QImage rgb555 =
        ReadTga(Tga({.bits = 15, .pixels = Bytes({0xFF, 0xFF, 0x1F, 0, 0, 0, 0, 0})}));
    ASSERT_EQ(rgb555.format(), QImage::Format_RGB555);
    EXPECT_EQ(Raw16(rgb555, 0, 0), 0x7FFF);
    EXPECT_EQ(Raw16(rgb555, 1, 0), 0x001F);
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
