#include <gtest/gtest.h>

#include "pixels/MipChain.h"

using namespace tessella::pixels;

namespace {

PixelGrid Filled(int width, int height, const std::function<Bgr(int x, int y)>& colour) {
    PixelGrid grid(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) grid.at(x, y) = colour(x, y);
    return grid;
}

Bgr Grey(uint8_t v) {
    return {v, v, v};
}

}  // namespace

// Black and white average to half the light: sRGB 187.5 rounds to 188 (128 would be an average
// of the coded values).
TEST(MipChainTest, CheckerboardHalvesToGrey188) {
    const PixelGrid board = Filled(4, 4, [](int x, int y) { return Grey((x + y) % 2 ? 255 : 0); });
    const auto levels = BuildMipChain(board);
    ASSERT_EQ(levels.size(), 3u);
    for (std::size_t n = 1; n < levels.size(); ++n)
        for (int y = 0; y < levels[n].height(); ++y)
            for (int x = 0; x < levels[n].width(); ++x)
                EXPECT_EQ(levels[n].at(x, y), Grey(188)) << "level " << n;
}

// 5 x 3 with a white last column: level 1 is 2 x 1, its right pixel covering half of column
// 2, column 3 and column 4 (linear 1 / 2.5 = 0.4, sRGB 169.6); level 2 is the whole picture's
// average, 3 white pixels of 15 (linear 0.2, sRGB 123.6). The blue channel tells the sides
// apart.
TEST(MipChainTest, OddSidesRoundDownAndLoseNoPixel) {
    const PixelGrid picture = Filled(5, 3, [](int x, int) {
        return x == 4 ? Bgr{255, 255, 255} : Bgr{0, 0, 0};
    });
    const auto levels = BuildMipChain(picture);
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[1].width(), 2);
    EXPECT_EQ(levels[1].height(), 1);
    EXPECT_EQ(levels[1].at(0, 0), Grey(0));
    EXPECT_EQ(levels[1].at(1, 0), Grey(170));
    EXPECT_EQ(levels[2].width(), 1);
    EXPECT_EQ(levels[2].height(), 1);
    EXPECT_EQ(levels[2].at(0, 0), Grey(124));
}

TEST(MipChainTest, LevelCountsAndSides) {
    struct Row {
        int width, height, maxLevel;
        std::vector<std::pair<int, int>> sides;
    };
    const Row rows[] = {
        {5, 3, -1, {{5, 3}, {2, 1}, {1, 1}}},
        {1, 6, -1, {{1, 6}, {1, 3}, {1, 1}}},
        {1, 1, -1, {{1, 1}}},
        {16, 4, 2, {{16, 4}, {8, 2}, {4, 1}}},
        {16, 4, 0, {{16, 4}}},
        {4, 4, 9, {{4, 4}, {2, 2}, {1, 1}}},
    };
    for (const Row& row : rows) {
        const auto levels =
            BuildMipChain(Filled(row.width, row.height, [](int, int) { return Grey(9); }),
                          {.maxLevel = row.maxLevel});
        ASSERT_EQ(levels.size(), row.sides.size()) << row.width << "x" << row.height;
        for (std::size_t n = 0; n < levels.size(); ++n) {
            EXPECT_EQ(levels[n].width(), row.sides[n].first) << n;
            EXPECT_EQ(levels[n].height(), row.sides[n].second) << n;
            EXPECT_EQ(levels[n].at(0, 0), Grey(9)) << "a flat picture stays flat";
        }
    }
}

// Normals (0.6, 0, 0.8) and (-0.6, 0, 0.8), stored as (x + 1) / 2: their mean (0, 0, 0.8)
// comes back to unit length, (0, 0, 1), blue 255 (an average of colours would keep 230).
TEST(MipChainTest, NormalMapsAverageAsUnitVectors) {
    const PixelGrid normals = Filled(2, 1, [](int x, int) {
        return Bgr{230, 128, uint8_t(x == 0 ? 204 : 51)};
    });
    const auto levels = BuildMipChain(normals, {.normalMap = true});
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[1].at(0, 0), (Bgr{255, 128, 128}));
}

// Level 1 of a 5 x 3 element is 2 x 1: spread over 5 x 3 its columns read 0 0 1 1, then the
// fifth starts the next tile again with column 0. Level 0 comes back as it is.
TEST(MipChainTest, LevelsSpreadOverTheElementWrap) {
    const PixelGrid level1 = Filled(2, 1, [](int x, int) { return Grey(uint8_t(10 + x)); });
    const PixelGrid spread = LevelAtTopSize(level1, 1, 5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) EXPECT_EQ(spread.at(x, y), Grey(x == 2 || x == 3 ? 11 : 10));
    const PixelGrid top = Filled(3, 2, [](int x, int y) { return Grey(uint8_t(3 * y + x)); });
    EXPECT_TRUE(LevelAtTopSize(top, 0, 3, 2).samePicture(top));
}
