#include <QTemporaryDir>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;

namespace {

struct CliResult {
    int code = -1;
    QString out, err;
};

CliResult Cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(TESSELLA_CLI), args);
    if (!p.waitForFinished(120000)) return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

}  // namespace

// Every format that ImageMagick also reads gives, through convert, the pixels that
// ImageMagick decodes; the BMP output is read back by Qt, the TGA one by ImageMagick. Our own
// TGA and BMP decoders must match exactly; the library's -depth 8 and its 8-bit export round
// 16-bit samples (SGI, PSD, TIFF, PNM, PCD, WMF here) differently, 1 apart at most.
TEST(CliImageCommands, ConvertMatchesImageMagick) {
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("out.bmp"));
    const QString tga = dir.filePath(QStringLiteral("out.tga"));
    for (const QString& upper : tessella::imagefile::KnownImageExtensions()) {
        const QString ext = upper.mid(1).toLower();
        const Sample sample = MakeSample(QDir(dir.path()), ext);
        if (sample.coder.isEmpty()) continue;
        SCOPED_TRACE(ext.toStdString());
        CliResult r = Cli({QStringLiteral("convert"), sample.path, bmp});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QImage written = QImage::fromData(ReadFile(bmp), "BMP");
        EXPECT_EQ(written.size(), sample.size);
        const QByteArray expected = MagickBgr(sample.path, sample.coder);
        const bool ours =
            QStringList{"tga", "vst", "vda", "icb", "win", "bmp", "dib", "rle"}.contains(ext);
        EXPECT_TRUE(NearBytes(PackedBgr(written), expected, ours ? 0 : 1));
        r = Cli({QStringLiteral("convert"), sample.path, tga});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QByteArray page = ReadFile(tga);
        EXPECT_EQ(page.size(), 18 + 3 * sample.size.width() * sample.size.height());
        EXPECT_EQ(page.mid(16, 2), Bytes({24, 0x20}));
        EXPECT_EQ(MagickBgr(tga, QStringLiteral("TGA")), PackedBgr(written));
    }
}

TEST(CliImageCommands, InfoUsageAndFailures) {
    QTemporaryDir dir;
    const QString good = MakeSample(QDir(dir.path()), QStringLiteral("tga")).path;
    const QString broken = dir.filePath(QStringLiteral("broken.tga"));
    WriteFile(broken, QByteArray(40, '\x07'));
    const QString jpeg = dir.filePath(QStringLiteral("photo.jpeg"));
    WriteFile(jpeg, QByteArray("x"));
    const QString out = dir.filePath(QStringLiteral("out.bmp"));
    const QString icb = MakeSample(QDir(dir.path()), QStringLiteral("icb")).path;
    const QString cut = MakeSample(QDir(dir.path()), QStringLiteral("cut")).path;
    struct Row {
        QStringList args;
        int code;
        QString errorPart;
        QString output = {};
    } rows[] = {
        {{QStringLiteral("info"), good}, 0, QString(), QStringLiteral("24x16 24\n")},
        {{QStringLiteral("info"), icb}, 0, QString(), QStringLiteral("24x16 8\n")},
        {{QStringLiteral("info"), cut}, 0, QString(), QStringLiteral("6x3 24\n")},
        {{QStringLiteral("info")}, 2, QStringLiteral("Usage")},
        {{QStringLiteral("info"), good, good}, 2, QStringLiteral("Usage")},
        {{QStringLiteral("convert"), good}, 2, QStringLiteral("Usage")},
        {{QStringLiteral("convert"), good, dir.filePath(QStringLiteral("o.png"))},
         2,
         QStringLiteral("Usage")},
        {{QStringLiteral("info"), broken}, 1, QStringLiteral("Targa : image invalide")},
        {{QStringLiteral("convert"), broken, out}, 1, QStringLiteral("Targa : image invalide")},
        {{QStringLiteral("info"), dir.filePath(QStringLiteral("missing.bmp"))},
         1,
         QStringLiteral("Impossible de lire le fichier")},
        {{QStringLiteral("info"), jpeg}, 1, QStringLiteral("Erreur de Chargement de l'image")},
    };
    for (const Row& row : rows) {
        const CliResult r = Cli(row.args);
        EXPECT_EQ(r.code, row.code) << row.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(row.errorPart)) << r.err.toStdString();
        EXPECT_EQ(r.out, row.output);
    }
}

TEST(CliImageCommands, FailedConvertLeavesTheOldOutput) {
    QTemporaryDir dir;
    const QString broken = dir.filePath(QStringLiteral("broken.bmp"));
    WriteFile(broken, QByteArray("BM") + QByteArray(60, '\x01'));
    const QString out = dir.filePath(QStringLiteral("out.tga"));
    WriteFile(out, QByteArray("old contents"));
    EXPECT_EQ(Cli({QStringLiteral("convert"), broken, out}).code, 1);
    EXPECT_EQ(ReadFile(out), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary left over
}
