// tessella-cli pack and extract, run as a separate process.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

namespace {

struct CliRun {
    int exitCode = -1;
    QString err;
};

CliRun RunCli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TESSELLA_CLI), args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardError())};
}

// A page file as written: 18-byte header, then rows top first, blue-green-red.
struct Tga {
    int width = 0, height = 0;
    QByteArray bytes;
    QColor pixel(int x, int y) const {
        const qsizetype at = 18 + (qsizetype(y) * width + x) * 3;
        return QColor(uchar(bytes[at + 2]), uchar(bytes[at + 1]), uchar(bytes[at]));
    }
};

Tga ReadTga(const QString& path) {
    QFile f(path);
    Tga t;
    if (!f.open(QIODevice::ReadOnly)) return t;
    t.bytes = f.readAll();
    if (t.bytes.size() < 18) return t;
    t.width = uchar(t.bytes[12]) | (uchar(t.bytes[13]) << 8);
    t.height = uchar(t.bytes[14]) | (uchar(t.bytes[15]) << 8);
    return t;
}

class Cli : public ::testing::Test {
  protected:
    QString file(const QString& name) const { return dir.filePath(name); }
    QString bmp(const QString& name, int w, int h, QColor c) {
        QImage image(w, h, QImage::Format_BGR888);
        image.fill(c);
        EXPECT_TRUE(image.save(file(name), "BMP"));
        return file(name);
    }
    QTemporaryDir dir;
};

TEST_F(Cli, PackThreeElementsOntoANewPage) {
    const QString out = file(QStringLiteral("out.tga"));
    const CliRun r = RunCli({QStringLiteral("pack"), QStringLiteral("-o"), out,
                             bmp(QStringLiteral("a.bmp"), 64, 64, Qt::red),
                             bmp(QStringLiteral("b.bmp"), 64, 64, Qt::green),
                             bmp(QStringLiteral("c.bmp"), 64, 64, Qt::blue)});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const Tga t = ReadTga(out);
    ASSERT_EQ(t.bytes.size(), 18 + 3 * 256 * 64);
    EXPECT_EQ(QSize(t.width, t.height), QSize(256, 64));
    EXPECT_EQ(t.pixel(0, 0), QColor(Qt::red));
    EXPECT_EQ(t.pixel(64, 63), QColor(Qt::green));
    EXPECT_EQ(t.pixel(191, 0), QColor(Qt::blue));
    EXPECT_EQ(t.pixel(192, 10), QColor(255, 0, 255));  // the slot ahead, still magenta
}

TEST_F(Cli, PackOptionsDecideThePageAndTheAnswers) {
    const QString tall = bmp(QStringLiteral("haute.bmp"), 64, 256, Qt::cyan);
    const QString e = bmp(QStringLiteral("e.bmp"), 64, 64, Qt::red);
    const QString odd = bmp(QStringLiteral("odd.bmp"), 20, 20, Qt::yellow);
    const struct {
        QStringList options;
        QStringList files;
        int w, h;
        QPoint red;
    } rows[] = {
        {{QStringLiteral("--max-width"), QStringLiteral("256")},
         {e, e, e, e, e},
         256,
         128,
         QPoint(0, 64)},
        {{QStringLiteral("--onto"), tall, QStringLiteral("--fill-right")},
         {e},
         128,
         256,
         QPoint(64, 0)},
        {{QStringLiteral("--onto"), tall}, {e}, 64, 320, QPoint(0, 256)},
        {{QStringLiteral("--no-to-all")}, {odd, e}, 128, 64, QPoint(0, 0)},
        {{QStringLiteral("--import"), QStringLiteral("20x20")}, {odd, e}, 40, 84, QPoint(0, 20)},
        {{QStringLiteral("--free")}, {odd, e}, 40, 84, QPoint(0, 20)},
    };
    int i = 0;
    for (const auto& row : rows) {
        const QString out = file(QStringLiteral("o%1.tga").arg(i++));
        QStringList args{QStringLiteral("pack")};
        args << row.options << QStringLiteral("-o") << out << row.files;
        const CliRun r = RunCli(args);
        ASSERT_EQ(r.exitCode, 0) << args.join(' ').toStdString() << r.err.toStdString();
        const Tga t = ReadTga(out);
        EXPECT_EQ(QSize(t.width, t.height), QSize(row.w, row.h)) << args.join(' ').toStdString();
        EXPECT_EQ(t.pixel(row.red.x(), row.red.y()), QColor(Qt::red))
            << args.join(' ').toStdString();
    }
}

TEST_F(Cli, PackStopsOnAFileItCannotLoadWithoutWritingTheOutput) {
    const QString out = file(QStringLiteral("out.tga"));
    const QString good = bmp(QStringLiteral("a.bmp"), 64, 64, Qt::red);
    const QString refused = bmp(QStringLiteral("a.rgba"), 64, 64, Qt::red);
    QFile(file(QStringLiteral("broken.bmp"))).open(QIODevice::WriteOnly);
    for (const QString& bad :
         {refused, file(QStringLiteral("absent.bmp")), file(QStringLiteral("broken.bmp"))}) {
        const CliRun r = RunCli({QStringLiteral("pack"), QStringLiteral("-o"), out, good, bad});
        EXPECT_EQ(r.exitCode, 1) << bad.toStdString();
        EXPECT_FALSE(r.err.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(out)) << bad.toStdString();
    }
    EXPECT_TRUE(RunCli({QStringLiteral("pack"), QStringLiteral("-o"), out, refused})
                    .err.contains(QStringLiteral("a.rgba")));
    EXPECT_EQ(RunCli({QStringLiteral("pack"), QStringLiteral("-o"), out}).exitCode, 2);
    EXPECT_EQ(RunCli({QStringLiteral("pack"), QStringLiteral("--import"), QStringLiteral("64"),
                      QStringLiteral("-o"), out, good})
                  .exitCode,
              2);
    EXPECT_EQ(
        RunCli({QStringLiteral("pack"), QStringLiteral("-o"), file(QStringLiteral("o.bmp")), good})
            .exitCode,
        2);
}

TEST_F(Cli, ExtractWritesNumberedElementFiles) {
    QImage page(256, 128, QImage::Format_BGR888);
    page.fill(Qt::white);
    for (int y = 64; y < 128; ++y)
        for (int x = 192; x < 256; ++x) page.setPixelColor(x, y, Qt::red);
    const QString pageFile = file(QStringLiteral("page.bmp"));
    ASSERT_TRUE(page.save(pageFile, "BMP"));
    const CliRun r = RunCli({QStringLiteral("extract"), pageFile, file(QStringLiteral("mur.bmp"))});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    for (int n = 1; n <= 8; ++n)
        EXPECT_TRUE(QFileInfo::exists(file(QStringLiteral("mur00%1.bmp").arg(n)))) << n;
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("mur009.bmp"))));
    EXPECT_EQ(QImage(file(QStringLiteral("mur008.bmp"))).pixelColor(5, 5), QColor(Qt::red));
    const CliRun big = RunCli({QStringLiteral("extract"), QStringLiteral("--import"),
                               QStringLiteral("128x128"), pageFile, file(QStringLiteral("gros"))});
    ASSERT_EQ(big.exitCode, 0);
    EXPECT_TRUE(QFileInfo::exists(file(QStringLiteral("gros002.bmp"))));
    EXPECT_FALSE(QFileInfo::exists(file(QStringLiteral("gros003.bmp"))));
    EXPECT_EQ(RunCli({QStringLiteral("extract"), file(QStringLiteral("absent.tga")),
                      file(QStringLiteral("x.bmp"))})
                  .exitCode,
              1);
}

}  // namespace
