// tessella-cli op, run as a process on files written and read back by hand.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

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

// Read back by Qt's own reader; the file must be 24-bit.
Rows RowsOfBmp(const QByteArray& b) {
    EXPECT_EQ(uint8_t(b[28]) | uint8_t(b[29]) << 8, 24);
    const QImage image = QImage::fromData(b, "BMP");
    Rows rows(image.height(), std::vector<Bgr>(image.width()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            rows[y][x] = Bgr{uint8_t(qBlue(c)), uint8_t(qGreen(c)), uint8_t(qRed(c))};
        }
    return rows;
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
    int Op(const QStringList& args) {
        QStringList full{QStringLiteral("op")};
        for (const QString& a : args) full << (a.contains(QLatin1Char('.')) ? Path(a) : a);
        QProcess process;
        process.start(QStringLiteral(TESSELLA_CLI), full);
        EXPECT_TRUE(process.waitForFinished(30000));
        errors_ = QString::fromUtf8(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    QTemporaryDir dir_;
    QString errors_;
};

const Rows kThreeByTwo{{A, B, C}, {D, E, F}};

TEST_F(OpCommand, OperationsOnFiles) {
    const QByteArray bmp = BmpOf(kThreeByTwo);
    const Bgr g100 = Grey(100), g127 = Grey(127);
    Rows sharpened = Flat(3, 3, g100);
    sharpened[1][1] = Grey(99);
    // The operation's arguments end with the input file, written first, and the output.
    struct Case {
        QStringList args;
        QByteArray input;
        Rows expected;
    };
    std::vector<Case> cases = {
        {{"mirror", "in.bmp", "out.bmp"}, bmp, {{C, B, A}, {F, E, D}}},
        {{"flip", "in.bmp", "out.bmp"}, bmp, {{D, E, F}, {A, B, C}}},
        {{"rotate-right", "in.bmp", "out.bmp"}, bmp, {{D, A}, {E, B}, {F, C}}},
        {{"resize", "6", "4", "in.bmp", "out.bmp"},
         bmp,
         {{A, A, B, B, C, C}, {A, A, B, B, C, C}, {D, D, E, E, F, F}, {D, D, E, E, F, F}}},
        // Threshold 255, mode 1: (100 + (100 ^ 255)) >> 1 = 127 on every row but the last.
        {{"emboss", "255", "1", "1", "none", "in.bmp", "out.bmp"},
         BmpOf(Flat(2, 3, g100)),
         {{g127, g127}, {g127, g127}, {g100, g100}}},
        {{"sharpen", "in.bmp", "out.bmp"}, BmpOf(Flat(3, 3, g100)), sharpened},
        // (x, y) lands at ((x + 1) mod 3, (y - 1) mod 2); -4 and 3 move the other way.
        {{"offset", "1", "-1", "in.bmp", "out.bmp"}, bmp, {{F, D, E}, {C, A, B}}},
        {{"offset", "-4", "3", "in.bmp", "out.bmp"}, bmp, {{E, F, D}, {B, C, A}}},
        // Band 2 on 8 columns: copy weights 256, 128, 0, 0, 0, 0, 128, 256 over the copy moved
        // by 4; (10 + 50) / 2 and (60 + 20) / 2 round down.
        {{"make-tileable", "2", "in.bmp", "out.bmp"},
         BmpOf({{Grey(0), Grey(10), Grey(20), Grey(30), Grey(40), Grey(50), Grey(60), Grey(70)}}),
         {{Grey(40), Grey(30), Grey(20), Grey(30), Grey(40), Grey(50), Grey(40), Grey(30)}}},
    };
    // Flat 5 x 3 pictures: the name of each operation reaches its rule.
    const struct {
        QStringList op;
        Bgr before, after;
    } flat[] = {
        {{"negative"}, {10, 20, 31}, {245, 235, 224}},
        {{"grey"}, {10, 20, 31}, {20, 20, 20}},
        {{"swap-rb"}, {1, 2, 3}, {3, 2, 1}},
        {{"swap-gb"}, {1, 2, 3}, {2, 1, 3}},
        {{"swap-rg"}, {1, 2, 3}, {1, 3, 2}},
        {{"fuse-rb"}, {10, 50, 21}, {15, 50, 15}},
        {{"fuse-gb"}, {10, 50, 21}, {30, 30, 21}},
        {{"fuse-rg"}, {10, 50, 21}, {10, 35, 35}},
        {{"veil", "0a141E"}, {250, 5, 5}, {255, 25, 15}},  // red 10, green 20, blue 30
        {{"contrast", "0"}, {0, 100, 255}, {0, 100, 255}},
        {{"rgb", "200", "100", "50", "0"}, {100, 100, 100}, {50, 100, 200}},
        {{"blur", "0"}, {9, 8, 7}, {9, 8, 7}},  // a flat picture stays flat
    };
    for (const auto& f : flat)
        cases.push_back({f.op + QStringList{"in.bmp", "out.bmp"}, BmpOf(Flat(5, 3, f.before)),
                         Flat(5, 3, f.after)});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        Write("in.bmp", c.input);
        QFile::remove(Path("out.bmp"));
        ASSERT_EQ(Op(c.args), 0) << errors_.toStdString();
        EXPECT_EQ(RowsOfBmp(Read("out.bmp")), c.expected);
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
        {{"blur", "9", "in.bmp", "out.bmp"}, 2},
        {{"contrast", "201", "in.bmp", "out.bmp"}, 2},
        {{"emboss", "99", "1", "1", "none", "in.bmp", "out.bmp"}, 2},
        {{"veil", "12345G", "in.bmp", "out.bmp"}, 2},
        {{"resize", "0", "5", "in.bmp", "out.bmp"}, 2},
        {{"make-tileable", "0", "in.bmp", "out.bmp"}, 2},
        {{"offset", "1", "in.bmp", "out.bmp"}, 2},
        {{"offset", "1", "half", "in.bmp", "out.bmp"}, 2},
        {{"unknown", "in.bmp", "out.bmp"}, 2},
        {{"mirror", "in.bmp"}, 2},
        {{"mirror", "in.bmp", "out.gif"}, 2},
        {{"mirror", "missing.bmp", "out.bmp"}, 1},
        {{"mirror", "in.xyz", "out.bmp"}, 1},
        {{"mirror", "broken.bmp", "out.bmp"}, 1},
        {{"emboss-texture", "200", "missing.tga", "in.bmp", "out.bmp"}, 1},
        {{"resize", "1048576", "1048576", "in.bmp", "out.bmp"}, 1},  // past the pixel limit
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        EXPECT_EQ(Op(c.args), c.code);
        EXPECT_FALSE(errors_.isEmpty());
        EXPECT_EQ(Read("out.bmp"), QByteArray("old"));
    }
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files).size(), 3);  // nothing else written
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

}  // namespace
}  // namespace tessella::editor
