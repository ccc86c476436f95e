// tessella-cli pack and extract, run as a separate process.

#include <gtest/gtest.h>

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

// Size from the 18-byte header and the colour of one pixel (rows top first, blue-green-red).
TEST_F(Cli, PackOptionsDecideThePageAndTheAnswers) {
    const QString tall = bmp(QStringLiteral("haute.bmp"), 64, 256, Qt::cyan);
    const QString e = bmp(QStringLiteral("e.bmp"), 64, 64, Qt::red);
    const QString odd = bmp(QStringLiteral("odd.bmp"), 20, 20, Qt::yellow);
    const QString no = QStringLiteral("--no-to-all");
    const struct {
        QStringList options, files;
        int w, h;
        QPoint red;
    } rows[] = {
        {{}, {e, e, e}, 256, 64, {128, 0}},  // the slot ahead stays magenta
        {{QStringLiteral("--max-width"), QStringLiteral("256")},
         {e, e, e, e, e},
         256,
         128,
         {0, 64}},
        {{QStringLiteral("--onto"), tall, QStringLiteral("--fill-right")}, {e}, 128, 256, {64, 0}},
        {{QStringLiteral("--onto"), tall}, {e}, 64, 320, {0, 256}},
        {{no}, {odd, e}, 128, 64, {0, 0}},
        {{QStringLiteral("--import"), QStringLiteral("20x20")}, {odd, e}, 40, 84, {0, 20}},
        {{QStringLiteral("--free")}, {odd, e}, 40, 84, {0, 20}},
    };
    int i = 0;
    for (const auto& row : rows) {
        const QString out = file(QStringLiteral("o%1.tga").arg(i++));
        QStringList args{QStringLiteral("pack")};
        args << row.options << QStringLiteral("-o") << out << row.files;
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun r = RunCli(args);
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        QFile f(out);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        ASSERT_EQ(b.size(), 18 + 3 * row.w * row.h);
        EXPECT_EQ(QSize(uchar(b[12]) | (uchar(b[13]) << 8), uchar(b[14]) | (uchar(b[15]) << 8)),
                  QSize(row.w, row.h));
        const qsizetype at = 18 + (qsizetype(row.red.y()) * row.w + row.red.x()) * 3;
        EXPECT_EQ(b.mid(at, 3).toHex(), QByteArray("0000ff"));
        if (i == 1) {
            EXPECT_EQ(b.mid(18 + 192 * 3, 3).toHex(), QByteArray("ff00ff"));
        }
    }
}

TEST_F(Cli, ExitStatusAndFilesLeft) {
    const QString good = bmp(QStringLiteral("a.bmp"), 64, 64, Qt::red);
    const QString refused = bmp(QStringLiteral("a.rgba"), 64, 64, Qt::red);
    QFile(file(QStringLiteral("broken.bmp"))).open(QIODevice::WriteOnly);
    QImage page(256, 128, QImage::Format_BGR888);
    page.fill(Qt::white);
    for (int y = 64; y < 128; ++y)
        for (int x = 192; x < 256; ++x) page.setPixelColor(x, y, Qt::red);
    const QString pageFile = file(QStringLiteral("page.bmp"));
    ASSERT_TRUE(page.save(pageFile, "BMP"));
    const QString pack = QStringLiteral("pack"), extract = QStringLiteral("extract");
    const QString o = QStringLiteral("-o"), out = file(QStringLiteral("out.tga"));
    const struct {
        QStringList args;
        int exitCode;
        const char* made;    // a file that must exist afterwards
        const char* absent;  // one that must not
        const char* errorNames;
    } rows[] = {
        {{pack, o, out, good, refused}, 1, nullptr, "out.tga", "a.rgba"},
        {{pack, o, out, good, file(QStringLiteral("absent.bmp"))}, 1, nullptr, "out.tga", nullptr},
        {{pack, o, out, good, file(QStringLiteral("broken.bmp"))}, 1, nullptr, "out.tga", nullptr},
        {{pack, o, out}, 2, nullptr, "out.tga", nullptr},
        {{pack, QStringLiteral("--import"), QStringLiteral("64"), o, out, good},
         2,
         nullptr,
         "out.tga",
         nullptr},
        {{pack, o, file(QStringLiteral("o.bmp")), good}, 2, nullptr, "o.bmp", nullptr},
        {{extract, pageFile, file(QStringLiteral("mur.bmp"))},
         0,
         "mur008.bmp",
         "mur009.bmp",
         nullptr},
        {{extract, QStringLiteral("--import"), QStringLiteral("128x128"), pageFile,
          file(QStringLiteral("gros"))},
         0,
         "gros002.bmp",
         "gros003.bmp",
         nullptr},
        {{extract, file(QStringLiteral("absent.tga")), file(QStringLiteral("x.bmp"))},
         1,
         nullptr,
         "x001.bmp",
         nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliRun r = RunCli(row.args);
        EXPECT_EQ(r.exitCode, row.exitCode);
        if (row.exitCode != 0) {
            EXPECT_FALSE(r.err.isEmpty());
        }
        if (row.errorNames) {
            EXPECT_TRUE(r.err.contains(QLatin1String(row.errorNames)));
        }
        if (row.made) {
            EXPECT_TRUE(QFileInfo::exists(file(QLatin1String(row.made))));
        }
        EXPECT_FALSE(QFileInfo::exists(file(QLatin1String(row.absent))));
    }
    for (int n = 1; n <= 7; ++n)
        EXPECT_TRUE(QFileInfo::exists(file(QStringLiteral("mur00%1.bmp").arg(n)))) << n;
    EXPECT_EQ(QImage(file(QStringLiteral("mur008.bmp"))).pixelColor(5, 5), QColor(Qt::red));
}

}  // namespace
