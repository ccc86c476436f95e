#include <bit>

#include "ImageSamples.h"
#include "imagefile/EmfRenderer.h"
#include "imagefile/PicDecoder.h"
#include "imagefile/RlaDecoder.h"
#include "platform/ImageLimits.h"

using namespace imagetest;
using tessella::imagefile::RenderEmf;

namespace {

constexpr uint32_t kSetMapMode = 17, kSetWindowExt = 9, kSetViewportExt = 11, kSaveDc = 33,
                   kRestoreDc = 34, kSelectObject = 37, kCreateBrush = 39, kRectangle = 43,
                   kPolygon16 = 86, kStretchDiBits = 81, kSetPixelV = 15, kNullPen = 0x80000008,
                   kBlackPen = 0x80000007, kGrayBrush = 0x80000002;

uint32_t U(int v) {
    return static_cast<uint32_t>(v);
}

// The pixel as 0xRRGGBB from the 24-bit result.
uint32_t Rgb(const QImage& image, int x, int y) {
    const uchar* p = image.constScanLine(y) + x * 3;
    return uint32_t{p[2]} << 16 | uint32_t{p[1]} << 8 | p[0];
}

constexpr uint32_t kWhite = 0xFFFFFF, kRed = 0xFF0000, kBlack = 0, kBlue = 0x0000FF;

}  // namespace

TEST(EmfRenderer, RectangleOnWhiteFillsOnePixelLessRightAndBelow) {
    // Without a pen the fill stops one pixel short; a pen draws its border inside.
    for (uint32_t pen : {kNullPen, kBlackPen}) {
        EmfFile f;
        f.Add(kCreateBrush, {1, 0, 0x000000FF, 0}).Add(kSelectObject, {1});  // solid red brush
        f.Add(kSelectObject, {pen}).Add(kRectangle, {2, 3, 8, 7});
        const QImage image = RenderEmf(f.Finished());
        ASSERT_EQ(image.size(), QSize(40, 30));
        EXPECT_EQ(image.format(), QImage::Format_BGR888);
        EXPECT_EQ(Rgb(image, 39, 29), kWhite);
        const int right = pen == kNullPen ? 6 : 7, bottom = pen == kNullPen ? 5 : 6;
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool area = x >= 2 && x <= right && y >= 3 && y <= bottom;
                const bool border =
                    pen == kBlackPen && area && (x == 2 || x == 7 || y == 3 || y == 6);
                EXPECT_EQ(Rgb(image, x, y), border ? kBlack
                                            : area ? kRed
                                                   : kWhite)
                    << pen << ": " << x << "," << y;
            }
    }
}

TEST(EmfRenderer, MappingModesAndWorldTransformPlaceAGreyRectangle) {
    // The device has 10 pixels a millimetre. Each row draws one rectangle with the grey brush
    // and no pen, and names a pixel inside it and one outside, worked by hand.
    using Records = std::vector<std::pair<uint32_t, std::vector<uint32_t>>>;
    const uint32_t two = std::bit_cast<uint32_t>(2.0f), five = std::bit_cast<uint32_t>(5.0f);
    const struct {
        const char* what;
        Records records;
        QPoint in, out;
    } rows[] = {
        // clang-format off
        // 0.1 mm a unit = 1 pixel, y upward from the viewport origin at pixel row 30
        {"lometric", {{kSetMapMode, {2}}, {12, {0, 30}}, {kRectangle, {0, 10, 10, 0}}}, {4, 25}, {4, 15}},
        // isotropic keeps the smaller scale, 0.2, on both axes: 100 units are 20 pixels
        {"isotropic", {{kSetMapMode, {7}}, {kSetWindowExt, {100, 100}}, {kSetViewportExt, {40, 20}},
                       {kRectangle, {0, 0, 100, 100}}}, {15, 15}, {25, 5}},
        // world transform: scale 2, then move 5 right
        {"world", {{35, {two, 0, 0, two, five, 0}}, {kRectangle, {0, 0, 5, 5}}}, {12, 8}, {3, 3}},
        // clang-format on
    };
    for (const auto& row : rows) {
        EmfFile f;
        f.Add(kSelectObject, {kNullPen}).Add(kSelectObject, {kGrayBrush});
        for (const auto& [type, words] : row.records) f.Add(type, words);
        const QImage image = RenderEmf(f.Finished());
        EXPECT_EQ(Rgb(image, row.in.x(), row.in.y()), 0x808080u) << row.what;
        EXPECT_EQ(Rgb(image, row.out.x(), row.out.y()), kWhite) << row.what;
    }
}

