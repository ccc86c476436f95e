#include <sys/stat.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;

// Answers on standard output with status 0; failures as one French line on standard error
// with 1, bad usage with 2.
TEST(CliImageCommands, InfoHelpUsageAndFailures) {
    QTemporaryDir dir;
    const QString good = MakeSample(QDir(dir.path()), "tga").path;
    const QString broken = FileIn(dir, "broken.tga", QByteArray(40, '\x07'));
    const QString jpeg = dir.filePath("photo.jfif");
    WriteFile(jpeg, QByteArray("x"));
    const QString out = FileIn(dir, "out.bmp", "old contents");
    const QString pdf = dir.filePath("out.pdf");
    const QString fourBits = dir.filePath("four.bmp");
    WriteFile(fourBits, Bmp({.bits = 4,
                             .width = 3,
                             .height = 1,
                             .colours = 2,
                             .palette = QByteArray(8, 1),
                             .pixels = QByteArray(4, 0)}));
    const struct {
        QStringList args;
        int code;
        const char* inOutput;
        const char* inError;
    } rows[] = {
        {{"info", good}, 0, "24x16 24\n", ""},
        {{"info", fourBits}, 0, "3x1 4\n", ""},
        {{"--help"}, 0, "Usage : tessella-cli COMMANDE", ""},
        {{"--version"}, 0, "4.0", ""},
        {{"info", "--help"}, 0, "Usage : tessella-cli info [--seams] FICHIER", ""},
        {{"--bogus"}, 2, "", "Usage : tessella-cli COMMANDE"},
        {{"convert", good}, 2, "", "Usage"},
        {{"convert", broken, out}, 1, "", "Targa : image invalide"},
        {{"info", dir.filePath("missing.bmp")}, 1, "", "Impossible de lire le fichier"},
        {{"info", jpeg}, 1, "", "Erreur de Chargement de l'image"},
        {{"info", "-x.tga"}, 1, "", "-x.tga"},  // still a file name
        {{"op", "--bogus"}, 2, "", "Opération inconnue : --bogus"},
        {{"print", good, "--x-mm", "-5", "-o", pdf}, 2, "", "Usage : tessella-cli print"},
        {{"op", "rgb", "-10", "5", "0", "1", good, out},
         2,
         "",
         "ROUGE : valeur hors limites (-10)"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliResult r = Cli(row.args);
        EXPECT_EQ(r.code, row.code);
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(row.inOutput))) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.inError))) << r.err.toStdString();
        EXPECT_EQ(r.out.isEmpty(), row.code != 0) << r.out.toStdString();
        EXPECT_EQ(r.err.isEmpty(), row.code == 0) << r.err.toStdString();
    }
    // Failed commands left the old output whole, no temporary file beside it, and no PDF.
    EXPECT_EQ(ReadFile(out), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 6);
}

// Files that would take all the memory, block or keep a library busy fail fast with one French
// line (a cut TIFF in our words, not libtiff's), leaving nothing in the temporary folder.
TEST(CliImageCommands, HostileFilesFailFastAndQuietly) {
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.bmp");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString wmf = FileIn(dir, "huge.wmf", WmfFile(11585, 11585));
    const QString cutTiff = MakeSample(QDir(dir.path()), "tif").path;
    const QByteArray tiff = ReadFile(cutTiff);
    WriteFile(cutTiff, tiff.left(tiff.size() / 2));
    const QString temporary = dir.filePath("tmp");
    ASSERT_TRUE(QDir().mkpath(temporary));
    const struct {
        QString file;
        const char* error;
        int seconds;
    } rows[] = {
        {pipe, "ce n'est pas un fichier ordinaire", 2},
        {wmf, "Impossible de décoder l'image", 9},
        {cutTiff, "fichier endommagé ou format invalide", 2},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file.toStdString());
        QElapsedTimer clock;
        clock.start();
        const CliResult r = Cli({"info", row.file}, temporary);
        EXPECT_LT(clock.elapsed(), row.seconds * 1000);
        EXPECT_EQ(r.code, 1);
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.error))) << r.err.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
        EXPECT_EQ(r.out, QString());
    }
    EXPECT_EQ(QDir(temporary).entryList({"*magick*"},
                                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

// Without its decoder program, one French line names what is missing; the old output stays.
TEST(CliImageCommands, AMissingDecoderIsToldAndNothingIsWritten) {
    QTemporaryDir dir;
    const QString pcx = MakeSample(QDir(dir.path()), "pcx").path;
    const QString out = FileIn(dir, "out.bmp", QByteArray("old"));
    const QString missing = dir.filePath("no-decoder");
    const CliResult r = Cli({"convert", pcx, out}, {}, missing);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, QStringLiteral("Impossible de décoder l'image %1 : programme de décodage %2 "
                                    "introuvable\n")
                         .arg(pcx, missing));
    EXPECT_EQ(ReadFile(out), QByteArray("old"));
}

// A picture at 300 x 150 dpi (11811 x 5906 pixels a metre) keeps both values through a PNG,
// each in its place: written from a BMP, and read back into one.
TEST(CliImageCommands, ConvertKeepsEachResolutionInItsPlace) {
    QTemporaryDir dir;
    const QString bmp = dir.filePath("in.bmp"), png = dir.filePath("out.png");
    const QByteArray resolution = Le(11811, 4) + Le(5906, 4);
    WriteFile(
        bmp,
        Bmp({.width = 1, .height = 1, .pixels = Bytes({1, 2, 3, 0})}).replace(38, 8, resolution));
    ASSERT_EQ(Cli({"convert", bmp, png}).code, 0);
    const QImage written(png, "PNG");  // Qt's own reader
    EXPECT_EQ(written.dotsPerMeterX(), 11811);
    EXPECT_EQ(written.dotsPerMeterY(), 5906);
    const QString back = dir.filePath("back.bmp");
    ASSERT_EQ(Cli({"convert", png, back}).code, 0);
    EXPECT_EQ(ReadFile(back).mid(38, 8), resolution);
}
