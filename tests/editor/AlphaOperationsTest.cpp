// The editor's operations on pictures with an alpha plane: geometry moves the plane with the
// colours, per-pixel colour operations leave it alone, the mixing filters weigh colours by
// alpha, and the two transparency operations, worked by hand.

#include <gtest/gtest.h>

#include <QImage>
#include <functional>
#include <map>
#include <random>

#include "editor/ElementPictures.h"
#include "editor/Filters.h"
#include "editor/NormalMap.h"
#include "editor/Resize.h"
#include "editor/Seamless.h"
#include "editor/Transparency.h"
#include "editor/ZoneGeometry.h"
#include "platform/ColourValue.h"
#include "tests/editor/PictureRows.h"

namespace tessella::editor {
namespace {

using namespace test;
using pixels::WorkingPicture;
using AlphaRows = std::vector<std::vector<uint8_t>>;

// rows with the plane alpha.
WorkingPicture WithAlpha(const Rows& rows, const AlphaRows& alpha) {
    WorkingPicture work = Working(rows);
    work.image().addAlpha();
    for (size_t y = 0; y < alpha.size(); ++y)
        for (size_t x = 0; x < alpha[y].size(); ++x)
            work.image().alphaRow(static_cast<int>(y))[x] = alpha[y][x];
    return work;
}

AlphaRows AlphaOf(const pixels::PixelGrid& image) {
    AlphaRows rows(image.height(), std::vector<uint8_t>(image.width()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) rows[y][x] = image.alphaAt(x, y);
    return rows;
}

// A sprite whose every texel has its own colour and an alpha tied to that colour: hard edges
// (0 and 255) and soft ones. Moving texels keeps the tie; breaking it shows a plane left
// behind, turned the other way or mixed up.
const Rows kSprite{{A, B, C}, {D, E, F}};
const std::map<uint8_t, uint8_t> kAlphaOfBlue{{A.b, 0},   {B.b, 255}, {C.b, 100},
                                              {D.b, 255}, {E.b, 0},   {F.b, 37}};
const AlphaRows kSpriteAlpha{{0, 255, 100}, {255, 0, 37}};

// (The turns, mirror and flip: MovedRows in GeometryTest; the other moves by small amounts,
// worked by hand: OpCommandTest.)
TEST(AlphaOperations, GeometryMovesThePlaneWithTheColours) {
    const struct {
        const char* what;
        std::function<void(WorkingPicture&)> op;
    } cases[] = {
        {"offset far", [](WorkingPicture& w) { OffsetWrap(w, -7, 5); }},
        {"resize up", [](WorkingPicture& w) { ResizeNearest(w, 7, 5); }},
        {"resize down", [](WorkingPicture& w) { ResizeNearest(w, 2, 1); }},
    };
    for (const auto& c : cases) {
        WorkingPicture opaque = Working(kSprite);
        c.op(opaque);
        WorkingPicture work = WithAlpha(kSprite, kSpriteAlpha);
        c.op(work);
        const pixels::PixelGrid& image = work.image();
        // The colours go where they go without a plane (each move is tested by hand there).
        EXPECT_EQ(RowsOf(image), RowsOf(opaque.image())) << c.what;
        ASSERT_TRUE(image.hasAlpha()) << c.what;
        ASSERT_EQ(image.alphaBytes(), size_t(image.width()) * size_t(image.height())) << c.what;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                EXPECT_EQ(image.alphaAt(x, y), kAlphaOfBlue.at(image.at(x, y).b))
                    << c.what << " at " << x << ", " << y;
        EXPECT_FALSE(opaque.image().hasAlpha()) << c.what;
    }
}

// Colour operations leave the plane alone; with every texel opaque the weighted mixes are the
// opaque ones, to the byte.
TEST(AlphaOperations, ColourOperationsLeaveThePlaneAloneAndOpaqueMixesAsWithoutOne) {
    const struct {
        const char* what;
        std::function<void(WorkingPicture&)> op;
        bool mixes;
    } cases[] = {
        {"negative", With<ApplyChannelOperation, ChannelOperation::Negative>, false},
        {"grey", With<ApplyChannelOperation, ChannelOperation::Grey>, false},
        {"swap red blue", With<ApplyChannelOperation, ChannelOperation::SwapRedBlue>, false},
        {"swap green blue", With<ApplyChannelOperation, ChannelOperation::SwapGreenBlue>, false},
        {"fuse red green", With<FuseChannels, ChannelPair::RedGreen>, false},
        {"veil", [](WorkingPicture& w) { AddVeil(w, platform::ColourValue(0x102030)); }, false},
        {"make tileable", [](WorkingPicture& w) { MakeTileable(w, 3); }, true},
        {"sharpen", With<SharpenSoften, Sharpness::Sharpen>, true},
        {"soften", With<SharpenSoften, Sharpness::Soften>, true},
    };
    const Rows colours = Noisy(10, 9, 3);
    AlphaRows alpha(9, std::vector<uint8_t>(10));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 10; ++x) alpha[y][x] = uint8_t((x * 31 + y * 70) % 256);
    const AlphaRows opaqueAlpha(9, std::vector<uint8_t>(10, 255));
    for (const auto& c : cases) {
        WorkingPicture opaque = Working(colours);
        c.op(opaque);
        WorkingPicture work = WithAlpha(colours, c.mixes ? opaqueAlpha : alpha);
        c.op(work);
        EXPECT_EQ(RowsOf(work.image()), RowsOf(opaque.image())) << c.what;
        EXPECT_EQ(AlphaOf(work.image()), c.mixes ? opaqueAlpha : alpha) << c.what;
    }
}

// A green texel amid transparent black, worked by hand. Its brightness is (0 + 200 + 0 + 3) / 3
// and its neighbourhood's, weighted by alpha, is its own plus one: (200 + 6) / 3. Soften scales
// by 206 / 203 (200 -> 202.96 -> 203), sharpen by 203 / 206 (197.09 -> 197). Unweighted,
// soften would have scaled by (200 + 54) / (9 x 203): 28, nearly black. The alpha stays.
TEST(AlphaOperations, SharpenAndSoftenWorkedByHand) {
    const Bgr green{0, 200, 0};
    Rows rows = Flat(3, 3, Bgr{0, 0, 0});
    rows[1][1] = green;
    AlphaRows alpha(3, std::vector<uint8_t>(3, 0));
    alpha[1][1] = 200;
    const struct {
        Sharpness sharpness;
        Bgr expected;
    } cases[] = {{Sharpness::Soften, Bgr{0, 203, 0}}, {Sharpness::Sharpen, Bgr{0, 197, 0}}};
    for (const auto& c : cases) {
        WorkingPicture work = WithAlpha(rows, alpha);
        SharpenSoften(work, c.sharpness);
        EXPECT_EQ(work.image().at(1, 1), c.expected);
        EXPECT_EQ(AlphaOf(work.image()), alpha);
    }
}

// Cross-fade worked by hand on a 6 x 6 picture with band 2: columns 1 and 4 take the copy moved
// by half at weight 128 / 256 (256 x 1 / 2 rounded), and rows 2 and 3 are left by the row pass
// (weight 0). Column 1 holds red at alpha 50, column 4 blue at alpha 0: each mixes with the
// other. Weighted by alpha the blue lends nothing: both become red, at alpha (50 x 128 + 128)
// / 256 = 25. Unweighted they would be purple.
TEST(AlphaOperations, MakeTileableWeighsByAlpha) {
    const Bgr red{0, 0, 200}, blue{200, 0, 0};
    Rows rows = Flat(6, 6, Grey(9));
    AlphaRows alpha(6, std::vector<uint8_t>(6, 255));
    for (int y = 0; y < 6; ++y) {
        rows[y][1] = red;
        alpha[y][1] = 50;
        rows[y][4] = blue;
        alpha[y][4] = 0;
    }
    WorkingPicture work = WithAlpha(rows, alpha);
    MakeTileable(work, 2);
    for (int x : {1, 4}) {
        EXPECT_EQ(work.image().at(x, 2), red) << x;
        EXPECT_EQ(work.image().alphaAt(x, 2), 25) << x;
    }
}

// The mixing operations' fast paths (rows on vectors, shortcuts where both alphas are equal or
// the cross-fade weight is 0 or 256) against their rules written out texel by texel, on noisy
// colours under alphas that come in runs (to take the shortcuts) and alone (to miss them).
AlphaRows NoisyAlpha(int w, int h, unsigned seed) {
    std::mt19937 random(seed);
    static constexpr uint8_t kValues[] = {0, 1, 37, 128, 254, 255};
    AlphaRows alpha(h, std::vector<uint8_t>(w));
    for (int y = 0; y < h; ++y) {
        uint8_t run = 255;
        for (int x = 0; x < w; ++x) {
            if (random() % 9 == 0) run = kValues[random() % 6];
            alpha[y][x] = random() % 4 == 0 ? kValues[random() % 6] : run;
        }
    }
    // A transparent patch, whose middle texels see no alpha at all, and a faint texel in it.
    for (int y = 1; y < 6; ++y)
        for (int x = 2; x < 8; ++x) alpha[y][x] = 0;
    alpha[4][6] = 1;
    return alpha;
}

// (c x num / den) rounded to nearest, exact ties to even, at most 255.
uint8_t ScaledByRule(int64_t c, int64_t num, int64_t den) {
    const int64_t twice = 2 * c * num;
    int64_t q = (twice + den) / (2 * den);
    if ((twice + den) % (2 * den) == 0 && q % 2 == 1) --q;
    return uint8_t(std::min<int64_t>(q, 255));
}

void SharpenByRule(Rows& rows, const AlphaRows& alpha, bool sharpen) {
    const Rows before = rows;
    const int h = int(rows.size()), w = int(rows[0].size());
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x) {
            int64_t alphaSum = 0, weighted = 0;
            for (int ny = y - 1; ny <= y + 1; ++ny)
                for (int nx = x - 1; nx <= x + 1; ++nx) {
                    const Bgr p = before[ny][nx];
                    alphaSum += alpha[ny][nx];
                    weighted += alpha[ny][nx] * (p.b + p.g + p.r + 6);
                }
            if (alphaSum == 0) continue;
            const Bgr c = before[y][x];
            const int64_t own = (c.b + c.g + c.r + 3) * alphaSum;
            const int64_t num = sharpen ? own : weighted, den = sharpen ? weighted : own;
            rows[y][x] = Bgr{ScaledByRule(c.b, num, den), ScaledByRule(c.g, num, den),
                             ScaledByRule(c.r, num, den)};
        }
}

// The copy's weight along an axis of n for a band, as MakeTileable's header states it.
std::vector<int> CopyWeightsByRule(int n, int band) {
    std::vector<int> weights(n, 0);
    band = std::min(band, n / 2 - 1);
    if (band < 1) return weights;
    for (int i = 0; i < n; ++i) {
        const int d = std::min(i, n - 1 - i);
        if (d < band) weights[i] = (256 * (band - d) + band / 2) / band;
    }
    return weights;
}

void MixByRule(Bgr& c, uint8_t& a, Bgr other, uint8_t otherAlpha, int weight) {
    const int wa = a * (256 - weight), wb = otherAlpha * weight, total = wa + wb;
    const auto mix = [&](int ca, int cb) {
        return uint8_t(total == 0 ? (ca * (256 - weight) + cb * weight + 128) >> 8
                                  : (ca * wa + cb * wb + total / 2) / total);
    };
    c = Bgr{mix(c.b, other.b), mix(c.g, other.g), mix(c.r, other.r)};
    a = uint8_t((a * (256 - weight) + otherAlpha * weight + 128) >> 8);
}

void MakeTileableByRule(Rows& rows, AlphaRows& alpha, int band) {
    const int h = int(rows.size()), w = int(rows[0].size());
    const std::vector<int> columns = CopyWeightsByRule(w, band), lines = CopyWeightsByRule(h, band);
    const Rows source = rows;
    const AlphaRows sourceAlpha = alpha;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            MixByRule(rows[y][x], alpha[y][x], source[y][(x + w / 2) % w],
                      sourceAlpha[y][(x + w / 2) % w], columns[x]);
    const Rows blended = rows;
    const AlphaRows blendedAlpha = alpha;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            MixByRule(rows[y][x], alpha[y][x], blended[(y + h / 2) % h][x],
                      blendedAlpha[(y + h / 2) % h][x], lines[y]);
}

TEST(AlphaOperations, FastPathsFollowTheRulesOnNoisyPictures) {
    for (const auto& [w, h] : {std::pair{67, 35}, std::pair{130, 9}}) {
        SCOPED_TRACE(testing::Message() << w << " x " << h);
        const Rows colours = Noisy(w, h, 5);
        const AlphaRows alpha = NoisyAlpha(w, h, 8);
        for (const bool sharpen : {true, false}) {
            WorkingPicture work = WithAlpha(colours, alpha);
            SharpenSoften(work, sharpen ? Sharpness::Sharpen : Sharpness::Soften);
            Rows expected = colours;
            SharpenByRule(expected, alpha, sharpen);
            EXPECT_EQ(RowsOf(work.image()), expected) << "sharpen " << sharpen;
            EXPECT_EQ(AlphaOf(work.image()), alpha);
        }
        for (const int band : {1, 5, 40}) {
            WorkingPicture work = WithAlpha(colours, alpha);
            MakeTileable(work, band);
            Rows expected = colours;
            AlphaRows expectedAlpha = alpha;
            MakeTileableByRule(expected, expectedAlpha, band);
            EXPECT_EQ(RowsOf(work.image()), expected) << "band " << band;
            EXPECT_EQ(AlphaOf(work.image()), expectedAlpha) << "band " << band;
        }
    }
}

TEST(AlphaOperations, ColourKeyWorkedByHand) {
    const Bgr magenta{255, 0, 255};
    const Bgr nearOne{255, 0, 254};  // red one below
    const Bgr nearTwo{253, 2, 255};  // green two above, blue two below
    const Bgr other{0, 0, 0};
    const struct {
        int tolerance;
        AlphaRows alpha;
    } cases[] = {
        {0, {{0, 255, 255, 255}}},
        {1, {{0, 0, 255, 255}}},
        {2, {{0, 0, 0, 255}}},
        {255, {{0, 0, 0, 0}}},
    };
    for (const auto& c : cases) {
        WorkingPicture work = Working({{magenta, nearOne, nearTwo, other}});
        MakeColourTransparent(work, platform::kMagenta, c.tolerance);
        EXPECT_EQ(AlphaOf(work.image()), c.alpha) << c.tolerance;
        // The colours stay, under the transparent texels too.
        EXPECT_EQ(RowsOf(work.image()), (Rows{{magenta, nearOne, nearTwo, other}}));
    }
    // No texel of the colour: the picture stays opaque, without a plane.
    WorkingPicture opaque = Working({{nearTwo, other}});
    MakeColourTransparent(opaque, platform::kMagenta, 1);
    EXPECT_FALSE(opaque.image().hasAlpha());
    // A texel already half transparent keeps its alpha when it is not of the colour.
    WorkingPicture soft = WithAlpha({{other, magenta}}, {{100, 200}});
    MakeColourTransparent(soft, platform::kMagenta, 0);
    EXPECT_EQ(AlphaOf(soft.image()), (AlphaRows{{100, 0}}));
}

// c a / 255 + B (255 - a) / 255, rounded to nearest.
TEST(AlphaOperations, FlattenWorkedByHand) {
    const struct {
        uint8_t colour, alpha, background, expected;
    } cases[] = {
        {200, 100, 255, 233},  // (20000 + 39525) / 255 = 233.43
        {0, 128, 255, 127},    // 32385 / 255 = 127 exactly
        {1, 128, 0, 1},        // 128 / 255 = 0.502, up
        {1, 127, 0, 0},        // 127 / 255 = 0.498, down
        {255, 1, 0, 1},        // 1
        {77, 255, 0, 77},      // opaque: its own colour
        {77, 0, 30, 30},       // transparent: the background
    };
    for (const auto& c : cases) {
        // Blue takes the case, green and red the background's other channels over black.
        WorkingPicture work = WithAlpha({{Bgr{c.colour, 0, 0}}}, {{c.alpha}});
        FlattenOnto(work, platform::ColourValue::fromRgb(0, 0, c.background));
        EXPECT_EQ(work.image().at(0, 0).b, c.expected)
            << int(c.colour) << " at " << int(c.alpha) << " over " << int(c.background);
        EXPECT_FALSE(work.image().hasAlpha());
    }
    // Each channel over its own background channel: white by default in the editor.
    WorkingPicture work = WithAlpha({{Bgr{10, 20, 30}}}, {{0}});
    FlattenOnto(work, platform::ColourValue::fromRgb(1, 2, 3));
    EXPECT_EQ(work.image().at(0, 0), (Bgr{3, 2, 1}));
}

TEST(AlphaOperations, NormalMapIsFlatUnderTransparentTexels) {
    // A slope everywhere: a ramp along the rows (which wraps round at the edges).
    Rows rows(3, std::vector<Bgr>{Grey(0), Grey(85), Grey(170), Grey(255)});
    WorkingPicture work = WithAlpha(rows, {{0, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 0, 0}});
    MakeNormalMap(work.image(), work.image(), {});
    const Bgr flat{255, 128, 128};  // blue 255, green 128, red 128
    EXPECT_EQ(work.image().at(0, 1), flat);
    EXPECT_EQ(work.image().at(2, 1), flat);
    EXPECT_NE(work.image().at(1, 1), flat);  // the opaque texel keeps its slope
    EXPECT_EQ(work.image().alphaAt(1, 1), 255);
    EXPECT_EQ(work.image().alphaAt(2, 1), 0);
}

// The editor's zones and pastes travel as pictures: a picture with alpha keeps it.
TEST(AlphaOperations, PastesBringTheirAlpha) {
    QImage element(3, 1, QImage::Format_BGR888);
    element.fill(QColor(10, 20, 30));
    QImage pasted(1, 1, QImage::Format_ARGB32);
    pasted.setPixel(0, 0, qRgba(200, 30, 30, 100));
    const QImage merged = PasteInto(element, pasted, QPoint(1, 0));
    EXPECT_EQ(merged.pixel(1, 0), qRgba(200, 30, 30, 100));  // not laid over the element
    EXPECT_EQ(merged.pixel(0, 0), qRgba(10, 20, 30, 255));
    // A hidden colour survives the clipboard's conversion and the crop.
    QImage hidden(2, 1, QImage::Format_ARGB32);
    hidden.setPixel(0, 0, qRgba(1, 2, 3, 0));
    hidden.setPixel(1, 0, qRgba(4, 5, 6, 255));
    const QImage fromClipboard = PastedPicture(hidden);
    EXPECT_EQ(fromClipboard.pixel(0, 0), qRgba(1, 2, 3, 0));
    const QImage cropped = CropOrExtend(hidden, QSize(3, 1), QStringLiteral("Test"));
    EXPECT_EQ(cropped.pixel(0, 0), qRgba(1, 2, 3, 0));
    EXPECT_EQ(cropped.pixel(2, 0), qRgba(255, 255, 255, 255));  // what is added: white
    // An opaque clipboard picture stays 24 bits.
    EXPECT_EQ(PastedPicture(element.convertToFormat(QImage::Format_RGB32)).format(),
              QImage::Format_BGR888);
}

}  // namespace
}  // namespace tessella::editor
