#include "editor/Geometry.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;

void Mirror(pixels::Traite& work, int) {
    MirrorHorizontal(work);
}
void Flip(pixels::Traite& work, int) {
    FlipVertical(work);
}

TEST(Geometry, SmallPicturesWorkedByHand) {
    const Rows six{{A, B, C}, {D, E, F}};
    const struct {
        const char* what;
        void (*op)(pixels::Traite&, int);
        int argument;
        Rows before, after;
    } cases[] = {
        // Clockwise the top-left pixel goes to the top-right corner, counter-clockwise to the
        // bottom-left one.
        {"clockwise 3 x 2", RotateQuarter, 2, six, {{D, A}, {E, B}, {F, C}}},
        {"counter-clockwise 3 x 2", RotateQuarter, 1, six, {{C, F}, {B, E}, {A, D}}},
        {"mirror", Mirror, 0, six, {{C, B, A}, {F, E, D}}},
        {"flip, odd height", Flip, 0, {{A, B}, {C, D}, {E, F}}, {{E, F}, {C, D}, {A, B}}},
        {"symmetry 2", MakeSymmetric, 2, {{A, B, C}}, {{A, B, C, C, B, A}}},
        {"symmetry 4",
         MakeSymmetric,
         4,
         {{A, B}, {C, D}},
         {{A, B, B, A}, {C, D, D, C}, {C, D, D, C}, {A, B, B, A}}},
        {"double width", DoubleTile, 1, {{A, B}}, {{A, B, A, B}}},
        {"double height", DoubleTile, 2, {{A, B}, {C, D}}, {{A, B}, {C, D}, {A, B}, {C, D}}},
        // Arguments outside their values change nothing.
        {"rotate 0", RotateQuarter, 0, six, six},
        {"symmetry 3", MakeSymmetric, 3, six, six},
        {"double 3", DoubleTile, 3, six, six},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        auto work = Working(c.before);
        c.op(work, c.argument);
        EXPECT_EQ(RowsOf(work.image()), c.after);
    }
}

TEST(Geometry, LargePicturesCrossTiles) {
    // 70 x 33 is larger than one rotation tile both ways: clockwise, (x, y) lands at column
    // H-1-y, row x; the counter-clockwise turn brings it back, and so do four turns.
    const Rows original = Numbered(70, 33);
    Rows turned(70, std::vector<Bgr>(33));
    for (int y = 0; y < 33; ++y)
        for (int x = 0; x < 70; ++x) turned[x][32 - y] = original[y][x];
    auto work = Working(original);
    RotateQuarter(work, 2);
    EXPECT_EQ(RowsOf(work.image()), turned);
    RotateQuarter(work, 1);
    EXPECT_EQ(RowsOf(work.image()), original);
}

TEST(Geometry, DoublingBeyondTheLimitIsRefusedAndChangesNothing) {
    // A side of 2^20 pixels is the largest allowed; doubling it is refused.
    auto work = Working({{A}});
    work.image().resize(1 << 20, 1);
    work.image().at(5, 0) = B;
    EXPECT_THROW(MakeSymmetric(work, 2), platform::TessellaError);
    EXPECT_THROW(DoubleTile(work, 1), platform::TessellaError);
    EXPECT_EQ(work.width(), 1 << 20);
    EXPECT_EQ(work.image().at(5, 0), B);
}

}  // namespace
}  // namespace tessella::editor
