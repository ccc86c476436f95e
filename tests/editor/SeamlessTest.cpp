// Offset with wrap-around, make-tileable and the seam figure, on pictures worked by hand and on
// photo-like pictures.

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "editor/Seamless.h"
#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;

Rows Offset(const Rows& rows, long long dx, long long dy) {
    pixels::WorkingPicture work = Working(rows);
    OffsetWrap(work, dx, dy);
    return RowsOf(work.image());
}

TEST(Offset, EveryPixelMovesWithWrapAroundByAnyAmount) {
    const Rows p{{A, B, C}, {D, E, F}};
    EXPECT_EQ(Offset(p, -1, 1), (Rows{{E, F, D}, {B, C, A}}));
    EXPECT_EQ(Offset(p, -2, -3), Offset(p, 1, 1));
    EXPECT_EQ(Offset(p, 3'000'000'001LL, -2'000'000'001LL), Offset(p, 1, 1));
}

double Figure(const Rows& rows) {
    return SeamFigure(Working(rows).image());
}

TEST(SeamFigure, HandWorkedPictures) {
    const struct {
        const char* name;
        Rows rows;
        double expected;
    } rows[] = {
        // (Grey pictures: through the tiled preview and tessella-cli info --seams.)
        // By channel: seam (0 + 0 + 9) / 3 = 3; inside (3 + 0 + 0 + 3 + 0 + 9) / 6 = 2.5.
        {"channels", {{Bgr{0, 0, 0}, Bgr{3, 0, 0}, Bgr{0, 0, 9}}}, 1.2},
        // Two pixels wide and high: the seams are the inside pairs themselves.
        {"2 x 2", {{Grey(0), Grey(10)}, {Grey(20), Grey(30)}}, 1.0},
        {"flat", Flat(4, 3, Grey(50)), 1.0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        EXPECT_DOUBLE_EQ(Figure(r.rows), r.expected);
    }
    EXPECT_EQ(SeamFigureText(12.34), "12,3");
}

TEST(MakeTileable, AHandWorkedRowCrossFadesWithItsHalfOffsetCopy) {
    // Band 2 on 8 columns: copy weights 256, 128, 0, 0, 0, 0, 128, 256; the copy moved by 4 is
    // 40 50 60 70 0 10 20 30; (10 + 50) / 2 and (60 + 20) / 2 round half down in 1/256 steps.
    Rows row = {{Grey(0), Grey(10), Grey(20), Grey(30), Grey(40), Grey(50), Grey(60), Grey(70)}};
    pixels::WorkingPicture work = Working(row);
    MakeTileable(work, 2);
    EXPECT_EQ(
        RowsOf(work.image()),
        (Rows{{Grey(40), Grey(30), Grey(20), Grey(30), Grey(40), Grey(50), Grey(40), Grey(30)}}));
    // Three pixels or fewer along an axis: nothing to blend.
    const Rows narrow = Numbered(3, 3);
    pixels::WorkingPicture small = Working(narrow);
    MakeTileable(small, 5);
    EXPECT_EQ(RowsOf(small.image()), narrow);
}

// Smooth waves whose periods do not divide the size, with a little grain: like a photo of
// stone, with seams that show.
Rows PhotoLike(int w, int h) {
    std::mt19937 random(11);
    std::uniform_int_distribution<int> grain(-6, 6);
    Rows rows(h, std::vector<Bgr>(w));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const double v = 120 + 50 * std::sin(x / 7.3 + y / 11.1) +
                             40 * std::cos(x / 17.9 - y / 5.7) + 20 * std::sin((x + 2 * y) / 23.0);
            const auto c = [&](double shift) {
                return uint8_t(std::clamp(v + shift + grain(random), 0.0, 255.0));
            };
            rows[y][x] = Bgr{c(-20), c(0), c(15)};
        }
    return rows;
}

TEST(MakeTileable, TheSeamsLookLikeTheInsideAndTheCentreIsKept) {
    const struct {
        const char* name;
        Rows rows;
        int band;
    } rows[] = {
        {"photo-like", PhotoLike(128, 96), 24},
        {"photo-like, odd sizes", PhotoLike(101, 77), 20},
        // The band is clamped: wider than half the side, it still leaves the middle alone.
        {"band wider than half", PhotoLike(128, 96), 500},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        pixels::WorkingPicture work = Working(r.rows);
        MakeTileable(work, r.band);
        EXPECT_LE(SeamFigure(work.image()), 1.5);
        const Rows result = RowsOf(work.image());
        const int w = work.width(), h = work.height();
        ASSERT_EQ(std::pair(w, h), std::pair(int(r.rows[0].size()), int(r.rows.size())));
        // At least band from every edge (the band as clamped to half the side, less one).
        const int bandX = std::min(r.band, w / 2 - 1), bandY = std::min(r.band, h / 2 - 1);
        for (int y = bandY; y < h - bandY; ++y)
            for (int x = bandX; x < w - bandX; ++x)
                ASSERT_EQ(result[y][x], r.rows[y][x]) << x << "," << y;
    }
    EXPECT_GT(Figure(PhotoLike(128, 96)), 2.0);  // the seams showed before
}

}  // namespace
}  // namespace tessella::editor
