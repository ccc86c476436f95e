#include "editor/Filters.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;
using platform::ColourValue;

struct PixelCase {
    const char* what;
    void (*run)(pixels::Traite&);
    Bgr before;
    Bgr after;
};

TEST(Filters, OnePixelRules) {
    const PixelCase cases[] = {
        {"swap red and blue",
         [](pixels::Traite& w) { ChannelOperation(w, 0); },
         {1, 2, 3},
         {3, 2, 1}},
        {"swap green and blue",
         [](pixels::Traite& w) { ChannelOperation(w, 1); },
         {1, 2, 3},
         {2, 1, 3}},
        {"swap red and green",
         [](pixels::Traite& w) { ChannelOperation(w, 2); },
         {1, 2, 3},
         {1, 3, 2}},
        {"grey truncates",
         [](pixels::Traite& w) { ChannelOperation(w, 3); },
         {10, 20, 31},
         {20, 20, 20}},
        {"grey of white",
         [](pixels::Traite& w) { ChannelOperation(w, 3); },
         {255, 255, 255},
         {255, 255, 255}},
        {"negative",
         [](pixels::Traite& w) { ChannelOperation(w, 4); },
         {10, 20, 31},
         {245, 235, 224}},
        {"channel op 5",
         [](pixels::Traite& w) { ChannelOperation(w, 5); },
         {10, 20, 31},
         {10, 20, 31}},
        {"channel op -1",
         [](pixels::Traite& w) { ChannelOperation(w, -1); },
         {10, 20, 31},
         {10, 20, 31}},
        {"fuse red and blue",
         [](pixels::Traite& w) { FuseChannels(w, 0); },
         {10, 50, 21},
         {15, 50, 15}},
        {"fuse green and blue",
         [](pixels::Traite& w) { FuseChannels(w, 1); },
         {10, 50, 21},
         {30, 30, 21}},
        {"fuse red and green",
         [](pixels::Traite& w) { FuseChannels(w, 2); },
         {10, 50, 21},
         {10, 35, 35}},
        {"fuse 3", [](pixels::Traite& w) { FuseChannels(w, 3); }, {10, 50, 21}, {10, 50, 21}},
        {"veil pure red",
         [](pixels::Traite& w) { AddVeil(w, ColourValue::fromRgb(255, 0, 0)); },
         {0, 0, 200},
         {0, 0, 255}},
        {"veil per channel",
         [](pixels::Traite& w) { AddVeil(w, ColourValue::fromRgb(10, 20, 30)); },
         {250, 5, 5},
         {255, 25, 15}},
    };
    for (const PixelCase& c : cases) {
        // Odd width: the rules must reach the last column and leave the spare cells alone.
        auto work = Working({{c.before, c.before, c.before}, {c.before, c.before, c.before}});
        c.run(work);
        EXPECT_EQ(RowsOf(work.image()), (Rows(2, std::vector<Bgr>(3, c.after)))) << c.what;
        EXPECT_EQ(work.image().row(0)[3], (Bgr{99, 98, 97})) << c.what;
    }
}

