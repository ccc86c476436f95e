// 32-bit rows split into colours and alpha and joined back: every width around the four-pixel
// steps, with guard bytes after each row that nothing may touch.

#include <gtest/gtest.h>

#include <vector>

#include "imagefile/PixelPacking.h"

namespace tessella::imagefile {
namespace {

constexpr uchar kGuard = 0xA5;

// BGRA rows keep their colour order; PNG's RGBA rows swap red and blue into the colour rows
// (blue, green, red).
TEST(PixelPacking, SplitAndJoinEveryWidthWithinTheRows) {
    const struct {
        const char* name;
        uchar (*split)(const uchar*, uchar*, uchar*, int);
        void (*join)(const uchar*, const uchar*, uchar*, int);
        int colour[3];  // the byte of the pixel each colour row byte comes from
    } rows[] = {
        {"bgra", SplitBgraRow, JoinBgraRow, {0, 1, 2}},
        {"rgba", SplitRgbaRow, JoinRgbaRow, {2, 1, 0}},
    };
    for (const auto& row : rows)
        for (int width = 1; width <= 21; ++width) {
            SCOPED_TRACE(::testing::Message() << row.name << " " << width);
            // Pixel x holds 4x + 1 .. 4x + 4 (no byte is 0, so that a lost byte shows).
            std::vector<uchar> packed(4 * std::size_t(width) + 16, kGuard);
            for (int i = 0; i < 4 * width; ++i) packed[i] = uchar(i + 1);
            std::vector<uchar> colours(3 * std::size_t(width) + 16, kGuard);
            std::vector<uchar> alpha(std::size_t(width) + 16, kGuard);
            EXPECT_NE(row.split(packed.data(), colours.data(), alpha.data(), width), 0);
            for (int x = 0; x < width; ++x) {
                for (int k = 0; k < 3; ++k)
                    EXPECT_EQ(colours[3 * x + k], uchar(4 * x + row.colour[k] + 1)) << x;
                EXPECT_EQ(alpha[x], uchar(4 * x + 4)) << x;
            }
            for (int i = 3 * width; i < int(colours.size()); ++i) EXPECT_EQ(colours[i], kGuard);
            for (int i = width; i < int(alpha.size()); ++i) EXPECT_EQ(alpha[i], kGuard);
            std::vector<uchar> joined(4 * std::size_t(width) + 16, kGuard);
            row.join(colours.data(), alpha.data(), joined.data(), width);
            EXPECT_EQ(joined, packed);
        }
}

// The answer or's the alpha bytes alone: colours never count, and the last pixel's alpha does
// (past the four-pixel steps).
TEST(PixelPacking, SplitTellsWhetherAnyAlphaIsSet) {
    for (int width : {1, 6, 9, 16}) {
        std::vector<uchar> bgra(4 * std::size_t(width), 0xFF);
        for (int x = 0; x < width; ++x) bgra[4 * x + 3] = 0;
        std::vector<uchar> colours(3 * std::size_t(width));
        std::vector<uchar> alpha(static_cast<std::size_t>(width));
        EXPECT_EQ(SplitBgraRow(bgra.data(), colours.data(), alpha.data(), width), 0) << width;
        bgra[4 * (width - 1) + 3] = 0x10;
        EXPECT_EQ(SplitBgraRow(bgra.data(), colours.data(), alpha.data(), width), 0x10) << width;
        bgra[4 * (width - 1) + 3] = 0;
        bgra[3] = 0x02;
        EXPECT_EQ(SplitBgraRow(bgra.data(), colours.data(), alpha.data(), width), 0x02) << width;
    }
}

}  // namespace
}  // namespace tessella::imagefile
