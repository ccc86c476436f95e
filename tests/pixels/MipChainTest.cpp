#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <iostream>
#include <string>

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

// Every pair of bytes averaged in linear light: level 1 of a picture whose 2 x 2 boxes hold
// bytes x and y side by side is, at (x, y), the sRGB byte of the mean of their linear values,
// by the sRGB formulas rounded to the nearest byte (black and white give 188, where an average
// of the coded values would give 128).
TEST(MipChainTest, EveryPairAveragesToTheNearestSrgbByte) {
    auto linear = [](int byte) {
        const double c = byte / 255.0;
        return float(c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4));
    };
    auto encoded = [](float value) {
        const double c = std::clamp(double(value), 0.0, 1.0);
        const double v = c <= 0.0031308 ? c * 12.92 : 1.055 * std::pow(c, 1 / 2.4) - 0.055;
        return int(std::rint(v * 255.0));
    };
    const PixelGrid picture =
        Filled(512, 512, [](int x, int y) { return Grey(uint8_t(x % 2 ? y / 2 : x / 2)); });
    MipChainOptions options;
    options.maxLevel = 1;
    const auto levels = BuildMipChain(picture, options);
    ASSERT_GE(levels.size(), 2u);
    int wrong = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) {
            const int expected = encoded((linear(x) + linear(y)) * 0.5f);
            wrong += levels[1].at(x, y).r != expected;
        }
    EXPECT_EQ(wrong, 0);
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
    ASSERT_EQ(levels.size(), 3u);  // the sides: in LevelCountsAndSides
    EXPECT_EQ(levels[1].at(0, 0), Grey(0));
    EXPECT_EQ(levels[1].at(1, 0), Grey(170));
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

namespace {

struct Texel {
    Bgr colour;
    uint8_t alpha;
};

// A 2 x 2 picture with alpha, texels row by row.
PixelGrid TwoByTwo(const std::array<Texel, 4>& texels) {
    PixelGrid grid(2, 2);
    grid.addAlpha();
    for (int i = 0; i < 4; ++i) {
        grid.at(i % 2, i / 2) = texels[std::size_t(i)].colour;
        grid.alphaRow(i / 2)[i % 2] = texels[std::size_t(i)].alpha;
    }
    return grid;
}

const Bgr kRed{0, 0, 255}, kGreen{0, 255, 0}, kBlue{255, 0, 0}, kWhite{255, 255, 255},
    kBlack{0, 0, 0};

// A fence: 1-texel bars every 5 texels both ways, opaque white on transparent black (36% of
// the texels opaque).
PixelGrid Fence(int side) {
    PixelGrid grid = Filled(side, side, [](int x, int y) {
        return x % 5 == 0 || y % 5 == 0 ? Bgr{255, 255, 255} : Bgr{};
    });
    grid.addAlpha();
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) grid.alphaRow(y)[x] = x % 5 == 0 || y % 5 == 0 ? 255 : 0;
    return grid;
}

}  // namespace

// Level 1 of a 2 x 2 picture: the colour is the mean weighted by alpha in linear light, the
// alpha the plain mean (x 255, half to even). The colours under alpha 0 weigh nothing: one red
// texel among three transparent white ones stays pure red at alpha 63.75 -> 64, not pink nor
// dark. Red and blue opaque: each linear 0.5, sRGB 187.5 -> 188. Red at 1 and green at 1/3:
// red 1 / (4/3) = 0.75 (sRGB 224.6 -> 225), green (1/3) / (4/3) = 0.25 (sRGB 137.0), alpha
// (255 + 85) / 4 = 85.
TEST(MipChainTest, ColoursAveragedByAlphaInLinearLight) {
    struct Row {
        const char* name;
        std::array<Texel, 4> texels;
        Bgr colour;
        uint8_t alpha;
    };
    const Row rows[] = {
        {"one red", {{{kRed, 255}, {kWhite, 0}, {kWhite, 0}, {kWhite, 0}}}, kRed, 64},
        {"one red on black", {{{kBlack, 0}, {kBlack, 0}, {kRed, 255}, {kBlack, 0}}}, kRed, 64},
        {"red and blue",
         {{{kRed, 255}, {kWhite, 0}, {kWhite, 0}, {kBlue, 255}}},
         {188, 0, 188},
         128},
        {"red and a third of green",
         {{{kRed, 255}, {kGreen, 85}, {kBlack, 0}, {kBlack, 0}}},
         {0, 137, 225},
         85},
        {"opaque", {{{kRed, 255}, {kRed, 255}, {kBlue, 255}, {kBlue, 255}}}, {188, 0, 188}, 255},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto levels = BuildMipChain(TwoByTwo(row.texels));
        ASSERT_EQ(levels.size(), 2u);
        ASSERT_TRUE(levels[1].hasAlpha());
        EXPECT_EQ(levels[1].at(0, 0), row.colour);
        EXPECT_EQ(levels[1].alphaAt(0, 0), row.alpha);
    }
}

