#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <vector>

#include "imagefile/PicDecoder.h"
#include "platform/Error.h"

using tessella::imagefile::DecodePic;
using tessella::imagefile::ScaleVgaLevel;
using tessella::platform::TessellaError;

namespace {

void Put16(QByteArray& out, qsizetype at, int v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

// A palette whose entry i is (i % 64, 63 - i % 64, 32); entry 5 is (63, 0, 1).
QByteArray Palette() {
    QByteArray p(768, '\0');
    for (int i = 0; i < 256; ++i) {
        p[i * 3] = static_cast<char>(i % 64);
        p[i * 3 + 1] = static_cast<char>(63 - i % 64);
        p[i * 3 + 2] = 32;
    }
    p[15] = 63, p[16] = 0, p[17] = 1;
    return p;
}

QByteArray HeaderFile(int width, int height, const QByteArray& indices, int depth = 8,
                      int compression = 0) {
    QByteArray out(32, '\0');
    Put16(out, 0, 0x9119);
    Put16(out, 2, width);
    Put16(out, 4, height);
    out[10] = static_cast<char>(depth);
    out[11] = static_cast<char>(compression);
    Put16(out, 12, static_cast<int>(indices.size()));
    return out + Palette() + indices;
}

// A 320 x 200 screen whose indices count 0..249 along each row (some above 63).
QByteArray Screen() {
    QByteArray s(64000, '\0');
    for (int i = 0; i < 64000; ++i) s[i] = static_cast<char>((i % 320) % 250);
    return s;
}

QString Failure(const QByteArray& data) {
    try {
        DecodePic(data);
    } catch (const TessellaError& e) {
        return e.message();
    }
    return {};
}

}  // namespace

TEST(PicDecoder, ScalesSixBitLevelsToNearest) {
    // v * 255 / 63 by hand: 4.05, 125.48, 129.52, 250.95; values above 63 count as 63.
    const std::pair<int, int> table[] = {{0, 0},    {1, 4},    {31, 125}, {32, 130},
                                         {62, 251}, {63, 255}, {64, 255}, {255, 255}};
    for (auto [in, out] : table) EXPECT_EQ(ScaleVgaLevel(static_cast<uint8_t>(in)), out) << in;
}

TEST(PicDecoder, HeaderFormKeepsIndicesAndPalette) {
    const QByteArray indices("\x05\x00\x01\x02\x05\xFF", 6);
    const QImage image = DecodePic(HeaderFile(3, 2, indices));
    ASSERT_EQ(image.size(), QSize(3, 2));
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.pixelIndex(0, 0), 5);
    EXPECT_EQ(image.pixelIndex(2, 0), 1);
    EXPECT_EQ(image.pixelIndex(0, 1), 2);
    EXPECT_EQ(image.pixelIndex(2, 1), 255);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 4));              // (63, 0, 1)
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 130));            // entry 0: (0, 63, 32)
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 0, 130));            // entry 255: (63, 0, 32)
    EXPECT_EQ(image.colorTable().value(1), qRgb(4, 251, 130));  // (1, 62, 32)
}

TEST(PicDecoder, BareScreenWithPaletteAfterOrBefore) {
    for (bool paletteFirst : {false, true}) {
        const QByteArray data = paletteFirst ? Palette() + Screen() : Screen() + Palette();
        const QImage image = DecodePic(data);
        ASSERT_EQ(image.size(), QSize(320, 200)) << paletteFirst;
        EXPECT_EQ(image.pixelIndex(0, 0), 0);
        EXPECT_EQ(image.pixelIndex(249, 7), 249);
        EXPECT_EQ(image.pixelIndex(250, 199), 0);
        EXPECT_EQ(image.pixel(5, 3), qRgb(255, 0, 4)) << paletteFirst;
    }
}

TEST(PicDecoder, RefusesBrokenFiles) {
    const QString invalid = tessella::imagefile::kPicInvalidMessage;
    const QByteArray six(6, '\x01');
    QByteArray noPalette(64768, '\xFF');
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"empty", QByteArray()},
        {"header only", HeaderFile(3, 2, six).left(32)},
        {"indices cut", HeaderFile(3, 2, six).chopped(1)},
        {"depth 4", HeaderFile(3, 2, six, 4)},
        {"compressed", HeaderFile(3, 2, six, 8, 1)},
        {"zero width", HeaderFile(0, 2, six)},
        {"negative height", HeaderFile(3, -2, six)},
        {"huge and short", HeaderFile(32767, 32767, six)},
        {"screen without palette", noPalette},
        {"screen one byte short", (Screen() + Palette()).chopped(1)},
        {"text", QByteArray("not a picture at all")},
    };
    for (const auto& c : cases) EXPECT_EQ(Failure(c.data), invalid) << c.what;
}
