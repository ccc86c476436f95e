#include <sys/stat.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include "ImageSamples.h"
#include "imagefile/ImageLoader.h"

using namespace imagetest;

TEST(CliImageCommands, InfoUsageAndFailures) {
    QTemporaryDir dir;
    const QString good = MakeSample(QDir(dir.path()), "tga").path;
    const QString broken = dir.filePath("broken.tga");
    WriteFile(broken, QByteArray(40, '\x07'));
    const QString jpeg = dir.filePath("photo.jfif");
    WriteFile(jpeg, QByteArray("x"));
    const QString out = dir.filePath("out.bmp");
    WriteFile(out, "old contents");
    const QString fourBits = dir.filePath("four.bmp");
    WriteFile(fourBits, Bmp({.bits = 4,
                             .width = 3,
                             .height = 1,
                             .colours = 2,
                             .palette = QByteArray(8, 1),
                             .pixels = QByteArray(4, 0)}));
    struct Row {
        QStringList args;
        int code;
        QString errorPart;
        QString output = {};
    } rows[] = {
        {{"info", good}, 0, QString(), "24x16 24\n"},
        {{"info", fourBits}, 0, QString(), "3x1 4\n"},
        {{"info"}, 2, "Usage"},
        {{"convert", good}, 2, "Usage"},
        {{"info", broken}, 1, "Targa : image invalide"},
        {{"convert", broken, out}, 1, "Targa : image invalide"},
        {{"info", dir.filePath("missing.bmp")}, 1, "Impossible de lire le fichier"},
        {{"info", jpeg}, 1, "Erreur de Chargement de l'image"},
    };
    for (const Row& row : rows) {
        const CliResult r = Cli(row.args);
        EXPECT_EQ(r.code, row.code) << row.args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(row.errorPart)) << r.err.toStdString();
        EXPECT_EQ(r.out, row.output);
    }
    // The failed convert left the old output whole, and no temporary file beside it.
    EXPECT_EQ(ReadFile(out), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 6);
}

// Help and version go to standard output with status 0; bad usage to standard error with
// status 2. Operation arguments, print values and info's file names that look like options
// reach the command.
TEST(CliImageCommands, HelpVersionAndBadUsage) {
    QTemporaryDir dir;
    const QString good = MakeSample(QDir(dir.path()), "tga").path;
    const QString out = dir.filePath("out.bmp");
    const QString pdf = dir.filePath("out.pdf");
    const struct {
        QStringList args;
        int code;
        const char* inOutput;
        const char* inError;
    } rows[] = {
        {{"--help"}, 0, "Usage : tessella-cli COMMANDE", ""},
        {{"-h"}, 0, "tessella-cli contact-sheet -o SORTIE.pdf FICHIER...", ""},
        {{"--version"}, 0, "4.0", ""},
        {{"info", "--help"}, 0, "Usage : tessella-cli info [--seams] FICHIER", ""},
        {{"convert", "-h"}, 0, "convert ENTREE SORTIE.(tga|bmp|png)", ""},
        {{"op", "--help"}, 0, "tessella-cli op contrast QUANTITE ENTREE", ""},
        {{"print", "-h"}, 0, "--width-mm L", ""},
        {{"contact-sheet", "--help"}, 0, "Usage : tessella-cli contact-sheet", ""},
        {{"--bogus"}, 2, "", "Usage : tessella-cli COMMANDE"},
        {{"contact-sheet", "--bogus", "-o", pdf, good},
         2,
         "",
         "Usage : tessella-cli contact-sheet"},
        {{"info", "-x.tga"}, 1, "", "-x.tga"},  // still a file name, as it always was
        {{"op", "--bogus"}, 2, "", "Opération inconnue : --bogus"},
        {{"print", good, "--bogus", "-o", pdf}, 2, "", "Usage : tessella-cli print"},
        {{"print", good, "--x-mm", "-5", "-o", pdf}, 2, "", "Usage : tessella-cli print"},
        {{"op", "rgb", "-10", "5", "0", "1", good, out},
         2,
         "",
         "ROUGE : valeur hors limites (-10)"},
        {{"op", "contrast", "-50", good, out}, 0, "", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.args.join(' ').toStdString());
        const CliResult r = Cli(row.args);
        EXPECT_EQ(r.code, row.code);
        EXPECT_TRUE(r.out.contains(QString::fromUtf8(row.inOutput))) << r.out.toStdString();
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(row.inError))) << r.err.toStdString();
        EXPECT_EQ(r.out.isEmpty(), row.code != 0 || !*row.inOutput);
        EXPECT_EQ(r.err.isEmpty(), row.code == 0) << r.err.toStdString();
    }
    EXPECT_TRUE(QFileInfo::exists(out));
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

