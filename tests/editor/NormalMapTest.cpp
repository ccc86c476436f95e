// Normal maps on tiny pictures worked by hand (heights g / 255 for greys, slopes Sobel / 8), and
// the properties every map must keep: wrap-around, the DirectX green, unit normals.

#include <gtest/gtest.h>

#include <cmath>

#include "editor/NormalMap.h"
#include "editor/Seamless.h"
#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;

Rows Map(const Rows& rows, double strength = 2, bool directX = false) {
    const pixels::WorkingPicture work = Working(rows);
    pixels::PixelGrid out;
    MakeNormalMap(work.image(), out, {strength, directX});
    return RowsOf(out);
}

// Stored as Bgr: blue is the normal's z.
Bgr Normal(uint8_t red, uint8_t green, uint8_t blue) {
    return Bgr{blue, green, red};
}
const Bgr kFlat = Normal(128, 128, 255);

// Greys 0, 51, ... 204 along x: a rise of 0.2 a pixel, and at x = 0 the wrapped neighbours
// give (0.2 - 0.8) x 4 / 8 = -0.3.
Rows RampX() {
    Rows rows(3, std::vector<Bgr>(5));
    for (auto& row : rows)
        for (int x = 0; x < 5; ++x) row[x] = Grey(static_cast<uint8_t>(51 * x));
    return rows;
}

Rows Transposed(const Rows& rows) {
    Rows out(rows[0].size(), std::vector<Bgr>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[0].size(); ++x) out[x][y] = rows[y][x];
    return out;
}

// n = (-S dh/dx, S dh/dy down the rows, 1) / length; stored 127.5 (n + 1) rounded.
// S 2, slope 0.2: (-0.4, 0, 1) / 1.0770 = (-0.3714, 0, 0.9285): 80.15 -> 80, 245.88 -> 246.
// S 2, slope -0.3: (0.6, 0, 1) / 1.1662 = (0.5145, 0, 0.8575): 193.10 -> 193, 236.83 -> 237.
// S 20, slope 0.2: (-4, 0, 1) / 4.1231: 3.81 -> 4, 158.42 -> 158.
// S 0.1, slope 0.2: (-0.02, 0, 1): 124.95 -> 125, 254.97 -> 255.
TEST(NormalMap, RampsLeanAwayFromTheRiseInBothConventions) {
    const struct {
        double strength;
        int x;
        uint8_t away, towards, blue;  // 127.5 (1 -+ |nx|) rounded, and the z
    } rows[] = {
        {2, 2, 80, 175, 246}, {2, 1, 80, 175, 246},    {2, 0, 193, 62, 237},
        {20, 3, 4, 251, 158}, {0.1, 2, 125, 130, 255},
    };
    const Rows rampX = RampX(), rampY = Transposed(RampX());
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << "S " << r.strength << " at " << r.x);
        // Rising to the right: red below 128 whatever the convention.
        for (const bool directX : {false, true})
            EXPECT_EQ(Map(rampX, r.strength, directX)[1][r.x], Normal(r.away, 128, r.blue));
        // Rising down the rows: it leans up the picture, where OpenGL's green points.
        EXPECT_EQ(Map(rampY, r.strength)[r.x][1], Normal(128, r.towards, r.blue));
        EXPECT_EQ(Map(rampY, r.strength, true)[r.x][1], Normal(128, r.away, r.blue));
    }
}

// Black beside one pure channel of 255: slope weight / 2 at x = 0, so S 2 gives nx = -weight.
// Red: (-0.2126, 0, 1) / 1.0224: 100.99 -> 101, 252.21 -> 252. Green: -0.7152 / 1.2295:
// 53.33 -> 53, 231.21 -> 231. Blue: -0.0722 / 1.0026: 118.32 -> 118, 254.67 -> 255.
TEST(NormalMap, HeightWeighsTheChannelsByRec709) {
    const struct {
        Bgr colour;
        Bgr expected;
    } rows[] = {
        {Bgr{0, 0, 255}, Normal(101, 128, 252)},
        {Bgr{0, 255, 0}, Normal(53, 128, 231)},
        {Bgr{255, 0, 0}, Normal(118, 128, 255)},
    };
    for (const auto& r : rows) EXPECT_EQ(Map({{Grey(0), r.colour, Grey(0)}})[0][0], r.expected);
}

