#include <gtest/gtest.h>

#include <QByteArray>
#include <QImage>
#include <vector>

#include "imagefile/RlaDecoder.h"
#include "platform/Error.h"

using tessella::imagefile::DecodeRla;
using tessella::platform::TessellaError;
using Bytes = std::vector<uint8_t>;

namespace {

void Put16(QByteArray& out, qsizetype at, int v) {
    out[at] = static_cast<char>((v >> 8) & 0xFF);
    out[at + 1] = static_cast<char>(v & 0xFF);
}
void Append16(QByteArray& out, int v) {
    out.append(static_cast<char>((v >> 8) & 0xFF));
    out.append(static_cast<char>(v & 0xFF));
}
void Append32(QByteArray& out, int64_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((v >> shift) & 0xFF));
}

// An RLA file: the 740-byte header, the offset table, then for each stored scanline (bottom
// first) each channel's length and run-length bytes, as given.
struct RlaFile {
    int left = 0, right = 0, bottom = 0, top = 0;
    int colourChannels = 3, matteChannels = 1, bits = 8;
    std::vector<std::vector<Bytes>> scanlines;  // [stored row][channel]

    QByteArray Build() const {
        QByteArray out(740, '\0');
        for (int w = 0; w < 2; ++w) {  // window, then active window
            Put16(out, w * 8, left);
            Put16(out, w * 8 + 2, right);
            Put16(out, w * 8 + 4, bottom);
            Put16(out, w * 8 + 6, top);
        }
        Put16(out, 20, colourChannels);
        Put16(out, 22, matteChannels);
        Put16(out, 26, -2);  // revision 0xFFFE
        Put16(out, 658, bits);
        Put16(out, 662, bits);
        int64_t offset = 740 + 4 * static_cast<int64_t>(scanlines.size());
        for (const auto& line : scanlines) {
            Append32(out, offset);
            for (const Bytes& channel : line) offset += 2 + static_cast<int64_t>(channel.size());
        }
        for (const auto& line : scanlines)
            for (const Bytes& channel : line) {
                Append16(out, static_cast<int>(channel.size()));
                out.append(reinterpret_cast<const char*>(channel.data()),
                           static_cast<qsizetype>(channel.size()));
            }
        return out;
    }
};

// Three by two: top row (10,20,30) (10,20,30) (200,0,5); bottom row (1,2,3) (4,5,6) (7,8,9).
RlaFile ThreeByTwo() {
    RlaFile f;
    f.left = 5, f.right = 7, f.bottom = 10, f.top = 11;
    f.scanlines = {
        // bottom row: literals of three
        {{0xFD, 1, 4, 7}, {0xFD, 2, 5, 8}, {0xFD, 3, 6, 9}, {0x02, 255}},
        // top row: a run of two then one literal
        {{0x01, 10, 0xFF, 200}, {0x01, 20, 0xFF, 0}, {0x01, 30, 0xFF, 5}, {0x02, 255}},
    };
    return f;
}

void ExpectBgr(const QImage& image, int x, int y, int r, int g, int b) {
    const uchar* p = image.constScanLine(y) + x * 3;
    EXPECT_EQ(p[0], b) << x << "," << y;
    EXPECT_EQ(p[1], g) << x << "," << y;
    EXPECT_EQ(p[2], r) << x << "," << y;
}

QString Failure(const QByteArray& data) {
    try {
        DecodeRla(data);
    } catch (const TessellaError& e) {
        return e.message();
    }
    return {};
}

}  // namespace

TEST(RlaDecoder, DecodesRunsAndLiteralsBottomRowFirst) {
    const QImage image = DecodeRla(ThreeByTwo().Build());
    ASSERT_EQ(image.size(), QSize(3, 2));
    EXPECT_EQ(image.format(), QImage::Format_BGR888);
    ExpectBgr(image, 0, 0, 10, 20, 30);
    ExpectBgr(image, 1, 0, 10, 20, 30);
    ExpectBgr(image, 2, 0, 200, 0, 5);
    ExpectBgr(image, 0, 1, 1, 2, 3);
    ExpectBgr(image, 1, 1, 4, 5, 6);
    ExpectBgr(image, 2, 1, 7, 8, 9);
}

TEST(RlaDecoder, OneChannelIsGrey) {
    RlaFile f;
    f.right = 3, f.top = 0, f.colourChannels = 1, f.matteChannels = 0;
    f.scanlines = {{{0x03, 77}}};  // a run of four
    const QImage image = DecodeRla(f.Build());
    ASSERT_EQ(image.size(), QSize(4, 1));
    for (int x = 0; x < 4; ++x) ExpectBgr(image, x, 0, 77, 77, 77);
}

TEST(RlaDecoder, RefusesDeeperChannelsByName) {
    RlaFile f = ThreeByTwo();
    f.bits = 16;
    EXPECT_TRUE(Failure(f.Build()).contains(QStringLiteral("16 bits")))
        << Failure(f.Build()).toStdString();
}

TEST(RlaDecoder, RefusesBrokenFiles) {
    const QString invalid = tessella::imagefile::kRlaInvalidMessage;
    const QByteArray good = ThreeByTwo().Build();
    struct Case {
        const char* what;
        QByteArray data;
        bool sizeError = false;
    };
    std::vector<Case> cases;
    cases.push_back({"empty", QByteArray()});
    cases.push_back({"header only", good.left(740)});
    {
        RlaFile f = ThreeByTwo();
        f.scanlines[0][0] = {0x05, 1};  // a run of six in a row of three
        cases.push_back({"run past the row", f.Build()});
        f = ThreeByTwo();
        f.scanlines[1][2] = {0xFB, 1, 2, 3, 4, 5};  // five literals in a row of three
        cases.push_back({"literals past the row", f.Build()});
        f = ThreeByTwo();
        f.scanlines[1][1] = {0x00, 20};  // one pixel of three
        cases.push_back({"short channel", f.Build()});
        f = ThreeByTwo();
        f.colourChannels = 2;
        cases.push_back({"two colour channels", f.Build()});
        f = ThreeByTwo();
        f.left = -32768, f.right = 32767, f.bottom = -32768, f.top = 32767;
        cases.push_back({"absurd size", f.Build(), true});
        f = ThreeByTwo();
        f.right = 4;  // right < left
        cases.push_back({"negative width", f.Build(), true});
    }
    QByteArray badOffset = good;
    badOffset[740] = '\x7F';  // first scanline far past the end
    cases.push_back({"offset past the end", badOffset});
    QByteArray negativeOffset = good;
    negativeOffset[740] = '\xFF';
    cases.push_back({"negative offset", negativeOffset});
    QByteArray longChannel = good;
    longChannel[748] = '\x70';  // first channel's length
    cases.push_back({"channel past the end", longChannel});

    for (const Case& c : cases) {
        const QString message = Failure(c.data);
        if (c.sizeError)
            EXPECT_TRUE(message.startsWith(QStringLiteral("Image RLA : dimensions"))) << c.what;
        else
            EXPECT_EQ(message, invalid) << c.what;
    }
}

TEST(RlaDecoder, EveryTruncationOfColourDataIsRefused) {
    const QByteArray good = ThreeByTwo().Build();
    const qsizetype lastMatte = 4;  // the top row's matte channel is not needed
    EXPECT_EQ(DecodeRla(good.left(good.size() - lastMatte)).size(), QSize(3, 2));
    for (qsizetype n = 0; n < good.size() - lastMatte; ++n)
        EXPECT_FALSE(Failure(good.left(n)).isEmpty()) << n;
}