TEST(EmfRenderer, RecordsLandWhereExpected) {
    EmfFile f;
    f.Add(kSelectObject, {kNullPen}).Add(kCreateBrush, {1, 0, 0x000000FF, 0});
    f.Add(kCreateBrush, {2, 0, 0x00FF0000, 0}).Add(kCreateBrush, {3, 0, 0x0000FF00, 0});
    // The brush saved before the blue one comes back with RESTOREDC.
    f.Add(kSelectObject, {1}).Add(kSaveDc, {}).Add(kSelectObject, {2});
    f.Add(kRectangle, {0, 0, 5, 5}).Add(kRestoreDc, {U(-1)}).Add(kRectangle, {10, 0, 15, 5});
    // Green triangle (0,10) (20,10) (0,30) as 16-bit points: bounds, count 3, points.
    f.Add(kSelectObject, {3})
        .Add(kPolygon16, {0, 10, 20, 30, 3, 10 << 16, 20 | 10 << 16, 30 << 16});
    f.Add(kSetPixelV, {30, 25, 0x00FF0000});
    f.Add(0x7777, {1, 2, 3});  // an unknown record is skipped
    const QImage image = RenderEmf(f.Finished());
    const struct {
        int x, y;
        uint32_t rgb;
    } expected[] = {{2, 2, kBlue},    {12, 2, kRed},   {3, 13, 0x00FF00u},
                    {15, 25, kWhite}, {30, 25, kBlue}, {31, 25, kWhite}};
    for (const auto& e : expected) EXPECT_EQ(Rgb(image, e.x, e.y), e.rgb) << e.x << "," << e.y;
}

namespace {
// STRETCHDIBITS of a bitmap info (40-byte header plus colour table) and its rows.
void AddDib(EmfFile& f, int x, int y, int cx, int cy, int w, int h, int bits,
            const QByteArray& colours, const QByteArray& rows) {
    QByteArray info(40, '\0');
    info.replace(0, 16, Le(40, 4) + Le(w, 4) + Le(h, 4) + Le(1 | bits << 16, 4));
    info.replace(32, 4, Le(colours.size() / 4, 4));
    info += colours;
    const uint32_t offBmi = 80, offBits = offBmi + static_cast<uint32_t>(info.size());
    f.Add(kStretchDiBits,
          {0, 0, 0, 0, U(x), U(y), 0, 0, U(w), U(std::abs(h)), offBmi, U(info.size()), offBits,
           U(rows.size()), 0, 0x00CC0020, U(cx), U(cy)},
          info + rows);
}
}  // namespace