// One white pixel at (0, 0) on black, 4 x 4, S 2: its eight neighbours (some across the wrap)
// lean away from it. Beside it the slope is 2 / 8: (+-0.5, 0, 1) / 1.1180 stores 185 or 70,
// and z 242. On a diagonal both slopes are 1 / 8: (+-0.25, +-0.25, 1) / 1.0607 stores 158 or
// 97, and z 248. Columns and rows 2 see no white in their 3 x 3 and stay flat.
TEST(NormalMap, AFourByFourBumpWorkedByHand) {
    Rows bump = Flat(4, 4, Grey(0));
    bump[0][0] = Grey(255);
    Rows expected = Flat(4, 4, kFlat);
    expected[0][1] = Normal(185, 128, 242);  // right of it
    expected[0][3] = Normal(70, 128, 242);   // left, across the wrap
    expected[1][0] = Normal(128, 70, 242);   // below: leans down the picture
    expected[3][0] = Normal(128, 185, 242);  // above, across the wrap
    expected[1][1] = Normal(158, 97, 248);
    expected[1][3] = Normal(97, 97, 248);
    expected[3][1] = Normal(158, 158, 248);
    expected[3][3] = Normal(97, 158, 248);
    EXPECT_EQ(Map(bump), expected);
    EXPECT_EQ(Map(Flat(1, 1, Grey(7))), Flat(1, 1, kFlat));  // its own neighbour all round
}

// DirectX only turns the normal's y round: red and blue stay, green mirrors about 127.5, and a
// level pixel's 127.5 rounds up to 128 in both. Each stored channel is within half a step
// (1 / 255) of the exact unit normal.
TEST(NormalMap, DirectXInvertsTheGreenOfUnitNormals) {
    const auto decoded = [](uint8_t v) { return v / 127.5 - 1; };
    for (const double strength : {0.1, 2.0, 20.0}) {
        const Rows noisy = Noisy(37, 29, 5);
        const Rows opengl = Map(noisy, strength), directX = Map(noisy, strength, true);
        for (size_t y = 0; y < noisy.size(); ++y)
            for (size_t x = 0; x < noisy[0].size(); ++x) {
                const Bgr a = opengl[y][x], b = directX[y][x];
                ASSERT_EQ(a.r, b.r);
                ASSERT_EQ(a.b, b.b);
                ASSERT_TRUE(a.g + b.g == 255 || (a.g == 128 && b.g == 128))
                    << int(a.g) << " " << int(b.g) << " at " << x << ", " << y;
                const double nx = decoded(a.r), ny = decoded(a.g), nz = decoded(a.b);
                ASSERT_NEAR(std::sqrt(nx * nx + ny * ny + nz * nz), 1.0, std::sqrt(3.0) / 255);
                ASSERT_GT(nz, 0);
            }
    }
}

// The map of an element moved with wrap-around is its map moved the same way: the edges see
// the same neighbours as the inside. The big picture is cut into bands on threads.
TEST(NormalMap, WrapsAtThePicturesOwnEdges) {
    const struct {
        int w, h;
        long long dx, dy;
    } rows[] = {{7, 5, 1, 0}, {7, 5, 0, -1}, {7, 5, 3, 2},
                {2, 1, 1, 0}, {1, 3, 0, 1},  {1200, 1800, 5, 901}};
    for (const auto& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.w << " x " << r.h);
        pixels::WorkingPicture moved = Working(Noisy(r.w, r.h, 3));
        pixels::WorkingPicture mapped;
        MakeNormalMap(moved.image(), mapped.image(), {});
        OffsetWrap(moved, r.dx, r.dy);
        OffsetWrap(mapped, r.dx, r.dy);
        pixels::PixelGrid out;
        MakeNormalMap(moved.image(), out, {});
        EXPECT_TRUE(out.samePicture(mapped.image()));
        // In place, the same map.
        MakeNormalMap(moved.image(), moved.image(), {});
        EXPECT_TRUE(moved.image().samePicture(out));
    }
}

}  // namespace
}  // namespace tessella::editor
