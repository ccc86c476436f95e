#include "imagefile/PicDecoder.h"

#include "ImageSamples.h"

using namespace imagetest;
using tessella::imagefile::DecodePic;

namespace {

// A palette whose entry i is (i % 64, 63 - i % 64, 32); entry 5 is (63, 0, 1).
QByteArray Palette() {
    QByteArray p(768, '\0');
    for (int i = 0; i < 256; ++i) p.replace(i * 3, 3, Bytes({i % 64, 63 - i % 64, 32}));
    p.replace(15, 3, Bytes({63, 0, 1}));
    return p;
}

// A 320 x 200 screen whose indices count 0..249 along each row (some above 63).
QByteArray Screen() {
    QByteArray s(64000, '\0');
    for (int i = 0; i < 64000; ++i) s[i] = static_cast<char>((i % 320) % 250);
    return s;
}

}  // namespace

TEST(PicDecoder, HeaderFormKeepsIndicesAndPalette) {
    const QImage image = DecodePic(PicFile(3, 2, Palette(), Bytes({5, 0, 1, 2, 5, 255})));
    ASSERT_EQ(image.size(), QSize(3, 2));
    ASSERT_EQ(image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(image.pixelIndex(0, 1), 2);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 4));    // (63, 0, 1)
    EXPECT_EQ(image.pixel(1, 0), qRgb(0, 255, 130));  // entry 0: (0, 63, 32)
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 0, 130));  // entry 255: (63, 0, 32)
}

TEST(PicDecoder, BareScreenWithPaletteAfterOrBefore) {
    for (bool paletteFirst : {false, true}) {
        SCOPED_TRACE(paletteFirst);
        const QImage image = DecodePic(paletteFirst ? Palette() + Screen() : Screen() + Palette());
        ASSERT_EQ(image.size(), QSize(320, 200));
        EXPECT_EQ(image.pixelIndex(249, 7), 249);
        EXPECT_EQ(image.pixelIndex(250, 199), 0);
        EXPECT_EQ(image.pixel(5, 3), qRgb(255, 0, 4));
    }
}

TEST(PicDecoder, RefusesBrokenFiles) {
    const QByteArray six(6, '\x01');
    const QByteArray good = PicFile(3, 2, Palette(), six);
    const struct {
        const char* what;
        QByteArray data;
    } cases[] = {
        {"indices cut", good.chopped(1)},
        {"compressed", PicFile(3, 2, Palette(), six, 8, 1)},
        {"huge and short", PicFile(32767, 32767, Palette(), six)},
        {"screen one byte short", (Screen() + Palette()).chopped(1)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorOf([&] { DecodePic(c.data); }), tessella::imagefile::kPicInvalidMessage)
            << c.what;
}
