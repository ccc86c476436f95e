// Blur: every variant on small pictures traced by hand, block by block in the walk order.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "pixels/Blur.h"
#include "platform/Error.h"

namespace tessella::pixels {
namespace {

using Greys = std::vector<std::vector<int>>;

// The grey picture blurred, checked still grey.
Greys Blurred(Greys rows, BlurVariant variant) {
    PixelGrid image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const auto v = static_cast<uint8_t>(rows[y][x]);
            image.at(x, y) = {v, v, v};
        }
    Blur(image, variant);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Bgr p = image.at(x, y);
            EXPECT_TRUE(p.b == p.g && p.g == p.r) << x << "," << y;
            rows[y][x] = p.b;
        }
    return rows;
}

struct Cell {
    int x, y, v;
};

// Six rows, black but for the cells given: rows 0, 1, 5 and columns 0, 1, 5 black, the border
// pass changes nothing and the lit pixel shows where the walk moves block means.
Greys SixBySix(std::initializer_list<Cell> cells, int width = 6) {
    Greys rows(6, std::vector<int>(width, 0));
    for (const Cell& c : cells) rows[c.y][c.x] = c.v;
    return rows;
}

Greys Lit(int x, int y) {
    return SixBySix({{x, y, 200}});
}

TEST(BlurTest, MatchesTheHandTrace) {
    using enum BlurVariant;
    const struct {
        const char* name;
        BlurVariant variant;
        Greys before, after;
    } cases[] = {
        // clang-format off
        // Column 0 down: 45, 75 (301 div 4), 75; column 1: 60, 67 (270 div 4), 67.
        {"whole 2 x 3", Whole, {{0, 100}, {50, 30}, {200, 11}}, {{45, 60}, {75, 67}, {75, 67}}},
        // Borders: top 0 127 191 191 twice, bottom 0 127 191 191, left 63/31/47/47, right
        // 191/223/207/207; then block (0, 0) gives 47 to columns 1 and 2 of rows 0 and 1 and
        // block (2, 0) 127 to column 3; the lower blocks likewise.
        {"right, half white", Right, Greys(4, {0, 0, 255, 255}),
         {{63, 47, 47, 127}, {31, 47, 47, 127}, {47, 47, 47, 127}, {47, 47, 47, 127}}},
        // Same borders; the upward walk reads one block, (2..3, 2..3): 860 div 4 into
        // columns 1 and 2 of rows 2 and 3.
        {"left, half white", Left, Greys(4, {0, 0, 255, 255}),
         {{63, 63, 191, 191}, {31, 31, 191, 223}, {47, 215, 215, 207}, {47, 215, 215, 207}}},
        {"down by 1", Down, Lit(2, 3),
         SixBySix({{2, 3, 50}, {3, 3, 50}, {2, 4, 50}, {3, 4, 50}, {2, 5, 25}, {3, 5, 25}})},
        // Block (2, 2) carries 50 to columns 0..1 of rows 3..4; block (4, 2) then clears the
        // lit pixel, and the last row's blocks write 25, then 0, into (0, 5).
        {"down by 1, left by 2", DownOneLeftTwo, Lit(3, 3),
         SixBySix({{0, 3, 50}, {1, 3, 50}, {0, 4, 50}, {1, 4, 50}})},
        {"up by 1", Up, Lit(3, 2), SixBySix({{2, 1, 50}, {3, 1, 50}, {2, 2, 50}, {3, 2, 50}})},
        {"up and left by 1", UpLeft, Lit(2, 2),
         SixBySix({{1, 1, 50}, {2, 1, 50}, {1, 2, 50}, {2, 2, 50}})},
        {"down and right by 1", DownRight, Lit(3, 3),
         SixBySix({{3, 3, 50}, {4, 3, 50}, {5, 3, 12}, {3, 4, 50}, {4, 4, 50}, {5, 4, 12},
                   {3, 5, 12}, {4, 5, 12}, {5, 5, 18}})},
        // The lit pixel is read but never written over.
        {"up by 1, right by 2", UpOneRightTwo, Lit(2, 2),
         SixBySix({{4, 1, 50}, {5, 1, 50}, {2, 2, 200}, {4, 2, 50}, {5, 2, 50}})},
        // Five wide (rows 0, 1, 5 and columns 0, 1, 4 black): each row of blocks is walked at
        // x = 3 then x = 1. Left: block (3, 2) moves 160 div 4 to columns 2..3 of rows 2..3,
        // then block (1, 2) reads two of those, 80 div 4, into columns 0..1.
        {"five wide, left", Left, SixBySix({{3, 2, 160}}, 5),
         SixBySix({{0, 2, 20}, {1, 2, 20}, {2, 2, 40}, {3, 2, 40},
                   {0, 3, 20}, {1, 3, 20}, {2, 3, 40}, {3, 3, 40}}, 5)},
        // clang-format on
    };
    for (const auto& c : cases) EXPECT_EQ(Blurred(c.before, c.variant), c.after) << c.name;
}

TEST(BlurTest, EmptyPicturesAreLeftAloneAndUnknownButtonsRefused) {
    PixelGrid empty, noRows(3, 0);
    EXPECT_NO_THROW(Blur(empty, BlurVariant::Whole));
    EXPECT_NO_THROW(Blur(noRows, BlurVariant::Left));
    EXPECT_THROW(BlurVariantFromIndex(9), platform::TessellaError);
    EXPECT_THROW(BlurVariantFromIndex(-1), platform::TessellaError);
}

// The whole blur on noisy pictures against its rule followed literally: column by column, row
// by row, the block's four pixels (limited to the picture) replaced by their mean. Widths past
// 64 cross the groups of columns the blur walks together.
TEST(BlurTest, WholeFollowsTheBlockRuleOnNoisyPictures) {
    uint32_t seed = 12345;
    auto noise = [&seed] {
        seed = seed * 1103515245u + 12345u;
        return static_cast<uint8_t>(seed >> 16);
    };
    const std::pair<int, int> sizes[] = {{1, 7}, {7, 1}, {5, 3}, {64, 40}, {97, 2}, {131, 300}};
    for (const auto& [w, h] : sizes) {
        PixelGrid picture(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) picture.at(x, y) = {noise(), noise(), noise()};
        PixelGrid rule = picture;
        auto at = [&](int x, int y) -> Bgr& {
            return rule.at(std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1));
        };
        for (int x = 0; x < w; ++x)
            for (int y = 0; y < h; ++y) {
                Bgr* block[] = {&at(x, y), &at(x, y + 1), &at(x + 1, y + 1), &at(x + 1, y)};
                int b = 0, g = 0, r = 0;
                for (const Bgr* p : block) b += p->b, g += p->g, r += p->r;
                const Bgr mean{static_cast<uint8_t>(b / 4), static_cast<uint8_t>(g / 4),
                               static_cast<uint8_t>(r / 4)};
                for (Bgr* p : block) *p = mean;
            }
        Blur(picture, BlurVariant::Whole);
        EXPECT_TRUE(picture.samePicture(rule)) << w << " x " << h;
    }
}

}  // namespace
}  // namespace tessella::pixels
