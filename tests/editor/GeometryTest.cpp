// The geometry operations and nearest-neighbour resizing, on pictures worked by hand; the row
// source of the moves against the operations themselves.

#include "editor/Geometry.h"
#include "editor/Resize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <numeric>
#include <random>

#include "platform/Error.h"
#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;
using pixels::WorkingPicture;

TEST(Geometry, SmallPicturesWorkedByHand) {
    const Rows six{{A, B, C}, {D, E, F}};
    const struct {
        const char* what;
        void (*op)(WorkingPicture&);
        Rows before, after;
    } cases[] = {
        // clang-format off
        // Clockwise the top-left pixel goes to the top-right corner, counter-clockwise to the
        // bottom-left one.
        {"clockwise", With<RotateQuarter, Turn::Clockwise>, six, {{D, A}, {E, B}, {F, C}}},
        {"counter-clockwise", With<RotateQuarter, Turn::CounterClockwise>, six,
         {{C, F}, {B, E}, {A, D}}},
        {"mirror", MirrorHorizontal, six, {{C, B, A}, {F, E, D}}},
        {"flip, odd height", FlipVertical, {{A, B}, {C, D}, {E, F}}, {{E, F}, {C, D}, {A, B}}},
        {"two faces", With<MakeSymmetric, Symmetry::TwoFaces>, {{A, B, C}}, {{A, B, C, C, B, A}}},
        {"four faces", With<MakeSymmetric, Symmetry::FourFaces>, {{A, B}, {C, D}},
         {{A, B, B, A}, {C, D, D, C}, {C, D, D, C}, {A, B, B, A}}},
        {"tiled right", With<DoubleTile, TileDirection::Right>, {{A, B}}, {{A, B, A, B}}},
        {"tiled down", With<DoubleTile, TileDirection::Down>, {{A, B}, {C, D}},
         {{A, B}, {C, D}, {A, B}, {C, D}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto work = Working(c.before);
        c.op(work);
        EXPECT_EQ(RowsOf(work.image()), c.after);
    }
}

TEST(Geometry, LargePicturesCrossTiles) {
    // 70 x 33 is larger than one rotation tile both ways, and 1500 x 1401 is turned in bands on
    // several threads: clockwise, (x, y) lands at column H-1-y, row x; the counter-clockwise
    // turn brings it back.
    for (const auto& [w, h] : {std::pair{70, 33}, std::pair{1500, 1401}}) {
        SCOPED_TRACE(w);
        const Rows original = Numbered(w, h);
        Rows turned(w, std::vector<Bgr>(h));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) turned[x][h - 1 - y] = original[y][x];
        auto work = Working(original);
        RotateQuarter(work, Turn::Clockwise);
        EXPECT_TRUE(RowsOf(work.image()) == turned);
        RotateQuarter(work, Turn::CounterClockwise);
        EXPECT_TRUE(RowsOf(work.image()) == original);
    }
}

// The row source against the operations it stands for, on noisy pictures of awkward sizes:
// one pixel wide or high, odd widths, sizes that are not multiples of the tile (32) or of the
// block of turned rows (64), and a turn of fewer than four rows. The rows are asked bottom-up
// (as the BMP writer does), then shuffled with repeats, so a block kept from an earlier call
// must still be the right one; the source must come out unchanged.
TEST(MovedRows, RowsAreThoseOfTheMovedPicture) {
    const struct {
        const char* what;
        void (*op)(WorkingPicture&);
        Move move;
    } moves[] = {
        {"clockwise", With<RotateQuarter, Turn::Clockwise>, Move::TurnClockwise},
        {"counter-clockwise", With<RotateQuarter, Turn::CounterClockwise>,
         Move::TurnCounterClockwise},
        {"mirror", MirrorHorizontal, Move::Mirror},
        {"flip", FlipVertical, Move::Flip},
    };
    const std::pair<int, int> sizes[] = {{1, 1},  {1, 70},   {70, 1},   {3, 5},
                                         {2, 67}, {67, 130}, {130, 67}, {97, 33}};
    std::mt19937 random(7);
    // With alpha, each texel's alpha is its blue byte: wherever a texel lands, in the moved
    // picture or in the moved rows, its alpha must have come with it.
    const auto withAlpha = [](WorkingPicture work) {
        pixels::PixelGrid& image = work.image();
        image.addAlpha();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) image.alphaRow(y)[x] = image.at(x, y).b;
        return work;
    };
    for (const auto& [w, h] : sizes)
        for (const bool alpha : {false, true}) {
            const Rows noisy = Noisy(w, h, random());
            for (const auto& m : moves) {
                SCOPED_TRACE(::testing::Message()
                             << m.what << ' ' << w << " x " << h << " alpha " << alpha);
                auto expected = alpha ? withAlpha(Working(noisy)) : Working(noisy);
                m.op(expected);
                const pixels::PixelGrid& want = expected.image();
                ASSERT_EQ(want.hasAlpha(), alpha);
                const auto source = alpha ? withAlpha(Working(noisy)) : Working(noisy);
                MovedRows moved(source.image(), m.move);
                ASSERT_EQ(moved.width(), want.width());
                ASSERT_EQ(moved.height(), want.height());
                std::vector<int> order(want.height()), shuffled(2 * want.height());
                std::iota(order.rbegin(), order.rend(), 0);
                std::iota(shuffled.begin(), shuffled.end(), 0);
                for (int& y : shuffled) y %= want.height();  // each row twice
                std::shuffle(shuffled.begin(), shuffled.end(), random);
                order.insert(order.end(), shuffled.begin(), shuffled.end());
                int wrong = 0;
                for (int y : order)
                    if (std::memcmp(moved.row(y), want.row(y), size_t(want.width()) * 3) != 0 &&
                        ++wrong <= 3)
                        ADD_FAILURE() << "row " << y;
                EXPECT_EQ(wrong, 0);
                EXPECT_EQ(RowsOf(source.image()), noisy);
                if (!alpha) continue;
                for (int y = 0; y < want.height(); ++y)
                    for (int x = 0; x < want.width(); ++x)
                        if (want.alphaRow(y)[x] != want.at(x, y).b && ++wrong <= 3)
                            ADD_FAILURE() << "moved picture's alpha at " << x << ", " << y;
                for (int y : order)
                    if (std::memcmp(moved.alphaRow(y), want.alphaRow(y), size_t(want.width())) !=
                            0 &&
                        ++wrong <= 3)
                        ADD_FAILURE() << "alpha row " << y;
                EXPECT_EQ(wrong, 0);
            }
        }
}

