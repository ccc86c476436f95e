#include "editor/Geometry.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tessella::editor
