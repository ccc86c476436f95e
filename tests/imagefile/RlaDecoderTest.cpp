#include "imagefile/RlaDecoder.h"

#include "ImageSamples.h"

using namespace imagetest;
using tessella::imagefile::DecodeRla;

namespace {

// Three by two: top row (10,20,30) (10,20,30) (200,0,5); bottom row (1,2,3) (4,5,6) (7,8,9).
RlaFile ThreeByTwo() {
    RlaFile f{.left = 5, .right = 7, .bottom = 10, .top = 11};
    f.scanlines = {
        // bottom row: literals of three
        {Bytes({0xFD, 1, 4, 7}), Bytes({0xFD, 2, 5, 8}), Bytes({0xFD, 3, 6, 9}), Bytes({2, 255})},
        // top row: a run of two then one literal
        {Bytes({1, 10, 0xFF, 200}), Bytes({1, 20, 0xFF, 0}), Bytes({1, 30, 0xFF, 5}),
         Bytes({2, 255})},
    };
    return f;
}

}  // namespace

TEST(RlaDecoder, DecodesRunsAndLiteralsBottomRowFirst) {
    const QImage image = DecodeRla(ThreeByTwo().Build());
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.format(), QImage::Format_BGR888);
    EXPECT_EQ(PackedBgr(image), Bytes({30, 20, 10, 30, 20, 10, 5, 0, 200,  // top row
                                       3, 2, 1, 6, 5, 4, 9, 8, 7}));
    // One channel is grey: a run of four.
    RlaFile grey{.right = 3, .colourChannels = 1, .matteChannels = 0};
    grey.scanlines = {{Bytes({0x03, 77})}};
    EXPECT_EQ(PackedBgr(DecodeRla(grey.Build())), QByteArray(12, 77));
}

TEST(RlaDecoder, RefusesBrokenFiles) {
    const QString invalid = tessella::imagefile::kRlaInvalidMessage;
    const QByteArray good = ThreeByTwo().Build();
    auto changed = [](const std::function<void(RlaFile&)>& change) {
        RlaFile f = ThreeByTwo();
        change(f);
        return f.Build();
    };
    const struct {
        const char* what;
        QByteArray data;
        QString message;  // all of it, or a part for the size and depth errors
    } cases[] = {
        // clang-format off
        {"header only", good.left(740), invalid},
        // The bottom row is 3 pixels wide: 4 overrun it by exactly one.
        {"run one past the row", changed([](RlaFile& f) { f.scanlines[0][0] = Bytes({3, 1}); }), invalid},
        {"two colour channels", changed([](RlaFile& f) { f.colourChannels = 2; }), invalid},
        {"absurd size", changed([](RlaFile& f) { f.left = f.bottom = -32768, f.right = f.top = 32767; }),
         QStringLiteral("Image RLA : Image trop grande : 65536 x 65536 pixels")},
        {"16-bit channels", changed([](RlaFile& f) { f.bits = 16; }), QStringLiteral("16 bits")},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString message = ErrorOf([&] { DecodeRla(c.data); });
        EXPECT_TRUE(c.message == invalid ? message == invalid : message.contains(c.message))
            << message.toStdString();
    }
}
