// 32-bit rows split into colours and alpha and joined back: every width around the four-pixel
// steps, with guard bytes after each row that nothing may touch.

#include <gtest/gtest.h>

#include <vector>

#include "imagefile/PixelPacking.h"

namespace tessella::imagefile {
namespace {

constexpr uchar kGuard = 0xA5;

TEST(PixelPacking, SplitAndJoinEveryWidthWithinTheRows) {
    for (int width = 1; width <= 21; ++width) {
        SCOPED_TRACE(width);
        // Pixel x holds blue 4x, green 4x + 1, red 4x + 2, alpha 4x + 3 (+ 1, so that no byte
        // is 0 and a lost byte shows).
        std::vector<uchar> bgra(4 * std::size_t(width) + 16, kGuard);
        for (int i = 0; i < 4 * width; ++i) bgra[i] = uchar(i + 1);
        std::vector<uchar> colours(3 * std::size_t(width) + 16, kGuard);
        std::vector<uchar> alpha(std::size_t(width) + 16, kGuard);
        EXPECT_NE(SplitBgraRow(bgra.data(), colours.data(), alpha.data(), width), 0);
        for (int x = 0; x < width; ++x) {
            for (int k = 0; k < 3; ++k) EXPECT_EQ(colours[3 * x + k], uchar(4 * x + k + 1)) << x;
            EXPECT_EQ(alpha[x], uchar(4 * x + 4)) << x;
        }
        for (int i = 3 * width; i < int(colours.size()); ++i) EXPECT_EQ(colours[i], kGuard) << i;
        for (int i = width; i < int(alpha.size()); ++i) EXPECT_EQ(alpha[i], kGuard) << i;

        std::vector<uchar> joined(4 * std::size_t(width) + 16, kGuard);
        JoinBgraRow(colours.data(), alpha.data(), joined.data(), width);
        EXPECT_EQ(joined, bgra);
    }
}

// PNG's order: red, green, blue, alpha packed; the colour rows blue, green, red.
TEST(PixelPacking, RgbaRowsSwapRedAndBlue) {
    for (int width = 1; width <= 21; ++width) {
        SCOPED_TRACE(width);
        std::vector<uchar> rgba(4 * std::size_t(width) + 16, kGuard);
        for (int i = 0; i < 4 * width; ++i) rgba[i] = uchar(i + 1);
        std::vector<uchar> colours(3 * std::size_t(width) + 16, kGuard);
        std::vector<uchar> alpha(std::size_t(width) + 16, kGuard);
        SplitRgbaRow(rgba.data(), colours.data(), alpha.data(), width);
        for (int x = 0; x < width; ++x) {
            EXPECT_EQ(colours[3 * x], uchar(4 * x + 3)) << x;  // blue, third in the pixel
            EXPECT_EQ(colours[3 * x + 1], uchar(4 * x + 2)) << x;
            EXPECT_EQ(colours[3 * x + 2], uchar(4 * x + 1)) << x;
            EXPECT_EQ(alpha[x], uchar(4 * x + 4)) << x;
        }
        for (int i = 3 * width; i < int(colours.size()); ++i) EXPECT_EQ(colours[i], kGuard) << i;
        std::vector<uchar> joined(4 * std::size_t(width) + 16, kGuard);
        JoinRgbaRow(colours.data(), alpha.data(), joined.data(), width);
        EXPECT_EQ(joined, rgba);
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
