// Colour conversions: the program's own quirks (zero components as 1, the +1 in each hue
// bracket, integer sectors) worked by hand.

#include <gtest/gtest.h>

#include "pixels/HSVLibrary.h"

namespace tessella::pixels {
namespace {

struct ToHsvCase {
    uint8_t c1, c2, c3;
    double h, s, v;
};

class RgbToHsvTest : public ::testing::TestWithParam<ToHsvCase> {};

TEST_P(RgbToHsvTest, GivesTheQuirkyHue) {
    const ToHsvCase& c = GetParam();
    const Hsv hsv = RgbToHsv(c.c1, c.c2, c.c3);
    EXPECT_DOUBLE_EQ(hsv.h, c.h);
    EXPECT_DOUBLE_EQ(hsv.s, c.s);
    EXPECT_DOUBLE_EQ(hsv.v, c.v);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RgbToHsvTest,
    ::testing::Values(
        // Black: every component counts as 1, delta as 1.
        ToHsvCase{0, 0, 0, 60, 1, 1},
        // Grey: S = 1/g, hue 60 from the +1.
        ToHsvCase{128, 128, 128, 60, 1.0 / 128, 128},
        // Pure first component: zeros become 1, delta 254.
        ToHsvCase{255, 0, 0, 60.0 / 254, 254.0 / 255, 255},
        // Second line.
        ToHsvCase{1, 255, 254, 180, 254.0 / 255, 255},
        // Third line: (1 - 1 + 1) * 60 / 254 + 240.
        ToHsvCase{0, 0, 255, 240 + 60.0 / 254, 254.0 / 255, 255},
        // Negative first-line hue wrapped once: (1 - 100 + 1) * 60 / 199 + 360.
        ToHsvCase{200, 0, 100, 360 - 98 * 60.0 / 199, 199.0 / 200, 200},
        // c1 and c2 tie for the largest: the first line wins, (200 - 50 + 1) * 60 / 150.
        ToHsvCase{200, 200, 50, 151 * 60.0 / 150, 0.75, 200},
        // c2 and c3 tie: the second line wins, (200 - 50 + 1) * 60 / 150 + 120.
        ToHsvCase{50, 200, 200, 151 * 60.0 / 150 + 120, 0.75, 200}));

struct ToRgbCase {
    int h, s, v;
    Bgr expected;  // c1, c2, c3
};

class HsvToRgbTest : public ::testing::TestWithParam<ToRgbCase> {};

TEST_P(HsvToRgbTest, UsesIntegerSectors) {
    const ToRgbCase& c = GetParam();
    EXPECT_EQ(HsvToRgb(c.h, c.s, c.v), c.expected) << c.h << " " << c.s << " " << c.v;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HsvToRgbTest,
    ::testing::Values(
        ToRgbCase{0, 255, 255, {255, 0, 0}}, ToRgbCase{120, 255, 255, {0, 255, 0}},
        // t uses 60 - f = 30: 200 - 51000 * 30 / 15300 = 100.
        ToRgbCase{30, 255, 200, {200, 100, 0}},
        // Partial saturation: p = 200 - 25600 / 255 = 100, t = 200 - 768000 / 15300 = 150.
        ToRgbCase{30, 128, 200, {200, 150, 100}},
        // One case per remaining sector, the truncating divisions worked out.
        ToRgbCase{90, 255, 255, {128, 255, 0}},   // q = 255 - 1950750 / 15300 = 128
        ToRgbCase{150, 255, 255, {0, 255, 128}},  // t = 128
        ToRgbCase{200, 255, 255, {0, 170, 255}},  // q = 255 - 85
        ToRgbCase{250, 255, 255, {43, 0, 255}},   // t = 255 - 3251250 / 15300 = 43
        ToRgbCase{330, 255, 255, {255, 0, 128}},  // q = 128
        // 360 counts as 0; p = t = 200 - 78 = 122.
        ToRgbCase{360, 100, 200, {200, 122, 122}}, ToRgbCase{0, 100, 200, {200, 122, 122}},
        // No saturation: grey whatever the hue.
        ToRgbCase{77, 0, 90, {90, 90, 90}}, ToRgbCase{400, 0, 90, {90, 90, 90}},
        // Outside the sectors: black.
        ToRgbCase{400, 255, 255, {0, 0, 0}}, ToRgbCase{-60, 255, 255, {0, 0, 0}}));

TEST(ClampByteTest, LimitsToAByte) {
    EXPECT_EQ(ClampByte(-5), 0);
    EXPECT_EQ(ClampByte(256), 255);
    EXPECT_EQ(ClampByte(17), 17);
    EXPECT_EQ(ClampByte(0), 0);
    EXPECT_EQ(ClampByte(255), 255);
    EXPECT_EQ(ClampByte(-2147483647 - 1), 0);
}

}  // namespace
}  // namespace tessella::pixels