// 4 x 2: a green 2 x 2 square beside a transparent magenta one. At level 1 (2 x 1) the right
// texel keeps alpha 0 and takes the green of its neighbour; at level 2 the one texel is green
// at half alpha (127.5 -> 128).
TEST(MipChainTest, TransparentTexelsOfALevelAreBled) {
    PixelGrid picture = Filled(4, 2, [](int x, int) { return x < 2 ? kGreen : Bgr{255, 0, 255}; });
    picture.addAlpha();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x) picture.alphaRow(y)[x] = x < 2 ? 255 : 0;
    const auto levels = BuildMipChain(picture);
    ASSERT_EQ(levels.size(), 3u);
    EXPECT_EQ(levels[1].at(0, 0), kGreen);
    EXPECT_EQ(levels[1].alphaAt(0, 0), 255);
    EXPECT_EQ(levels[1].at(1, 0), kGreen) << "bled, not magenta nor black";
    EXPECT_EQ(levels[1].alphaAt(1, 0), 0);
    EXPECT_EQ(levels[2].at(0, 0), kGreen);
    EXPECT_EQ(levels[2].alphaAt(0, 0), 128);
    EXPECT_EQ(levels[0].at(3, 0), (Bgr{255, 0, 255})) << "level 0 is the picture as given";
}

// Bleeding takes the nearest texel above 0 (chessboard distance), keeps alpha 0, and stays in
// its area: a 5 x 1 row red . . . blue bleeds to red red ? blue blue; outside the area nothing
// moves.
TEST(MipChainTest, BleedingTakesTheNearestColourWithinItsArea) {
    PixelGrid row = Filled(6, 1, [](int x, int) {
        return x == 0 ? kRed : x == 4 ? kBlue : kBlack;
    });
    row.addAlpha(0);
    row.alphaRow(0)[0] = 200, row.alphaRow(0)[4] = 1;
    BleedIntoTransparentTexels(row, QRect(0, 0, 5, 1));
    EXPECT_EQ(row.at(1, 0), kRed);
    EXPECT_EQ(row.at(3, 0), kBlue);
    EXPECT_TRUE(row.at(2, 0) == kRed || row.at(2, 0) == kBlue) << "a tie takes either";
    EXPECT_EQ(row.at(5, 0), kBlack) << "outside the area";
    for (int x : {1, 2, 3, 5}) EXPECT_EQ(row.alphaAt(x, 0), 0);
    EXPECT_EQ(row.alphaAt(0, 0), 200);
}

// Colours times alpha / 255, rounded: 200 x 128 / 255 = 100.4 -> 100, 1 x 127 / 255 = 0.498 ->
// 0, 1 x 128 / 255 = 0.502 -> 1, 255 at 255 stays, anything at 0 goes to 0.
TEST(MipChainTest, PremultiplyRoundsEachChannel) {
    struct Row {
        uint8_t colour, alpha, expected;
    };
    const Row rows[] = {{200, 128, 100}, {1, 127, 0}, {1, 128, 1}, {255, 255, 255}, {90, 0, 0}};
    PixelGrid grid(int(std::size(rows)), 1);
    grid.addAlpha();
    for (int x = 0; x < grid.width(); ++x)
        grid.at(x, 0) = Grey(rows[x].colour), grid.alphaRow(0)[x] = rows[x].alpha;
    MultiplyColoursByAlpha(grid);
    for (int x = 0; x < grid.width(); ++x) {
        EXPECT_EQ(grid.at(x, 0), Grey(rows[x].expected)) << x;
        EXPECT_EQ(grid.alphaAt(x, 0), rows[x].alpha);
    }
}

