// The pixel operations on pictures with an alpha plane: the blur weighs colours by alpha and
// averages the alpha, the colour operations leave the plane alone, the emboss sees a
// transparent neighbour as flat.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <vector>

#include "pixels/Blur.h"
#include "pixels/ColourOperations.h"

namespace tessella::pixels {
namespace {

constexpr BlurVariant kVariants[] = {
    BlurVariant::Whole,     BlurVariant::Right,          BlurVariant::Down,
    BlurVariant::DownRight, BlurVariant::DownOneLeftTwo, BlurVariant::Left,
    BlurVariant::Up,        BlurVariant::UpLeft,         BlurVariant::UpOneRightTwo,
};

PixelGrid Noisy(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    PixelGrid image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto v = random();
            image.at(x, y) = Bgr{uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16)};
        }
    return image;
}

bool SameColours(const PixelGrid& a, const PixelGrid& b) {
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (!(a.at(x, y) == b.at(x, y))) return false;
    return true;
}

// Worked by hand on one row: (200 at alpha 255) beside (0 at alpha 0). The one-row blur's
// block holds each texel twice: the alpha is (255 + 255 + 0 + 0) div 4 = 127 and the colour
// (200 x 510) / 510 = 200, where the plain mean would be 100.
TEST(AlphaPlane, BlurWeighsColoursByAlpha) {
    PixelGrid image(2, 1);
    image.at(0, 0) = Bgr{0, 200, 0};
    image.addAlpha();
    image.alphaRow(0)[1] = 0;
    Blur(image, BlurVariant::Whole);
    EXPECT_EQ(image.at(0, 0), (Bgr{0, 200, 0}));
    EXPECT_EQ(image.at(1, 0), (Bgr{0, 200, 0}));
    EXPECT_EQ(image.alphaAt(0, 0), 127);
    EXPECT_EQ(image.alphaAt(1, 0), 127);
    // Four transparent texels: the plain mean, (8 + 0 + 4 + 0) div 4 = 3, alpha 0.
    PixelGrid hidden(2, 2);
    hidden.at(0, 0) = Bgr{8, 8, 8};
    hidden.at(0, 1) = Bgr{4, 4, 4};
    hidden.addAlpha(0);
    Blur(hidden, BlurVariant::Whole);
    EXPECT_EQ(hidden.at(1, 1), (Bgr{3, 3, 3}));
    EXPECT_EQ(hidden.alphaAt(1, 1), 0);
}

// A green (0, 200, 0) sprite, hard-edged inside and soft on its rim, on a transparent
// background that hides black: after a blur, every texel with alpha of at least 8 is within 4
// of the green in each channel, for every variant and after several steps.
TEST(AlphaPlane, BlurGrowsNoDarkFringe) {
    constexpr int kSide = 16;
    for (const BlurVariant variant : kVariants) {
        PixelGrid image(kSide, kSide);  // black
        image.addAlpha(0);
        for (int y = 4; y < 12; ++y)
            for (int x = 4; x < 12; ++x) {
                image.at(x, y) = Bgr{0, 200, 0};
                image.alphaRow(y)[x] = (x == 4 || y == 4 || x == 11 || y == 11) ? 90 : 255;
            }
        for (int step = 0; step < 3; ++step) Blur(image, variant);
        int seen = 0;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                if (image.alphaAt(x, y) < 8) continue;
                ++seen;
                const Bgr p = image.at(x, y);
                EXPECT_LE(std::abs(p.b - 0), 4) << int(variant) << " at " << x << "," << y;
                EXPECT_LE(std::abs(p.g - 200), 4) << int(variant) << " at " << x << "," << y;
                EXPECT_LE(std::abs(p.r - 0), 4) << int(variant) << " at " << x << "," << y;
            }
        EXPECT_GT(seen, 30) << int(variant);
    }
}