// Wide rows of differing pixels go through the vector loops, which the small cases above
// never reach; each rule is applied here pixel by pixel.
TEST(Filters, WideRowsFollowTheRulesPixelByPixel) {
    Rows noise(3, std::vector<Bgr>(67));
    uint32_t state = 7;
    for (auto& row : noise)
        for (Bgr& p : row) {
            state = state * 1103515245u + 12345u;
            p = Bgr{static_cast<uint8_t>(state >> 8), static_cast<uint8_t>(state >> 16),
                    static_cast<uint8_t>(state >> 24)};
        }
    struct Case {
        const char* what;
        void (*run)(pixels::Traite&);
        Bgr (*rule)(Bgr);
    };
    const Case cases[] = {
        {"swap rb", [](pixels::Traite& w) { ChannelOperation(w, 0); },
         [](Bgr p) {
             return Bgr{p.r, p.g, p.b};
         }},
        {"swap gb", [](pixels::Traite& w) { ChannelOperation(w, 1); },
         [](Bgr p) {
             return Bgr{p.g, p.b, p.r};
         }},
        {"swap rg", [](pixels::Traite& w) { ChannelOperation(w, 2); },
         [](Bgr p) {
             return Bgr{p.b, p.r, p.g};
         }},
        {"grey", [](pixels::Traite& w) { ChannelOperation(w, 3); },
         [](Bgr p) { return Grey(static_cast<uint8_t>((p.b + p.g + p.r) / 3)); }},
        {"negative", [](pixels::Traite& w) { ChannelOperation(w, 4); },
         [](Bgr p) {
             return Bgr{static_cast<uint8_t>(255 - p.b), static_cast<uint8_t>(255 - p.g),
                        static_cast<uint8_t>(255 - p.r)};
         }},
        {"fuse rb", [](pixels::Traite& w) { FuseChannels(w, 0); },
         [](Bgr p) {
             const auto m = static_cast<uint8_t>((p.r + p.b) / 2);
             return Bgr{m, p.g, m};
         }},
        {"fuse gb", [](pixels::Traite& w) { FuseChannels(w, 1); },
         [](Bgr p) {
             const auto m = static_cast<uint8_t>((p.g + p.b) / 2);
             return Bgr{m, m, p.r};
         }},
        {"fuse rg", [](pixels::Traite& w) { FuseChannels(w, 2); },
         [](Bgr p) {
             const auto m = static_cast<uint8_t>((p.r + p.g) / 2);
             return Bgr{p.b, m, m};
         }},
        {"veil", [](pixels::Traite& w) { AddVeil(w, ColourValue::fromRgb(100, 0, 200)); },
         [](Bgr p) {
             return Bgr{static_cast<uint8_t>(std::min(255, p.b + 200)), p.g,
                        static_cast<uint8_t>(std::min(255, p.r + 100))};
         }},
    };
    for (const Case& c : cases) {
        auto work = Working(noise);
        c.run(work);
        Rows expected = noise;
        for (auto& row : expected)
            for (Bgr& p : row) p = c.rule(p);
        EXPECT_EQ(RowsOf(work.image()), expected) << c.what;
        EXPECT_EQ(work.image().row(1)[67], (Bgr{99, 98, 97})) << c.what;
    }
}

TEST(Filters, SharpenAndSoftenAFlatGrey) {
    // L = 101 everywhere and A = 102: sharpen gives 100 x 101 / 102 = 99.02, soften 100.99.
    for (auto [mode, inside] : {std::pair{1, 99}, std::pair{0, 101}}) {
        auto work = Working(Rows(5, std::vector<Bgr>(5, Grey(100))));
        SharpenSoften(work, mode);
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 5; ++x) {
                const bool frame = x == 0 || y == 0 || x == 4 || y == 4;
                EXPECT_EQ(work.image().at(x, y), Grey(frame ? 100 : inside)) << x << "," << y;
            }
    }
}

TEST(Filters, SharpenAndSoftenLeaveNarrowPicturesAlone) {
    for (int mode : {0, 1, 2}) {
        const Rows narrow(4, std::vector<Bgr>(2, Grey(100)));
        auto work = Working(narrow);
        SharpenSoften(work, mode);
        EXPECT_EQ(RowsOf(work.image()), narrow);
        const Rows flat(2, std::vector<Bgr>(6, Grey(100)));
        auto low = Working(flat);
        SharpenSoften(low, mode);
        EXPECT_EQ(RowsOf(low.image()), flat);
    }
    // Mode 2 does nothing even on a large enough picture.
    const Rows square(3, std::vector<Bgr>(3, Grey(100)));
    auto work = Working(square);
    SharpenSoften(work, 2);
    EXPECT_EQ(RowsOf(work.image()), square);
}

TEST(Filters, BrightPixelOnADarkField) {
    // Centre 200, neighbours 10: Lc = 201, sum of L = 8 x 11 + 201 = 289, A = 298 / 9.
    // Sharpen: 200 x 201 x 9 / 298 = 1214 -> 255. Soften: 200 x 298 / (9 x 201) = 32.95 -> 33.
    Rows field(3, std::vector<Bgr>(3, Grey(10)));
    field[1][1] = Grey(200);
    auto sharp = Working(field);
    SharpenSoften(sharp, 1);
    EXPECT_EQ(sharp.image().at(1, 1), Grey(255));
    auto soft = Working(field);
    SharpenSoften(soft, 0);
    EXPECT_EQ(soft.image().at(1, 1), Grey(33));
    EXPECT_EQ(soft.image().at(0, 0), Grey(10));
}

