// RGB correction, contrast and emboss on small pictures worked out by hand.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <vector>

#include "pixels/ColourOperations.h"
#include "platform/Error.h"

namespace tessella::pixels {
namespace {

using Rows = std::vector<std::vector<Bgr>>;
using enum EmbossMode;
using enum RgbDirection;

PixelGrid Picture(const Rows& rows) {
    PixelGrid image(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.at(x, y) = rows[y][x];
    return image;
}

PixelGrid Flat(int w, int h, Bgr pixel) {
    return Picture(Rows(h, std::vector<Bgr>(w, pixel)));
}

Rows RowsOf(const PixelGrid& image) {
    Rows rows(image.height(), std::vector<Bgr>(image.width()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) rows[y][x] = image.at(x, y);
    return rows;
}

Bgr Grey(uint8_t v) {
    return {v, v, v};
}

TEST(RgbCorrectionTest, UniformScalesClampsAndRoundsToEven) {
    PixelGrid image = Picture({{{9, 7, 200}, {9, 33, 101}, {9, 35, 100}, {9, 0, 0}}});
    RgbCorrection(image, image, 4, 1, 150, 50, 0, Uniform);
    // Red x 1.5: 300 clamps to 255, 151.5 rounds to 152; green x 0.5: 16.5 -> 16, 17.5 -> 18;
    // blue x 0 blanks the channel.
    EXPECT_EQ(RowsOf(image), (Rows{{{0, 4, 255}, {0, 16, 152}, {0, 18, 150}, {0, 0, 0}}}));
}

// Red 200 % (+0.25 a step) and blue 0 % (-0.25 a step), the increment divided by the width 4
// whatever the direction, the first pixel walked taking one step; past 0 and 255, clamped.
TEST(RgbCorrectionTest, ProgressiveWalks) {
    const struct {
        RgbDirection direction;
        int across, down;  // steps from one column, from one row to the next
        int w, h;
        uint8_t grey;
        std::vector<int> red, blue;  // by step
    } cases[] = {
        // clang-format off
        {LeftToRight, 1, 0, 4, 3, 100, {125, 150, 175, 200}, {75, 50, 25, 0}},
        {TopDown, 0, 1, 4, 8, 80, {100, 120, 140, 160, 180, 200, 220, 240},
         {60, 40, 20, 0, 0, 0, 0, 0}},
        {FromTopLeft, 1, 1, 4, 3, 60, {75, 90, 105, 120, 135, 150}, {45, 30, 15, 0, 0, 0}},
        // clang-format on
    };
    for (const auto& c : cases) {
        PixelGrid image = Flat(c.w, c.h, Grey(c.grey));
        RgbCorrection(image, image, c.w, c.h, 200, 100, 0, c.direction);
        for (int y = 0; y < c.h; ++y)
            for (int x = 0; x < c.w; ++x) {
                const int step = c.across * x + c.down * y;
                EXPECT_EQ(image.at(x, y),
                          (Bgr{uint8_t(c.blue[step]), c.grey, uint8_t(c.red[step])}))
                    << "picture of " << int{c.grey} << ", at " << x << "," << y;
            }
    }
}

TEST(ContrastTest, MovesChannelsFromTheReference) {
    const struct {
        double amount;
        int reference;
        std::vector<std::pair<int, int>> bytes;  // in, out
    } cases[] = {
        // 255 + 128 x 100 / 255 clamps; 200 + 73 x 100 / 255 = 228.6; 100 - 10.59 = 89.4.
        {100, 127, {{255, 255}, {0, 0}, {127, 127}, {200, 229}, {128, 128}, {100, 89}}},
        // Drawn toward 127: 255 - 100.39.
        {-200, 127, {{255, 155}}},
        // Amount 127.5: d is exactly half the distance, ties go to even.
        {127.5, 127, {{128, 128}, {130, 132}, {126, 126}, {124, 122}}},
        // A huge amount saturates instead of overflowing.
        {1e12, 127, {{0, 0}, {126, 0}, {127, 127}, {128, 255}}},
    };
    for (const auto& c : cases) {
        Rows row(1);
        for (auto [in, out] : c.bytes) row[0].push_back({static_cast<uint8_t>(in), 0, 255});
        PixelGrid image = Picture(row);
        Contrast(image, image, image.width(), 1, c.reference, c.amount);
        for (size_t i = 0; i < c.bytes.size(); ++i)
            EXPECT_EQ(image.at(static_cast<int>(i), 0).b, c.bytes[i].second)
                << "amount " << c.amount << ", byte " << c.bytes[i].first;
    }
}

EmbossSettings Settings(int threshold, EmbossMode mode, std::optional<uint32_t> colour = {},
                        int saturation = 255, bool textured = false) {
    EmbossSettings s;
    s.threshold = threshold;
    s.mode = mode;
    s.saturation = saturation;
    s.textured = textured;
    if (colour) s.colour = platform::ColourValue(*colour);
    return s;
}

TEST(EmbossTest, PicturesWorkedByHand) {
    const Bgr red{0, 0, 255}, other{30, 20, 10}, g0 = Grey(0), g100 = Grey(100), g255 = Grey(255);
    QImage texture(2, 2, QImage::Format_RGB32);
    texture.fill(Qt::black);
    texture.setPixelColor(0, 0, QColor(255, 0, 0));
    texture.setPixelColor(1, 0, QColor(10, 20, 30));
    texture.setPixelColor(0, 1, QColor(100, 100, 100));
    // Flat 2 x 2: the top row computed from the pixel over the same pixel, the bottom one kept.
    auto flat = [](Bgr pixel) { return Rows(2, std::vector<Bgr>(2, pixel)); };
    auto computed = [](Bgr top, Bgr pixel) { return Rows{{top, top}, {pixel, pixel}}; };
    const struct {
        const char* name;
        Rows before;
        EmbossSettings settings;
        QImage texture;
        Rows after;
    } cases[] = {
        // clang-format off
        // (100 + 155) >> 1.
        {"plain", flat(g100), Settings(255, Plain), {}, computed(Grey(127), g100)},
        // Per channel: (10 + (10 ^ 200)) >> 1 = (10 + 194) >> 1 = 102, and so on.
        {"threshold 200", flat({10, 0, 255}), Settings(200, Plain), {}, computed({102, 100, 155}, {10, 0, 255})},
        // Red background: hue 240 (third component), value 255; grey 127 gives value 128.
        // Saturation 127: p = t = 128 - 16256 / 255 = 65.
        {"red, saturation 127", flat(g100), Settings(255, Plain, 0x0000FFu, 127), {}, computed({65, 65, 128}, g100)},
        // Settings beyond a byte are limited to 255 instead of wrapping the results.
        {"saturation 400", flat(g100), Settings(255, Plain, 0x0000FFu, 400), {}, computed({0, 0, 128}, g100)},
        // Each column P over Q, threshold 255, e = (P + 255 - Q) >> 1. e = 75: 142.5 -> 142,
        // out 226; e = 95: 180.5 -> 180, out 150; e = 0: out 510 -> 255; e = 135: 256.5 ->
        // 255 at most, out 0.
        {"strong inverted rounds half to even",
         {{g100, g100, g0, Grey(135)}, {Grey(205), Grey(165), g255, Grey(120)}},
         Settings(255, StrongInverted), {},
         {{Grey(226), Grey(150), g255, g0}, {Grey(205), Grey(165), g255, Grey(120)}}},
        // Grey 127 relief lies between 125 and 130: each pixel becomes the texture pixel, tiled,
        // whatever the mode and colour.
        {"texture tiled", Rows(3, std::vector<Bgr>(3, g100)),
         Settings(255, StrongInverted, 0x0000FFu, 255, true), texture,
         {{red, other, red}, {g100, g0, g100}, {g100, g100, g100}}},
        {"empty texture counts as white", flat(g100), Settings(255, Plain, {}, 255, true), QImage(),
         computed(g255, g100)},
        {"one row is unchanged", {{Grey(3), Grey(200)}}, Settings(255, StrongInverted, 0x0000FFu),
         {}, {{Grey(3), Grey(200)}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        PixelGrid image = Picture(c.before);
        Emboss(image, image, image.width(), image.height(), c.settings, c.texture);
        EXPECT_EQ(RowsOf(image), c.after) << c.name;
    }
}

TEST(ColourOperationsTest, TouchesOnlyThePictureAndRefusesOneLargerThanTheArray) {
    // A 4 x 3 picture inside 6 x 5 arrays, as in the colour window's previews.
    const PixelGrid source = Flat(6, 5, {10, 20, 30});
    PixelGrid destination = Flat(6, 5, Grey(9));
    Emboss(source, destination, 4, 3, Settings(255, Plain));
    RgbCorrection(source, destination, 4, 3, 0, 0, 0, FromBottomRight);
    Contrast(source, destination, 4, 3, 127, 50);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            if (x >= 4 || y >= 3) {
                EXPECT_EQ(destination.at(x, y), Grey(9)) << x << "," << y;
            }
    PixelGrid small = Flat(2, 2, Grey(1));
    EXPECT_THROW(Contrast(small, small, 3, 2, 127, 10), platform::TessellaError);
    EXPECT_THROW(RgbCorrection(small, small, 2, 3, 100, 100, 100, Uniform),
                 platform::TessellaError);
    EXPECT_THROW(Emboss(small, small, 3, 3, Settings(255, Plain)), platform::TessellaError);
    // Empty pictures are left alone.
    EXPECT_NO_THROW(RgbCorrection(small, small, 0, 2, 200, 100, 100, LeftToRight));
    EXPECT_EQ(small.at(0, 0), Grey(1));
    EXPECT_THROW(RgbDirectionFromIndex(9), platform::TessellaError);
    EXPECT_THROW(RgbDirectionFromIndex(-1), platform::TessellaError);
}

}  // namespace
}  // namespace tessella::pixels