// A premultiplied red at alpha 128 (stored 128, 0, 0) among three transparent texels: divided
// again it is red 255, so level 1 is red at alpha 31.875 -> 32, stored premultiplied as
// 255 x 32 / 255 = 32 (an alpha-weighted mean of the stored colours would give 128).
TEST(MipChainTest, PremultipliedLevelsStayPremultiplied) {
    const auto levels =
        BuildMipChain(TwoByTwo({{{Bgr{0, 0, 128}, 128}, {kBlack, 0}, {kBlack, 0}, {kBlack, 0}}}),
                      {.premultiplied = true});
    ASSERT_EQ(levels.size(), 2u);
    EXPECT_EQ(levels[1].at(0, 0), (Bgr{0, 0, 32}));
    EXPECT_EQ(levels[1].alphaAt(0, 0), 32);
}

// The fence's share of texels with alpha >= 128 at each level down to 4 x 4, with coverage 0.5
// kept within 3 points of level 0's (36.5%); without it the thin bars fade far below.
TEST(MipChainTest, AlphaCoverageKeepsAFenceStanding) {
    const PixelGrid fence = Fence(64);
    const QRect whole(0, 0, 64, 64);
    const double top = AlphaCoverage(fence, whole, 0.5);
    EXPECT_NEAR(top, 1 - (51.0 / 64) * (51.0 / 64), 1e-9);
    const auto kept = BuildMipChain(fence, {.alphaCoverage = 0.5});
    const auto plain = BuildMipChain(fence);
    double lowest = 1;
    std::string figures = "level 0: " + std::to_string(top);
    for (std::size_t n = 1; n < kept.size(); ++n) {
        const QRect area(0, 0, kept[n].width(), kept[n].height());
        const double withOption = AlphaCoverage(kept[n], area, 0.5);
        const double without = AlphaCoverage(plain[n], area, 0.5);
        figures += "; level " + std::to_string(n) + ": " + std::to_string(withOption) + " with, " +
                   std::to_string(without) + " without";
        if (kept[n].width() < 4) continue;
        EXPECT_NEAR(withOption, top, 0.03) << "level " << n;
        lowest = std::min(lowest, without);
    }
    EXPECT_LT(lowest, top - 0.15) << "the plain chain thins the fence";
    std::cout << "fence coverage (share of alpha >= 128): " << figures << "\n";
}

// Each area keeps its own share: a fence beside an opaque square, the square untouched (a
// whole-picture scale would thin it or thicken the fence less).
TEST(MipChainTest, CoverageAreasAreScaledApart) {
    PixelGrid picture(64, 32);
    picture.addAlpha(255);
    const PixelGrid fence = Fence(32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            picture.at(x, y) = fence.at(x, y);
            picture.alphaRow(y)[x] = fence.alphaAt(x, y);
        }
    const QRect left(0, 0, 32, 32), right(32, 0, 32, 32);
    const auto levels = BuildMipChain(
        picture, {.maxLevel = 3, .alphaCoverage = 0.5, .coverageAreas = {left, right}});
    const double top = AlphaCoverage(picture, left, 0.5);
    for (std::size_t n = 1; n < levels.size(); ++n) {
        const int side = 32 >> n;
        EXPECT_NEAR(AlphaCoverage(levels[n], QRect(0, 0, side, side), 0.5), top, 0.03) << n;
        EXPECT_EQ(AlphaCoverage(levels[n], QRect(side, 0, side, side), 0.5), 1.0) << n;
        EXPECT_EQ(levels[n].alphaAt(side + 1, 1), 255) << n;
    }
}

// On stored bytes: alphas 40, 80, 120, 160 with threshold 0.5 (128) and a share of 1/2: the
// factor must lift 120 to 128 or more (x 1.0625 at least) and keep 80 below (x 1.6 at most).
TEST(MipChainTest, ScaleToCoverageOnStoredAlpha) {
    PixelGrid grid = Filled(4, 1, [](int, int) { return Grey(9); });
    grid.addAlpha();
    for (int x = 0; x < 4; ++x) grid.alphaRow(0)[x] = uint8_t(40 * (x + 1));
    EXPECT_EQ(CoverageThreshold(0.5), 128);
    EXPECT_EQ(CoverageThreshold(0.05), 13);
    EXPECT_DOUBLE_EQ(AlphaCoverage(grid, QRect(0, 0, 4, 1), 0.5), 0.25);
    ScaleAlphaToCoverage(grid, QRect(0, 0, 4, 1), 0.5, 0.5);
    EXPECT_DOUBLE_EQ(AlphaCoverage(grid, QRect(0, 0, 4, 1), 0.5), 0.5);
    EXPECT_LT(grid.alphaAt(1, 0), 128);
    EXPECT_GE(grid.alphaAt(2, 0), 128);
}