// Files that would take all the memory, block or keep a library busy fail at once, or within
// a few seconds, with our one French line: a valid BMP followed by 3 GB (sparse) of padding, a
// pipe and a device behind image names, a 60-byte WMF that declares 11585 x 11585 pixels; and
// a TIFF cut in half says so in our words alone, not in libtiff's. Nothing is left in the
// temporary folder.
TEST(CliImageCommands, HostileFilesFailFastAndQuietly) {
    QTemporaryDir dir;
    const QString padded = dir.filePath("padded.bmp");
    WriteFile(padded,
              Bmp({.bits = 24, .width = 64, .height = 64, .pixels = QByteArray(64 * 64 * 3, 9)}));
    ASSERT_TRUE(QFile::resize(padded, qint64{3} << 30));
    const QString pipe = dir.filePath("pipe.bmp");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString zero = dir.filePath("zero.tga");
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    const QString wmf = dir.filePath("huge.wmf");
    WriteFile(wmf, WmfFile(11585, 11585));
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
        {padded, "fichier trop grand", 2},
        {pipe, "ce n'est pas un fichier ordinaire", 2},
        {zero, "ce n'est pas un fichier ordinaire", 2},
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
    // Qt's offscreen platform makes its run-time folder there; the library's files are ours.
    EXPECT_EQ(QDir(temporary).entryList({"*magick*"},
                                        QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList());
}

// Without its decoder program, a format ImageMagick decodes fails with one French line that
// names what is missing; the old output stays.
TEST(CliImageCommands, AMissingDecoderIsToldAndNothingIsWritten) {
    QTemporaryDir dir;
    const QString pcx = MakeSample(QDir(dir.path()), "pcx").path;
    const QString out = dir.filePath("out.bmp");
    WriteFile(out, QByteArray("old"));
    const QString missing = dir.filePath("no-decoder");
    const CliResult r = Cli({"convert", pcx, out}, {}, missing);
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err, QStringLiteral("Impossible de décoder l'image %1 : programme de décodage %2 "
                                    "introuvable\n")
                         .arg(pcx, missing));
    EXPECT_EQ(ReadFile(out), QByteArray("old"));
}

// convert gives, for each format ImageMagick also reads, the pixels ImageMagick decodes (the
// BMP output read back by Qt). Our TGA and BMP decoders must match exactly; ImageMagick's 8-bit
// export rounds 16-bit samples (SGI, PSD, TIFF, PNM, PCD, WMF) differently, 1 apart at most.
TEST(CliImageCommands, ConvertMatchesImageMagick) {
    QTemporaryDir dir;
    const QString out = dir.filePath("out.bmp");
    for (const char* ext :
         {"tga", "bmp", "jpg", "gif", "tif", "sgi", "ppm", "psd", "pcx", "pcd", "cut", "wmf"}) {
        SCOPED_TRACE(ext);
        const Sample sample = MakeSample(QDir(dir.path()), QString::fromLatin1(ext));
        const CliResult r = Cli({"convert", sample.path, out});
        ASSERT_EQ(r.code, 0) << r.err.toStdString();
        const QByteArray ours = PackedBgr(QImage::fromData(ReadFile(out), "BMP"));
        const QByteArray theirs = RunConvert({sample.path, "-auto-orient", "-depth", "8",
                                              "-background", "white", "-flatten", "bgr:-"});
        ASSERT_EQ(ours.size(), theirs.size());
        const int tolerance = QByteArray(ext) == "tga" || QByteArray(ext) == "bmp" ? 0 : 1;
        int worst = 0;
        for (qsizetype i = 0; i < ours.size(); ++i)
            worst = std::max(worst, std::abs(uchar(ours[i]) - uchar(theirs[i])));
        EXPECT_LE(worst, tolerance);
    }
}