TEST(EmfRenderer, StretchDiBitsPlacesStretchesAndUsesPalettes) {
    // 2 x 2 at 24 bits, rows padded to 8 bytes, bottom row first: blue, green / red, white;
    // stretched to 4 x 4 at (10, 10).
    const QByteArray rows(
        "\xFF\x00\x00\x00\xFF\x00\x00\x00"
        "\x00\x00\xFF\xFF\xFF\xFF\x00\x00",
        16);
    EmfFile f;
    AddDib(f, 10, 10, 4, 4, 2, 2, 24, {}, rows);
    // Top-down (negative height) 3 x 1 at 8 bits: indices 1, 0, 1 of the palette black, red.
    const QByteArray palette("\x00\x00\x00\x00\x00\x00\xFF\x00", 8);
    AddDib(f, 0, 0, 3, 1, 3, -1, 8, palette, QByteArray("\x01\x00\x01\x00", 4));
    const QImage image = RenderEmf(f.Finished());
    const struct {
        int x, y;
        uint32_t rgb;
    } expected[] = {{11, 11, kRed},     {13, 11, kWhite}, {11, 13, kBlue},
                    {13, 13, 0x00FF00}, {14, 13, kWhite}, {10, 14, kWhite},
                    {0, 0, kRed},       {1, 0, kBlack},   {3, 0, kWhite}};
    for (const auto& e : expected) EXPECT_EQ(Rgb(image, e.x, e.y), e.rgb) << e.x << "," << e.y;
}

TEST(EmfRenderer, RefusesBrokenFiles) {
    const QString invalid = tessella::imagefile::kEmfInvalidMessage;
    auto patched = [](std::initializer_list<std::pair<int, char>> bytes) {
        QByteArray data = EmfFile().Finished();
        for (auto [at, byte] : bytes) data[at] = byte;
        return data;
    };
    QByteArray dibPastRecord;
    {
        EmfFile f;
        AddDib(f, 0, 0, 2, 2, 2, 2, 24, {}, QByteArray(8, '\0'));  // rows need 16 bytes
        dibPastRecord = f.Finished();
    }
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"signature", patched({{40, 'X'}})},
        {"record past the end", patched({{92, '\x40'}})},  // EOF record claims 64 bytes
        {"polygon count past the record",
         EmfFile().Add(kPolygon16, {0, 0, 1, 1, 1000, 0}).Finished()},
        {"bitmap rows past the record", dibPastRecord},
    };
    for (const auto& c : cases) EXPECT_EQ(ErrorOf([&] { RenderEmf(c.data); }), invalid) << c.what;
    EXPECT_TRUE(ErrorOf([] {
                    RenderEmf(EmfFile(2000000000, 2000000000).Finished());
                }).startsWith(QStringLiteral("Métafichier EMF : dimensions")));
}

// Painted areas add up against a budget of sixteen pictures of the largest size, 128 frames of
// 4096 x 4096 (null brush and pen: the test costs nothing but the count).
TEST(EmfRenderer, PaintedAreaPastTheBudgetIsRefused) {
    const int64_t frames = 16 * tessella::platform::kMaxImagePixels / (4096 * 4096);
    auto rectangles = [](int64_t n) {
        EmfFile f(40960, 40960);
        f.Add(kSelectObject, {0x80000005}).Add(kSelectObject, {0x80000008});
        for (int64_t i = 0; i < n; ++i) f.Add(kRectangle, {0, 0, 4096, 4096});
        return f.Finished();
    };
    EXPECT_EQ(RenderEmf(rectangles(frames - 8)).size(), QSize(4096, 4096));
    EXPECT_EQ(ErrorOf([&] { RenderEmf(rectangles(frames + 8)); }),
              tessella::imagefile::kEmfTooMuchWorkMessage);
}

// Inputs that once broke a decoder: each must decode or fail with our own error.
TEST(DecoderRegressions, KeptInputsFailCleanly) {
    const QDir dir(QStringLiteral(TESSELLA_SOURCE_DIR "/tests/imagefile/regressions"));
    for (const QString& name : dir.entryList(QDir::Files)) {
        const QByteArray data = ReadFile(dir.filePath(name));
        ASSERT_FALSE(data.isEmpty()) << name.toStdString();
        ErrorOf([&] {
            if (name.startsWith(QStringLiteral("emf-"))) RenderEmf(data);
            if (name.startsWith(QStringLiteral("pic-"))) tessella::imagefile::DecodePic(data);
            if (name.startsWith(QStringLiteral("rla-"))) tessella::imagefile::DecodeRla(data);
        });
    }
}
