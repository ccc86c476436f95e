#include "ImageSamples.h"
#include "imagefile/BmpReader.h"

using namespace imagetest;
using tessella::imagefile::kBmpInvalidMessage;
using tessella::imagefile::ReadBmp;

TEST(BmpReader, EveryDepthKeepsItsFormat) {
    const QByteArray twoColours = Bytes({1, 2, 3, 0, 4, 5, 6, 0});  // blue, green, red, 0
    // 24 bits, 5 wide: 15 bytes of pixels and 1 of padding per row, bottom row first.
    const QByteArray rows = Counting(0, 15) + '\0' + Counting(100, 15) + '\0';
    const struct {
        const char* name;
        BmpSpec spec;
        QImage::Format format;
        QByteArray bgr;  // the first row, or its start
    } cases[] = {
        // clang-format off
        // Red and yellow, most significant bit first.
        {"1 bit", {.bits = 1, .width = 3, .height = 1,
                   .palette = Bytes({0, 0, 255, 0, 0, 255, 255, 0}), .pixels = Bytes({0xA0, 0, 0, 0})},
         QImage::Format_Mono, Bytes({0, 255, 255, 0, 0, 255, 0, 255, 255})},
        {"4 bits, high nibble first", {.bits = 4, .width = 3, .height = 1, .colours = 2,
                                       .palette = twoColours, .pixels = Bytes({0x10, 0x00, 0, 0})},
         QImage::Format_Indexed8, Bytes({4, 5, 6, 1, 2, 3, 1, 2, 3})},
        // 2 colours used: index 5 is black.
        {"8 bits", {.bits = 8, .height = 1, .colours = 2, .palette = twoColours,
                    .pixels = Bytes({1, 5, 0, 0})},
         QImage::Format_Indexed8, Bytes({4, 5, 6, 0, 0, 0})},
        {"24 bits, bottom-up", {.width = 5, .pixels = rows}, QImage::Format_BGR888, rows.mid(16, 15)},
        {"24 bits, top-down", {.width = 5, .height = -2, .pixels = rows}, QImage::Format_BGR888,
         rows.left(15)},
        // A fourth byte that is not alpha.
        {"32 bits", {.bits = 32, .height = 1, .pixels = Bytes({1, 2, 3, 0, 4, 5, 6, 0})},
         QImage::Format_RGB32, Bytes({1, 2, 3, 4, 5, 6})},
        {"5-6-5 bit fields", {.bits = 16, .height = 1, .compression = 3,
                              .masks = Le(0xF800, 4) + Le(0x07E0, 4) + Le(0x001F, 4),
                              .pixels = Bytes({0xE0, 0x07, 0x00, 0xF8})},
         QImage::Format_RGB16, Bytes({0, 255, 0, 0, 0, 255})},
        // Other bit fields: 10 bits per channel scaled to 8.
        {"10-bit fields", {.bits = 32, .width = 1, .height = 1, .compression = 3,
                           .masks = Le(0x3FF00000, 4) + Le(0x000FFC00, 4) + Le(0x000003FF, 4),
                           .pixels = Bytes({0xFF, 0x03, 0x00, 0x20})},
         QImage::Format_RGB32, Bytes({255, 0, 128})},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = ReadBmp(Bmp(c.spec));
        EXPECT_EQ(image.format(), c.format);
        EXPECT_EQ(PackedBgr(image).left(c.bgr.size()), c.bgr);
    }
    // 16 bits without bit fields: 5-5-5, the top bit cleared.
    const QImage rgb555 =
        ReadBmp(Bmp({.bits = 16, .height = 1, .pixels = Bytes({0xFF, 0xFF, 0x1F, 0})}));
    ASSERT_EQ(rgb555.format(), QImage::Format_RGB555);
    EXPECT_EQ(Raw16(rgb555, 0, 0), 0x7FFF);
    EXPECT_EQ(Raw16(rgb555, 1, 0), 0x001F);
}

TEST(BmpReader, RunLengthEncodings) {
    const QByteArray palette = Bytes({0, 0, 0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0});
    // RLE8, 4 x 3, bottom-up: row 0 (bottom) a run of 3 of index 1 then end of line; row 1 an
    // absolute run 2,3,1 (padded), end of line; delta (1, 1) into row 2 at x = 1; a run of 9
    // that runs past the row is cut; end of bitmap.
    // clang-format off
    const QImage rle8 = ReadBmp(Bmp({.bits = 8, .width = 4, .height = 3, .compression = 1,
                                     .colours = 4, .palette = palette,
                                     .pixels = Bytes({3, 1, 0, 0, 0, 3, 2, 3, 1, 0, 0, 0, 0, 2,
                                                      1, 1, 9, 2, 0, 1})}));
    // clang-format on
    ASSERT_EQ(rle8.format(), QImage::Format_Indexed8);
    const QByteArray rows[] = {Bytes({0, 0, 0, 0}), Bytes({2, 3, 1, 0}), Bytes({1, 1, 1, 0})};
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(rle8.constScanLine(y)), 4), rows[y]);
    // RLE4, 5 x 1: a run of 3 alternating 1 and 2, an absolute run of 3 (3, 1, 2) whose last
    // pixel falls outside the row.
    // clang-format off
    const QImage rle4 = ReadBmp(Bmp({.bits = 4, .width = 5, .height = 1, .compression = 2,
                                     .colours = 4, .palette = palette,
                                     .pixels = Bytes({3, 0x12, 0, 3, 0x31, 0x20, 0, 1})}));
    // clang-format on
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(rle4.constScanLine(0)), 5),
              Bytes({1, 2, 1, 3, 1}));
}

TEST(BmpReader, BrokenFilesAreInvalid) {
    const QByteArray rows(16, 1);
    struct Row {
        const char* name;
        QByteArray data;
    } rows_[] = {
        {"2 bits", Bmp({.bits = 2, .pixels = rows})},
        {"rows cut short", Bmp({.pixels = rows.left(10)})},
        // clang-format off
        {"run-length ends early", Bmp({.bits = 8, .height = 2, .compression = 1,
                                       .palette = QByteArray(1024, 0), .pixels = Bytes({2, 1, 0, 0})})},
        // clang-format on
    };
    for (const Row& row : rows_) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(ErrorOf([&] { ReadBmp(row.data); }), kBmpInvalidMessage);
    }
    // Sound but over the limit: refused as every reader refuses such a picture, not as damaged.
    EXPECT_TRUE(ErrorOf([&] {
                    ReadBmp(Bmp({.height = INT32_MIN, .pixels = rows}));
                }).startsWith(QStringLiteral("Image trop grande : 2 x 2147483648 pixels")));
}
