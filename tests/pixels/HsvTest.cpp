// HSV: the program's quirks (zero components as 1, +1 in each hue bracket, integer sectors).

#include <gtest/gtest.h>

#include "pixels/Hsv.h"

namespace tessella::pixels {
namespace {

TEST(RgbToHsvTest, GivesTheQuirkyHue) {
    const struct {
        uint8_t c1, c2, c3;
        double h, s, v;
    } cases[] = {
        // Black: every component counts as 1, delta as 1.
        {0, 0, 0, 60, 1, 1},
        // Third line: (1 - 1 + 1) * 60 / 254 + 240.
        {0, 0, 255, 240 + 60.0 / 254, 254.0 / 255, 255},
        // Negative first-line hue wrapped once: (1 - 100 + 1) * 60 / 199 + 360.
        {200, 0, 100, 360 - 98 * 60.0 / 199, 199.0 / 200, 200},
        // c1 and c2 tie for the largest: the first line wins, (200 - 50 + 1) * 60 / 150.
        {200, 200, 50, 151 * 60.0 / 150, 0.75, 200},
        // c2 and c3 tie: the second line wins, (200 - 50 + 1) * 60 / 150 + 120.
        {50, 200, 200, 151 * 60.0 / 150 + 120, 0.75, 200},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.c1) << " " << int(c.c2) << " " << int(c.c3));
        const Hsv hsv = RgbToHsv(c.c1, c.c2, c.c3);
        EXPECT_DOUBLE_EQ(hsv.h, c.h);
        EXPECT_DOUBLE_EQ(hsv.s, c.s);
        EXPECT_DOUBLE_EQ(hsv.v, c.v);
    }
}

TEST(HsvToRgbTest, UsesIntegerSectors) {
    const struct {
        int h, s, v;
        Bgr expected;  // c1, c2, c3
    } cases[] = {
        // t uses 60 - f = 30: 200 - 51000 * 30 / 15300 = 100.
        {30, 255, 200, {200, 100, 0}},
        // One case per remaining sector, the truncating divisions worked out.
        {250, 255, 255, {43, 0, 255}},  // t = 255 - 3251250 / 15300 = 43
        // 360 counts as 0; p = t = 200 - 78 = 122.
        {360, 100, 200, {200, 122, 122}},
        // No saturation: grey whatever the hue.
        {77, 0, 90, {90, 90, 90}},
        // Outside the sectors: black.
        {400, 255, 255, {0, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HsvToRgb(c.h, c.s, c.v), c.expected) << c.h << " " << c.s << " " << c.v;
}

}  // namespace
}  // namespace tessella::pixels