TEST(Filters, NeighboursAreReadBeforeTheyChange) {
    // A 4 x 4 ramp: every interior pixel must see the original neighbours. Worked by hand for
    // pixel (2, 2) under soften: channel sums 3v with v = 10 (x + y); around (2, 2) the nine
    // values are 20..60, their L sum is (3 x (10 x 4 x 9) + 27) / 3 = 369, A = 378 / 9 = 42,
    // Lc = (120 + 3) / 3 = 41: 40 x 42 / 41 = 40.98 -> 41.
    Rows ramp(4, std::vector<Bgr>(4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) ramp[y][x] = Grey(static_cast<uint8_t>(10 * (x + y)));
    auto work = Working(ramp);
    SharpenSoften(work, 0);
    EXPECT_EQ(work.image().at(2, 2), Grey(41));
    // (1, 1): values 0..40, L sum (3 x 180 + 27) / 3 = 189, A = 22, Lc = 21: 20 x 22 / 21 = 20.95.
    EXPECT_EQ(work.image().at(1, 1), Grey(21));
}

// Random pictures against the rule in exact fractions: with L = (s + 3) / 3 and
// A = (sum of the nine L + 9) / 9, sharpen gives c x Lc / A and soften c x A / Lc, rounded
// half to even and limited to 255; the frame keeps its pixels. Rows of 37 pixels run through
// the vector loops; pictures made of few values give exact halves more often.
TEST(Filters, InteriorMatchesTheRuleInExactFractions) {
    uint32_t state = 99;
    auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<uint8_t>(state >> 16);
    };
    auto roundHalfEven = [](int64_t num, int64_t den) {
        int64_t q = num / den;
        const int64_t twice = 2 * (num % den);
        if (twice > den || (twice == den && (q & 1))) ++q;
        return static_cast<uint8_t>(std::min<int64_t>(q, 255));
    };
    const int w = 37, h = 4;
    for (int trial = 0; trial < 300; ++trial) {
        const bool fewValues = trial % 2 == 0;
        const uint8_t palette[3] = {next(), next(), next()};
        Rows picture(h, std::vector<Bgr>(w));
        for (auto& row : picture)
            for (Bgr& p : row)
                p = fewValues ? Bgr{palette[next() % 3], palette[next() % 3], palette[next() % 3]}
                              : Bgr{next(), next(), next()};
        for (int mode : {0, 1}) {
            auto work = Working(picture);
            SharpenSoften(work, mode);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const Bgr c = picture[y][x];
                    Bgr expected = c;
                    if (x > 0 && y > 0 && x < w - 1 && y < h - 1) {
                        // Sums of 3 L = s + 3; Lc / A = 9 (3 Lc) / (sum of 3 L + 27).
                        int64_t sumL3 = 0;
                        for (int dy = -1; dy <= 1; ++dy)
                            for (int dx = -1; dx <= 1; ++dx) {
                                const Bgr& n = picture[y + dy][x + dx];
                                sumL3 += n.b + n.g + n.r + 3;
                            }
                        const int64_t lc3 = c.b + c.g + c.r + 3;
                        const int64_t num = mode == 1 ? 9 * lc3 : sumL3 + 27;
                        const int64_t den = mode == 1 ? sumL3 + 27 : 9 * lc3;
                        expected = Bgr{roundHalfEven(c.b * num, den), roundHalfEven(c.g * num, den),
                                       roundHalfEven(c.r * num, den)};
                    }
                    ASSERT_EQ(work.image().at(x, y), expected)
                        << "trial " << trial << " mode " << mode << " at " << x << "," << y;
                }
        }
    }
}

TEST(Filters, ExactHalvesRoundToEven) {
    // Centre (B 14, G 14, R 170) among black pixels: Lc = 67, A = (67 + 8 + 9) / 9 = 84 / 9;
    // sharpen gives 14 x 67 x 9 / 84 = 100.5 exactly, which rounds to 100; red saturates.
    Rows field(3, std::vector<Bgr>(3, Grey(0)));
    field[1][1] = Bgr{14, 14, 170};
    auto work = Working(field);
    SharpenSoften(work, 1);
    EXPECT_EQ(work.image().at(1, 1), (Bgr{100, 100, 255}));
    // A flat grey of 1 softened: 1 x 3 / 2 = 1.5 exactly, which rounds to 2.
    auto one = Working(Rows(3, std::vector<Bgr>(3, Grey(1))));
    SharpenSoften(one, 0);
    EXPECT_EQ(one.image().at(1, 1), Grey(2));
}

}  // namespace
}  // namespace tessella::editor