// Row of w pixels whose blue byte is the column number.
Rows Columns(int w) {
    Rows rows(1, std::vector<Bgr>(w));
    for (int x = 0; x < w; ++x) rows[0][x] = Bgr{static_cast<uint8_t>(x), 0, 0};
    return rows;
}

std::vector<int> SampledColumns(const pixels::PixelGrid& image) {
    std::vector<int> columns;
    for (int x = 0; x < image.width(); ++x) columns.push_back(image.at(x, 0).b);
    return columns;
}

TEST(Resize, SamplesTheCentreOfEachFootprint) {
    struct Case {
        int from, to;
        std::vector<int> columns;
    };
    const Case cases[] = {
        {8, 4, {1, 3, 5, 7}},
        {3, 2, {0, 2}},     // (x + 0.5) x 3 / 2: 0.75 and 2.25
        {2, 3, {0, 1, 1}},  // (x + 0.5) x 2 / 3: 0.33, 1, 1.67
    };
    for (const Case& c : cases) {
        auto work = Working(Columns(c.from));
        ResizeNearest(work, c.to, 1);
        EXPECT_EQ(SampledColumns(work.image()), c.columns) << c.from << " -> " << c.to;
    }
}

TEST(Resize, BadSizesAreRefusedAndChangeNothing) {
    const Rows original = Numbered(4, 3);
    const std::pair<int, int> sizes[] = {{0, 3}, {40000, 40000}};
    for (auto [w, h] : sizes) {
        auto work = Working(original);
        try {
            ResizeNearest(work, w, h);
            ADD_FAILURE() << w << " x " << h << " accepted";
        } catch (const platform::TessellaError& e) {
            EXPECT_TRUE(e.message().contains(QStringLiteral("Redimensionnement"))) << e.what();
        }
        EXPECT_EQ(RowsOf(work.image()), original);
    }
}

}  // namespace
}  // namespace tessella::editor
