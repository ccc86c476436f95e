#include "editor/Geometry.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;

TEST(Geometry, QuarterTurnsOfTwoPixels) {
    auto cw = Working({{A, B}});
    RotateQuarter(cw, 2);
    EXPECT_EQ(RowsOf(cw.image()), (Rows{{A}, {B}}));
    auto ccw = Working({{A, B}});
    RotateQuarter(ccw, 1);
    EXPECT_EQ(RowsOf(ccw.image()), (Rows{{B}, {A}}));
}

TEST(Geometry, QuarterTurnsOfThreeByTwo) {
    // Clockwise: the top-left pixel goes to the top-right corner; counter-clockwise to the
    // bottom-left corner.
    auto cw = Working({{A, B, C}, {D, E, F}});
    RotateQuarter(cw, 2);
    EXPECT_EQ(RowsOf(cw.image()), (Rows{{D, A}, {E, B}, {F, C}}));
    auto ccw = Working({{A, B, C}, {D, E, F}});
    RotateQuarter(ccw, 1);
    EXPECT_EQ(RowsOf(ccw.image()), (Rows{{C, F}, {B, E}, {A, D}}));
}

TEST(Geometry, FourTurnsGiveThePictureBack) {
    // Larger than one rotation tile in both directions.
    const Rows original = Numbered(70, 33);
    for (int direction : {1, 2}) {
        auto work = Working(original);
        RotateQuarter(work, direction);
        EXPECT_EQ(work.width(), 33);
        EXPECT_EQ(work.height(), 70);
        for (int i = 0; i < 3; ++i) RotateQuarter(work, direction);
        EXPECT_EQ(RowsOf(work.image()), original) << direction;
    }
    auto work = Working(original);
    RotateQuarter(work, 2);
    RotateQuarter(work, 1);
    EXPECT_EQ(RowsOf(work.image()), original);
}

TEST(Geometry, QuarterTurnOfSixtyFourByThirtyTwo) {
    auto work = Working(Numbered(64, 32));
    RotateQuarter(work, 2);
    ASSERT_EQ(work.width(), 32);
    ASSERT_EQ(work.height(), 64);
    // Source (x, y) lands at column H-1-y, row x.
    EXPECT_EQ(work.image().at(31 - 5, 40), Numbered(64, 32)[5][40]);
}

TEST(Geometry, MirrorAndFlip) {
    auto mirror = Working({{A, B, C}, {D, E, F}});
    MirrorHorizontal(mirror);
    EXPECT_EQ(RowsOf(mirror.image()), (Rows{{C, B, A}, {F, E, D}}));
    MirrorHorizontal(mirror);
    EXPECT_EQ(RowsOf(mirror.image()), (Rows{{A, B, C}, {D, E, F}}));

    auto flip = Working({{A, B}, {C, D}, {E, F}});
    FlipVertical(flip);
    EXPECT_EQ(RowsOf(flip.image()), (Rows{{E, F}, {C, D}, {A, B}}));
    auto even = Working({{A}, {B}, {C}, {D}});
    FlipVertical(even);
    EXPECT_EQ(RowsOf(even.image()), (Rows{{D}, {C}, {B}, {A}}));
}

TEST(Geometry, MirrorOfWideRows) {
    // Wide enough for the five-pixel steps and a remainder.
    const Rows original = Numbered(23, 3);
    auto work = Working(original);
    MirrorHorizontal(work);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 23; ++x)
            EXPECT_EQ(work.image().at(x, y), original[y][22 - x]) << x << "," << y;
    EXPECT_EQ(work.image().row(0)[23], (Bgr{99, 98, 97}));
}

TEST(Geometry, Symmetries) {
    auto two = Working({{A, B, C}});
    MakeSymmetric(two, 2);
    EXPECT_EQ(RowsOf(two.image()), (Rows{{A, B, C, C, B, A}}));

    auto single = Working({{A}});
    MakeSymmetric(single, 4);
    EXPECT_EQ(RowsOf(single.image()), (Rows{{A, A}, {A, A}}));

    auto four = Working({{A, B}, {C, D}});
    MakeSymmetric(four, 4);
    EXPECT_EQ(RowsOf(four.image()), (Rows{{A, B, B, A}, {C, D, D, C}, {C, D, D, C}, {A, B, B, A}}));
}

TEST(Geometry, SymmetricEdgesMatch) {
    const Rows original = Numbered(7, 5);
    auto work = Working(original);
    MakeSymmetric(work, 4);
    const auto& image = work.image();
    ASSERT_EQ(image.width(), 14);
    ASSERT_EQ(image.height(), 10);
    for (int y = 0; y < 10; ++y) EXPECT_EQ(image.at(0, y), image.at(13, y));
    for (int x = 0; x < 14; ++x) EXPECT_EQ(image.at(x, 0), image.at(x, 9));
    // Each quarter is the original seen in its mirror.
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(image.at(x, y), original[y][x]);
            EXPECT_EQ(image.at(13 - x, y), original[y][x]);
            EXPECT_EQ(image.at(x, 9 - y), original[y][x]);
            EXPECT_EQ(image.at(13 - x, 9 - y), original[y][x]);
        }
}

TEST(Geometry, Doubling) {
    auto wide = Working({{A, B}});
    DoubleTile(wide, 1);
    EXPECT_EQ(RowsOf(wide.image()), (Rows{{A, B, A, B}}));
    auto high = Working({{A, B}, {C, D}});
    DoubleTile(high, 2);
    EXPECT_EQ(RowsOf(high.image()), (Rows{{A, B}, {C, D}, {A, B}, {C, D}}));
}

TEST(Geometry, ArgumentsOutsideTheirValuesChangeNothing) {
    const Rows original{{A, B, C}, {D, E, F}};
    struct Case {
        const char* what;
        void (*run)(pixels::Traite&);
    };
    const Case cases[] = {
        {"rotate 0", [](pixels::Traite& w) { RotateQuarter(w, 0); }},
        {"rotate 3", [](pixels::Traite& w) { RotateQuarter(w, 3); }},
        {"symmetry 1", [](pixels::Traite& w) { MakeSymmetric(w, 1); }},
        {"symmetry 3", [](pixels::Traite& w) { MakeSymmetric(w, 3); }},
        {"double 0", [](pixels::Traite& w) { DoubleTile(w, 0); }},
        {"double 3", [](pixels::Traite& w) { DoubleTile(w, 3); }},
    };
    for (const Case& c : cases) {
        auto work = Working(original);
        c.run(work);
        EXPECT_EQ(RowsOf(work.image()), original) << c.what;
    }
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

TEST(Geometry, UndoRestoresTheSizeAfterARotation) {
    const Rows original = Numbered(64, 32);
    auto work = Working(original);
    work.SaveUndo();
    RotateQuarter(work, 1);
    ASSERT_EQ(work.width(), 32);
    work.RestoreUndo();
    EXPECT_EQ(RowsOf(work.image()), original);
    // The copy stays valid: a second restore after another change gives it again.
    DoubleTile(work, 2);
    work.RestoreUndo();
    EXPECT_EQ(RowsOf(work.image()), original);
}

}  // namespace
}  // namespace tessella::editor
