// tessella-cli op, run as a process on files written and read back by hand.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <array>

#include "editor/Geometry.h"
#include "imagefile/ImageLoader.h"
#include "tests/editor/PictureRows.h"
#include "tests/imagefile/ImageSamples.h"
#include "tests/support/TestFiles.h"

namespace tessella::editor {
namespace {

using namespace test;

// A 24-bit BMP, rows bottom-up and padded to 4 bytes.
QByteArray BmpOf(const Rows& rows) {
    const int h = static_cast<int>(rows.size()), w = static_cast<int>(rows[0].size());
    QByteArray data;
    for (int y = h - 1; y >= 0; --y) {
        for (const Bgr& p : rows[y]) data.append(reinterpret_cast<const char*>(&p), 3);
        data.append((4 - w * 3 % 4) % 4, '\0');
    }
    return imagetest::Bmp({.width = w, .height = h, .pixels = data});
}

Rows RowsOfImage(const QImage& image) {
    Rows rows(image.height(), std::vector<Bgr>(image.width()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            rows[y][x] = Bgr{uint8_t(qBlue(c)), uint8_t(qGreen(c)), uint8_t(qRed(c))};
        }
    return rows;
}

// Read back by Qt's own reader; the file must be 24-bit.
Rows RowsOfBmp(const QByteArray& b) {
    EXPECT_EQ(uint8_t(b[28]) | uint8_t(b[29]) << 8, 24);
    return RowsOfImage(QImage::fromData(b, "BMP"));
}

class OpCommand : public ::testing::Test {
  protected:
    QString Path(const QString& name) const { return dir_.filePath(name); }

    void Write(const QString& name, const QByteArray& bytes) const {
        ASSERT_TRUE(tessella::testing::WriteBytes(Path(name), bytes));
    }
    QByteArray Read(const QString& name) const {
        QFile f(Path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Runs "tessella-cli op ARGS..." (names of files are taken in the temporary folder when
    // they hold a dot) and answers the exit status.
    int Op(const QStringList& args, const char* program = TESSELLA_CLI) {
        QStringList full{QStringLiteral("op")};
        for (const QString& a : args) full << (a.contains(QLatin1Char('.')) ? Path(a) : a);
        QProcess process;
        process.start(QString::fromUtf8(program), full);
        EXPECT_TRUE(process.waitForFinished(30000));
        errors_ = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir dir_;
    QString errors_;
};

const Rows kThreeByTwo{{A, B, C}, {D, E, F}};
const QByteArray kBlackWhiteBlack = BmpOf({{Grey(0)}, {Grey(255)}, {Grey(0)}});

// Each operation's name and arguments reach its rule (the rules themselves are tested on the
// core); the arguments end with the input file, written first, and the output.
TEST_F(OpCommand, OperationsOnFiles) {
    const QByteArray bmp = BmpOf(kThreeByTwo);
    const Bgr g100 = Grey(100), g127 = Grey(127);
    const struct {
        QStringList args;
        QByteArray input;
        Rows expected;
    } cases[] = {
        {{"resize", "6", "2", "in.bmp", "out.bmp"}, bmp, {{A, A, B, B, C, C}, {D, D, E, E, F, F}}},
        // Threshold 255, mode 1: (100 + (100 ^ 255)) >> 1 = 127 on every row but the last.
        {{"emboss", "255", "1", "1", "none", "in.bmp", "out.bmp"},
         BmpOf(Flat(2, 3, g100)),
         {{g127, g127}, {g127, g127}, {g100, g100}}},
        // (x, y) lands at ((x + 1) mod 3, (y - 1) mod 2): negative amounts parse.
        {{"offset", "1", "-1", "in.bmp", "out.bmp"}, bmp, {{F, D, E}, {C, A, B}}},
        // On three rows the sign shows: a positive amount moves down, the last row coming round.
        {{"offset", "0", "1", "in.bmp", "out.bmp"}, BmpOf({{A}, {B}, {C}}), {{C}, {A}, {B}}},
        {{"veil", "0a141E", "in.bmp", "out.bmp"},  // red 10, green 20, blue 30
         BmpOf({{Bgr{250, 5, 5}}}),
         {{Bgr{255, 25, 15}}}},
        {{"swap-gb", "in.bmp", "out.bmp"}, BmpOf({{Bgr{1, 2, 3}}}), {{Bgr{2, 1, 3}}}},
        // White between black rows: slopes +-(1 - 0) x 4 / 8 down the rows. S 2: (0, +-1, 1)
        // / 1.4142 stores 218 or 37, z 218. S 20: (0, +-10, 1) / 10.05 stores 254 or 1, z 140.
        // OpenGL leans the top pixel up the picture (218), DirectX down (37).
        {{"normal-map", "in.bmp", "out.bmp"},
         kBlackWhiteBlack,
         {{Bgr{218, 218, 128}}, {Bgr{255, 128, 128}}, {Bgr{218, 37, 128}}}},
        {{"normal-map", "--strength", "20", "--directx", "in.bmp", "out.bmp"},
         kBlackWhiteBlack,
         {{Bgr{140, 1, 128}}, {Bgr{255, 128, 128}}, {Bgr{140, 254, 128}}}},
        {{"normal-map", "in.bmp", "out.bmp", "--directx"},
         kBlackWhiteBlack,
         {{Bgr{218, 37, 128}}, {Bgr{255, 128, 128}}, {Bgr{218, 218, 128}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        Write("in.bmp", c.input);
        QFile::remove(Path("out.bmp"));
        ASSERT_EQ(Op(c.args), 0) << errors_.toStdString();
        EXPECT_EQ(RowsOfBmp(Read("out.bmp")), c.expected);
    }
}

// The moves are written from the loaded rows as the writer asks for them: the BMP and the TGA
// equal the picture moved in memory, and the BMP keeps the source's resolution (not turned).
// 67 x 35 pads its BMP rows, and turned it is more than one block of 64 rows high.
TEST_F(OpCommand, MovesWrittenRowByRowEqualThePictureMovedInMemory) {
    const Rows noisy = Noisy(67, 35, 11);
    QByteArray bmp = BmpOf(noisy);
    bmp.replace(38, 8, imagetest::Le(1000, 4) + imagetest::Le(2000, 4));
    Write("in.bmp", bmp);
    const struct {
        const char* name;
        void (*op)(pixels::WorkingPicture&);
    } moves[] = {
        {"rotate-left", With<RotateQuarter, Turn::CounterClockwise>},
        {"rotate-right", With<RotateQuarter, Turn::Clockwise>},
        {"mirror", MirrorHorizontal},
        {"flip", FlipVertical},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(m.name);
        auto work = Working(noisy);
        m.op(work);
        const Rows expected = RowsOf(work.image());
        ASSERT_EQ(Op({m.name, "in.bmp", "out.bmp"}), 0) << errors_.toStdString();
        const QByteArray out = Read("out.bmp");
        EXPECT_EQ(RowsOfBmp(out), expected);
        EXPECT_EQ(out.mid(38, 8), bmp.mid(38, 8));
        ASSERT_EQ(Op({m.name, "in.bmp", "out.tga"}), 0) << errors_.toStdString();
        QImage tga;
        ASSERT_TRUE(imagefile::LoadImageByExtension(Path("out.tga"), tga));
        EXPECT_EQ(RowsOfImage(tga), expected);
    }
}

// Bad usage exits with 2, a failure with 1; neither touches the old output nor leaves a file.
TEST_F(OpCommand, BadArgumentsAndFailuresKeepTheOldOutput) {
    Write("in.bmp", BmpOf(kThreeByTwo));
    Write("out.bmp", "old");
    Write("broken.bmp", "BM not a bitmap");
    const struct {
        QStringList args;
        int code;
    } cases[] = {
        {{"contrast", "201", "in.bmp", "out.bmp"}, 2},
        {{"mirror", "in.bmp", "out.gif"}, 2},
        {{"mirror", "broken.bmp", "out.bmp"}, 1},
        {{"resize", "1048576", "1048576", "in.bmp", "out.bmp"}, 1},  // past the pixel limit
        {{"normal-map", "--strength", "0,09", "in.bmp", "out.bmp"}, 2},
        {{"normal-map", "--strength", "20,01", "in.bmp", "out.bmp"}, 2},
        {{"normal-map", "--strength", "-1", "in.bmp", "out.bmp"}, 2},
        {{"normal-map", "--strength", "fort", "in.bmp", "out.bmp"}, 2},
        {{"normal-map", "in.bmp", "out.bmp", "--strength"}, 2},
        {{"normal-map", "--directx", "in.bmp"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(Op(c.args), c.code);
        EXPECT_FALSE(errors_.isEmpty());
        EXPECT_EQ(Read("out.bmp"), QByteArray("old"));
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 3);  // nothing else written
    // The strength's bounds themselves are taken.
    for (const char* strength : {"0,1", "20"})
        EXPECT_EQ(Op({"normal-map", "--strength", strength, "in.bmp", "out.bmp"}), 0) << strength;
}

// tessella-cli-quick runs op itself on the files it reads straight into rows and hands the rest
// (the emboss texture, other formats) to tessella-cli-full: either way the same command writes the
// same bytes. A file that tells no resolution (TGA) gives a new picture's 96 dpi.
TEST_F(OpCommand, QuickAndFullProgramsWriteTheSameFiles) {
    QByteArray tga(18, '\0');  // 3 x 2, 24 bits, top row first
    tga[2] = 2, tga[12] = 3, tga[14] = 2, tga[16] = 24, tga[17] = 0x20;
    for (const auto& row : kThreeByTwo)
        for (const Bgr& p : row) tga.append(reinterpret_cast<const char*>(&p), 3);
    Write("in.tga", tga);
    Write("in.jpg", QByteArray("not a JPEG"));
    const QStringList cases[] = {
        {"rotate-left", "in.tga", "out.bmp"},
        {"blur", "2", "in.tga", "out.bmp"},
        {"emboss-texture", "200", "in.tga", "in.tga", "out.bmp"},
        {"negative", "in.jpg", "out.bmp"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QFile::remove(Path("out.bmp"));
        const int quick = Op(args);
        const QString quickErrors = errors_;
        const QByteArray quickFile = Read("out.bmp");
        QFile::remove(Path("out.bmp"));
        EXPECT_EQ(Op(args, TESSELLA_CLI_FULL), quick);
        EXPECT_EQ(errors_, quickErrors);
        EXPECT_EQ(Read("out.bmp"), quickFile);
        if (quick != 0) continue;
        EXPECT_EQ(quickFile.mid(38, 8), QByteArray::fromHex("c40e0000c40e0000"));
        if (args[0] == "rotate-left") {
            EXPECT_EQ(RowsOfBmp(quickFile), (Rows{{C, F}, {B, E}, {A, D}}));
        }
    }
    EXPECT_TRUE(errors_.contains("Erreur JPEG")) << errors_.toStdString();
}

TEST_F(OpCommand, InfoSeamsPrintsTheSeamFigure) {
    // Seam |40 - 0| = 40 against inside steps (10 + 30) / 2 = 20.
    Write("row.bmp", BmpOf({{Grey(0), Grey(10), Grey(40)}}));
    QProcess process;
    process.start(QStringLiteral(TESSELLA_CLI),
                  {QStringLiteral("info"), QStringLiteral("--seams"), Path("row.bmp")});
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), "Raccord : 2,0\n");
}

using Texel = std::array<uint8_t, 4>;  // blue, green, red, alpha
using TexelRows = std::vector<std::vector<Texel>>;

// A 32-bit TGA, top row first, attribute bits 8.
QByteArray Tga32Of(const TexelRows& rows) {
    QByteArray tga(18, '\0');
    tga[2] = 2, tga[12] = char(rows[0].size()), tga[14] = char(rows.size()), tga[16] = 32;
    tga[17] = 0x28;
    for (const auto& row : rows)
        for (const Texel& t : row) tga.append(reinterpret_cast<const char*>(t.data()), 4);
    return tga;
}

// The texels of an uncompressed true-colour TGA, top row first, read by hand; alpha 255 for a
// 24-bit one.
std::vector<Texel> TgaTexels(const QByteArray& tga) {
    std::vector<Texel> texels;
    if (tga.size() < 18 || tga[2] != 2) return texels;
    const int w = uint8_t(tga[12]) | uint8_t(tga[13]) << 8, h = uint8_t(tga[14]) | uint8_t(tga[15])
                                                                                       << 8;
    const int bytes = uint8_t(tga[16]) / 8;
    const bool topFirst = tga[17] & 0x20;
    const int start = 18 + uint8_t(tga[0]);
    if (tga.size() < start + w * h * bytes) return texels;
    for (int y = 0; y < h; ++y) {
        const int row = topFirst ? y : h - 1 - y;
        for (int x = 0; x < w; ++x) {
            const char* p = tga.constData() + start + (row * w + x) * bytes;
            texels.push_back({uint8_t(p[0]), uint8_t(p[1]), uint8_t(p[2]),
                              bytes == 4 ? uint8_t(p[3]) : uint8_t(255)});
        }
    }
    return texels;
}

// The two transparency operations through the command line.
TEST_F(OpCommand, ColourKeyAndFlattenOnA32BitTga) {
    // Magenta, magenta one off in red, and grey at alpha 100 (its colour, 200 30 30 in RGB).
    Write("in.tga", Tga32Of({{{255, 0, 255, 255}, {255, 0, 254, 255}, {30, 30, 200, 100}}}));
    using Texels = std::vector<Texel>;
    ASSERT_EQ(Op({"color-key", "255", "0", "255", "in.tga", "out.tga"}), 0)
        << errors_.toStdString();
    EXPECT_EQ(TgaTexels(Read("out.tga")),
              (Texels{{255, 0, 255, 0}, {255, 0, 254, 255}, {30, 30, 200, 100}}));
    ASSERT_EQ(Op({"color-key", "--tolerance", "1", "255", "0", "255", "in.tga", "out.tga"}), 0)
        << errors_.toStdString();
    EXPECT_EQ(TgaTexels(Read("out.tga")),
              (Texels{{255, 0, 255, 0}, {255, 0, 254, 0}, {30, 30, 200, 100}}));
    // Over white: (200 x 100 + 255 x 155) / 255 = 233.4 -> 233, (30 x 100 + 255 x 155) / 255
    // = 166.8 -> 167; a 24-bit file.
    ASSERT_EQ(Op({"flatten", "in.tga", "out.tga"}), 0) << errors_.toStdString();
    QByteArray flat = Read("out.tga");
    EXPECT_EQ(uint8_t(flat[16]), 24);
    EXPECT_EQ(TgaTexels(flat),
              (Texels{{255, 0, 255, 255}, {255, 0, 254, 255}, {167, 167, 233, 255}}));
    // Over black: 200 x 100 / 255 = 78.4 -> 78, 30 x 100 / 255 = 11.8 -> 12.
    ASSERT_EQ(Op({"flatten", "0", "0", "0", "in.tga", "out.tga"}), 0) << errors_.toStdString();
    EXPECT_EQ(TgaTexels(Read("out.tga"))[2], (Texel{12, 12, 78, 255}));
}

// A soft-edged sprite: a hidden colour under alpha 0, soft texels (100, 37) and opaque ones.
const Texel kP{10, 20, 30, 0}, kQ{40, 50, 60, 100}, kR{70, 80, 90, 255}, kS{1, 2, 3, 255},
    kT{4, 5, 6, 37}, kU{7, 8, 9, 0};
const TexelRows kSoftSprite{{kP, kQ, kR}, {kS, kT, kU}};

// Every move of a 32-bit TGA, through the command line, written as 32 bits (attribute bits 8)
// with each texel's alpha where its colour went, worked by hand; the turns, mirror and flip are
// written straight from the loaded rows, the others through the working array.
TEST_F(OpCommand, MovesKeepTheAlphaOfA32BitTga) {
    Write("in.tga", Tga32Of(kSoftSprite));
    const auto P = kP, Q = kQ, R = kR, S = kS, T = kT, U = kU;
    const struct {
        QStringList args;
        TexelRows expected;
    } cases[] = {
        {{"mirror"}, {{R, Q, P}, {U, T, S}}},
        {{"flip"}, {{S, T, U}, {P, Q, R}}},
        // Clockwise the bottom-left texel comes to the top-left; counter-clockwise the
        // top-right one.
        {{"rotate-right"}, {{S, P}, {T, Q}, {U, R}}},
        {{"rotate-left"}, {{R, U}, {Q, T}, {P, S}}},
        {{"symmetry2"}, {{P, Q, R, R, Q, P}, {S, T, U, U, T, S}}},
        {{"symmetry4"},
         {{P, Q, R, R, Q, P}, {S, T, U, U, T, S}, {S, T, U, U, T, S}, {P, Q, R, R, Q, P}}},
        {{"double-width"}, {{P, Q, R, P, Q, R}, {S, T, U, S, T, U}}},
        {{"double-height"}, {{P, Q, R}, {S, T, U}, {P, Q, R}, {S, T, U}}},
        // (x, y) lands at ((x + 1) mod 3, (y - 1) mod 2).
        {{"offset", "1", "-1"}, {{U, S, T}, {R, P, Q}}},
        {{"resize", "6", "2"}, {{P, P, Q, Q, R, R}, {S, S, T, T, U, U}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        QFile::remove(Path("out.tga"));
        ASSERT_EQ(Op(c.args + QStringList{"in.tga", "out.tga"}), 0) << errors_.toStdString();
        const QByteArray out = Read("out.tga");
        ASSERT_GT(out.size(), 18);
        EXPECT_EQ(uint8_t(out[16]), 32);
        EXPECT_EQ(uint8_t(out[17]) & 0x0F, 8);
        std::vector<Texel> expected;
        for (const auto& row : c.expected) expected.insert(expected.end(), row.begin(), row.end());
        EXPECT_EQ(TgaTexels(out), expected);
        // The same move into a PNG: RGBA, read back by Qt, colours as stored.
        ASSERT_EQ(Op(c.args + QStringList{"in.tga", "out.png"}), 0) << errors_.toStdString();
        const QImage png(Path("out.png"));
        ASSERT_TRUE(png.hasAlphaChannel());
        ASSERT_EQ(png.width(), int(c.expected[0].size()));
        for (int y = 0; y < png.height(); ++y)
            for (int x = 0; x < png.width(); ++x) {
                const Texel& t = c.expected[y][x];
                EXPECT_EQ(png.pixel(x, y), qRgba(t[2], t[1], t[0], t[3])) << x << ", " << y;
            }
    }
}

// The colour operations and the filters that only rescale a texel's colour leave every alpha as
// it was, soft ones included, and the file stays 32 bits. A 4 x 3 sprite, so that sharpen and
// soften change its middle texels.
TEST_F(OpCommand, ColourOperationsLeaveTheAlphaOfA32BitTgaAlone) {
    const TexelRows sprite{{kP, kQ, kR, kS}, {kT, kR, kQ, kU}, {kS, kU, kT, kP}};
    Write("in.tga", Tga32Of(sprite));
    const QStringList cases[] = {
        {"negative"},       {"grey"},
        {"swap-rb"},        {"swap-gb"},
        {"swap-rg"},        {"fuse-rb"},
        {"fuse-gb"},        {"fuse-rg"},
        {"veil", "102030"}, {"rgb", "150", "100", "50", "0"},
        {"contrast", "50"}, {"sharpen"},
        {"soften"},         {"emboss", "200", "1", "1", "none"},
        {"normal-map"},
    };
    for (const QStringList& args : cases) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QFile::remove(Path("out.tga"));
        ASSERT_EQ(Op(args + QStringList{"in.tga", "out.tga"}), 0) << errors_.toStdString();
        const QByteArray out = Read("out.tga");
        ASSERT_GT(out.size(), 18);
        EXPECT_EQ(uint8_t(out[16]), 32);
        const std::vector<Texel> texels = TgaTexels(out);
        ASSERT_EQ(texels.size(), 12u);
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(texels[i][3], sprite[i / 4][i % 4][3]) << "texel " << i;
    }
    // Negative worked by hand on the colours too: 255 less each, under alpha 0 as well.
    ASSERT_EQ(Op({"negative", "in.tga", "out.tga"}), 0) << errors_.toStdString();
    EXPECT_EQ(TgaTexels(Read("out.tga"))[0], (Texel{245, 235, 225, 0}));
}

// The blur through the command line mixes the alpha too: (0, 200, 0) at alpha 255 beside a
// hidden black at alpha 0. The whole blur's one-row block holds each texel twice: alpha (255 +
// 255 + 0 + 0) div 4 = 127, colour (200 x 510) / 510 = 200, where the plain mean would be 100.
TEST_F(OpCommand, BlurMixesTheAlphaOfA32BitTga) {
    Write("in.tga", Tga32Of({{Texel{0, 200, 0, 255}, Texel{0, 0, 0, 0}}}));
    ASSERT_EQ(Op({"blur", "0", "in.tga", "out.tga"}), 0) << errors_.toStdString();
    EXPECT_EQ(TgaTexels(Read("out.tga")), (std::vector<Texel>{{0, 200, 0, 127}, {0, 200, 0, 127}}));
}

// The arguments of the two transparency operations, on any picture.
TEST_F(OpCommand, ColourKeyAndFlattenArguments) {
    Write("in.bmp", BmpOf(kThreeByTwo));
    const struct {
        QStringList args;
        int code;
    } cases[] = {
        {{"color-key", "255", "0", "255", "in.bmp", "out.bmp"}, 0},
        {{"color-key", "--tolerance", "255", "0", "0", "0", "in.bmp", "out.bmp"}, 0},
        {{"color-key", "256", "0", "255", "in.bmp", "out.bmp"}, 2},
        {{"color-key", "255", "0", "in.bmp", "out.bmp"}, 2},
        {{"color-key", "--tolerance", "256", "0", "0", "0", "in.bmp", "out.bmp"}, 2},
        {{"color-key", "--tolerance", "1,5", "0", "0", "0", "in.bmp", "out.bmp"}, 2},
        {{"color-key", "--tolerance", "-1", "0", "0", "0", "in.bmp", "out.bmp"}, 2},
        {{"flatten", "in.bmp", "out.bmp"}, 0},
        {{"flatten", "0", "0", "0", "in.bmp", "out.bmp"}, 0},
        {{"flatten", "0", "0", "in.bmp", "out.bmp"}, 2},
        {{"flatten", "0", "0", "-1", "in.bmp", "out.bmp"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(Op(c.args), c.code) << errors_.toStdString();
    }
    // An opaque picture stays as it was under both.
    EXPECT_EQ(RowsOfBmp(Read("out.bmp")), kThreeByTwo);
    // The usage lists both, flatten's colour as optional.
    EXPECT_EQ(Op({}), 2);
    EXPECT_TRUE(errors_.contains("op color-key [--tolerance T] ROUGE VERT BLEU ENTREE"))
        << errors_.toStdString();
    EXPECT_TRUE(errors_.contains("op flatten [ROUGE VERT BLEU] ENTREE")) << errors_.toStdString();
}

}  // namespace
}  // namespace tessella::editor
