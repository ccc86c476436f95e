#include "editor/Filters.h"

#include <gtest/gtest.h>

#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;
using platform::ColourValue;

void Veil(pixels::WorkingPicture& work) {
    AddVeil(work, ColourValue::fromRgb(10, 20, 30));
}

// Four pixels repeated along rows of 67: the vector loops, their remainder and the last column
// all meet neighbours that differ; the spare cells keep their marker.
TEST(Filters, PixelRulesWorkedByHand) {
    const Bgr in[4] = {{10, 20, 31}, {10, 50, 21}, {250, 5, 5}, Grey(255)};
    const struct {
        const char* what;
        void (*op)(pixels::WorkingPicture&);
        Bgr out[4];
    } cases[] = {
        // clang-format off
        {"swap red and blue", With<ApplyChannelOperation, ChannelOperation::SwapRedBlue>,
         {{31, 20, 10}, {21, 50, 10}, {5, 5, 250}, Grey(255)}},
        // Sums 61, 81, 260, 765 div 3.
        {"grey", With<ApplyChannelOperation, ChannelOperation::Grey>,
         {Grey(20), Grey(27), Grey(86), Grey(255)}},
        {"negative", With<ApplyChannelOperation, ChannelOperation::Negative>,
         {{245, 235, 224}, {245, 205, 234}, {5, 250, 250}, Grey(0)}},
        {"fuse red and blue", With<FuseChannels, ChannelPair::RedBlue>,
         {Grey(20), {15, 50, 15}, {127, 5, 127}, Grey(255)}},
        // Red 10, green 20, blue 30.
        {"veil per channel", Veil, {{40, 40, 41}, {40, 70, 31}, {255, 25, 15}, Grey(255)}},
        // clang-format on
    };
    Rows before(3, std::vector<Bgr>(67));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 67; ++x) before[y][x] = in[(x + y) % 4];
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Rows after = before;
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 67; ++x) after[y][x] = c.out[(x + y) % 4];
        auto work = Working(before);
        c.op(work);
        EXPECT_EQ(RowsOf(work.image()), after);
        EXPECT_EQ(work.image().row(1)[67], (Bgr{99, 98, 97}));
    }
}

Rows Centred(Bgr centre, Bgr around) {
    Rows field = Flat(3, 3, around);
    field[1][1] = centre;
    return field;
}

TEST(Filters, SharpenAndSoftenWorkedByHand) {
    Rows ramp(4, std::vector<Bgr>(4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) ramp[y][x] = Grey(static_cast<uint8_t>(10 * (x + y)));
    struct Point {
        int x, y;
        Bgr expected;
    };
    const struct {
        const char* what;
        Rows picture;
        Sharpness sharpness;
        std::vector<Point> points;
    } cases[] = {
        // clang-format off
        // (Flat rows, and the frame kept: the large picture's test below.)
        // Neighbours are read before they change. Around (2, 2) the nine values are 20..60,
        // their L sum is (3 x 360 + 27) / 3 = 369, A = 42, Lc = 41: 40 x 42 / 41 = 40.98.
        {"ramp, soften", ramp, Sharpness::Soften, {{2, 2, Grey(41)}}},
        // (B 14, G 14, R 170) among black: Lc = 67, A = 84 / 9; 14 x 67 x 9 / 84 = 100.5
        // exactly, to even 100; red saturates.
        {"exact half, sharpen", Centred({14, 14, 170}, Grey(0)), Sharpness::Sharpen,
         {{1, 1, {100, 100, 255}}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto work = Working(c.picture);
        SharpenSoften(work, c.sharpness);
        for (const Point& p : c.points)
            EXPECT_EQ(work.image().at(p.x, p.y), p.expected) << p.x << "," << p.y;
    }
    // Pictures under 3 pixels a side are left alone.
    const Rows thin = Flat(6, 2, Grey(100));
    auto work = Working(thin);
    SharpenSoften(work, Sharpness::Sharpen);
    EXPECT_EQ(RowsOf(work.image()), thin);
}

// A picture large enough to be filtered in bands on several threads: grey rows of a period of
// seven, each pixel by the rule worked with integers, ties to even. A band that read its
// neighbour's row after the neighbour filtered it would give other values at its edge.
TEST(Filters, SharpenAndSoftenOfALargePictureFollowTheRuleOnEveryRow) {
    constexpr int kWidth = 1100, kHeight = 2100;
    const int period[] = {30, 40, 200, 90, 250, 10, 130};
    auto grey = [&](int y) { return period[y % 7]; };
    Rows rows(kHeight, std::vector<Bgr>(kWidth));
    for (int y = 0; y < kHeight; ++y) rows[y].assign(kWidth, Grey(static_cast<uint8_t>(grey(y))));
    for (const Sharpness sharpness : {Sharpness::Sharpen, Sharpness::Soften}) {
        auto work = Working(rows);
        SharpenSoften(work, sharpness);
        for (int y = 1; y < kHeight - 1; ++y) {
            const long long v = grey(y);
            // Channel sum 3v at the centre, nine times the three rows' channel sums around it.
            const long long lc = 9 * (3 * v + 3);
            const long long a = 9 * (grey(y - 1) + v + grey(y + 1)) + 54;
            const long long num = v * (sharpness == Sharpness::Sharpen ? lc : a);
            const long long den = sharpness == Sharpness::Sharpen ? a : lc;
            long long q = (2 * num + den) / (2 * den);
            if ((2 * num + den) % (2 * den) == 0 && q % 2 == 1) --q;
            const Bgr expected = Grey(static_cast<uint8_t>(std::min(q, 255LL)));
            for (const int x : {1, kWidth / 2, kWidth - 2})
                ASSERT_EQ(work.image().at(x, y), expected) << x << "," << y;
        }
        EXPECT_EQ(work.image().at(5, 0), Grey(30));
        EXPECT_EQ(work.image().at(5, kHeight - 1), Grey(static_cast<uint8_t>(grey(kHeight - 1))));
    }
}

}  // namespace
}  // namespace tessella::editor