// The whole blur with alpha against its rule written out block by block: columns left to
// right, each top down, the block at (x, y) with its limited neighbours (x + 1, y + 1 held at
// the last column and row) taking their colours' mean weighted by alpha (the weighted sum
// divided by the alpha sum, rounded down; the plain mean where all four are transparent) and
// the alphas' mean rounded down. Alphas in runs and alone; sizes past one group of columns, and
// tall enough for every column of a group to be between its first row and its last two at once.
TEST(AlphaPlane, WholeBlurFollowsTheWeightedBlockRule) {
    for (const auto& [w, h] : {std::pair{75, 23}, std::pair{6, 1}, std::pair{1, 7},
                               std::pair{150, 70}, std::pair{34, 41}}) {
        PixelGrid image = Noisy(w, h, 21);
        image.addAlpha();
        std::mt19937 random(4);
        static constexpr uint8_t kValues[] = {0, 1, 37, 128, 254, 255};
        uint8_t run = 255;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (random() % 7 == 0) run = kValues[random() % 6];
                image.alphaRow(y)[x] = random() % 4 == 0 ? kValues[random() % 6] : run;
            }
        PixelGrid expected = image;
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y) {
                const int x1 = std::min(x + 1, w - 1), y1 = std::min(y + 1, h - 1);
                const std::pair<int, int> block[4] = {{x, y}, {x, y1}, {x1, y1}, {x1, y}};
                unsigned alphaSum = 0, sums[3] = {}, weighted[3] = {};
                for (const auto& [bx, by] : block) {
                    const Bgr c = expected.at(bx, by);
                    const unsigned a = expected.alphaRow(by)[bx];
                    alphaSum += a;
                    const unsigned channels[3] = {c.b, c.g, c.r};
                    for (int k = 0; k < 3; ++k) {
                        sums[k] += channels[k];
                        weighted[k] += channels[k] * a;
                    }
                }
                uint8_t mean[3];
                for (int k = 0; k < 3; ++k)
                    mean[k] = uint8_t(alphaSum ? weighted[k] / alphaSum : sums[k] / 4);
                for (const auto& [bx, by] : block) {
                    expected.at(bx, by) = Bgr{mean[0], mean[1], mean[2]};
                    expected.alphaRow(by)[bx] = uint8_t(alphaSum / 4);
                }
            }
        Blur(image, BlurVariant::Whole);
        EXPECT_TRUE(image.samePicture(expected)) << w << " x " << h;
    }
}

// One alpha everywhere: the weights cancel, (a x S) div (4a) is S div 4, so the blur gives the
// opaque picture's colours and keeps the alpha; with none, the plain mean does the same. Every
// variant opaque, on odd and even sides, as the weighted blur walks the opaque one's orders;
// the whole blur also at the largest alpha sum, 1020, and the smallest, 4, with sums S of every
// remainder mod 4, on pictures wide and tall enough for its lanes.
TEST(AlphaPlane, OneAlphaEverywhereBlursAsWithoutOne) {
    struct Run {
        BlurVariant variant;
        int alpha, w, h;
    };
    std::vector<Run> runs;
    for (const BlurVariant variant : kVariants)
        for (const auto& [w, h] : {std::pair{7, 5}, std::pair{6, 8}, std::pair{5, 1}})
            runs.push_back({variant, 255, w, h});
    for (const int alpha : {0, 1, 77, 255})
        for (const auto& [w, h] : {std::pair{150, 70}, std::pair{33, 35}})
            runs.push_back({BlurVariant::Whole, alpha, w, h});
    for (const auto& [variant, alpha, w, h] : runs) {
        const PixelGrid source = Noisy(w, h, 5);
        PixelGrid opaque = source;
        Blur(opaque, variant);
        PixelGrid withPlane = source;
        withPlane.addAlpha(static_cast<uint8_t>(alpha));
        Blur(withPlane, variant);
        EXPECT_TRUE(SameColours(opaque, withPlane))
            << int(variant) << " " << alpha << " " << w << "x" << h;
        int changed = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) changed += withPlane.alphaAt(x, y) != alpha;
        EXPECT_EQ(changed, 0) << int(variant) << " " << alpha << " " << w << "x" << h;
    }
}

TEST(AlphaPlane, ColourOperationsLeaveThePlaneAlone) {
    PixelGrid image = Noisy(6, 3, 5);
    image.addAlpha();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) image.alphaRow(y)[x] = uint8_t(x * 50 + y);
    const PixelGrid before = image;
    RgbCorrection(image, image, 6, 3, 150, 80, 120, RgbDirection::FromTopLeft);
    Contrast(image, image, 6, 3, 127, 90);
    Emboss(image, image, 6, 3, EmbossSettings{});
    ASSERT_TRUE(image.hasAlpha());
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(image.alphaAt(x, y), before.alphaAt(x, y));
}

// Threshold 255: a flat neighbour gives (c + (c xor 255)) >> 1 = 127 in every channel. A green
// texel above a transparent black one sees it as its own green: 127 each. Unweighted, green
// would have been (200 + 255) >> 1 = 227.
TEST(AlphaPlane, EmbossSeesATransparentNeighbourAsFlat) {
    PixelGrid image(1, 2);
    image.at(0, 0) = Bgr{0, 200, 0};
    image.addAlpha();
    image.alphaRow(1)[0] = 0;
    Emboss(image, image, 1, 2, EmbossSettings{});
    EXPECT_EQ(image.at(0, 0), (Bgr{127, 127, 127}));
    // Half transparent, it is seen half-way: green (0 x 128 + 200 x 127 + 127) div 255 = 100,
    // then (200 + (100 xor 255)) >> 1 = (200 + 155) >> 1 = 177.
    PixelGrid half(1, 2);
    half.at(0, 0) = Bgr{0, 200, 0};
    half.addAlpha();
    half.alphaRow(1)[0] = 128;
    Emboss(half, half, 1, 2, EmbossSettings{});
    EXPECT_EQ(half.at(0, 0).g, 177);
}

}  // namespace
}  // namespace tessella::pixels
