// Printing the page and contact sheets: failures through the recording printer, and real PDF
// files from tessella-cli read back with poppler (pdfimages for the stored pictures, pdftoppm
// for where they land on the sheet).

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <cstring>
#include <span>

#include "platform/Error.h"
#include "platform/PrinterTexts.h"
#include "platform/SafeFile.h"
#include "print/ContactSheet.h"
#include "print/PagePrinting.h"
#include "tests/support/Pictures.h"
#include "tests/support/RecordingPrinter.h"
#include "ui/widgets/QtPrinter.h"

namespace tessella::testing {
namespace {

// 256 x 128: the left half red, the right half blue.
QImage HalfAndHalf() {
    QImage page = Solid(256, 128, Qt::blue);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) page.setPixelColor(x, y, Qt::red);
    return page;
}

// Pixels of noise: 64 x 64 of them take some 12 KiB of PDF even compressed.
QImage Noise(int width = 64, int height = 64) {
    QImage page = Solid(width, height, Qt::black);
    uint32_t state = 7;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            page.setPixel(x, y, state >> 8);
        }
    return page;
}

TEST(PagePrinting, FailuresLeaveNoDocumentOpen) {
    RecordingPrinter printer;
    printer.refuseStart = true;
    try {
        print::PrintPage(printer, HalfAndHalf(), {100, 20, 30}, {});
        ADD_FAILURE() << "a refused start is a failure";
    } catch (const platform::TessellaError& e) {
        EXPECT_EQ(e.message(), platform::kPrintRefusedMessage);
    }
    printer.refuseStart = false;
    // Beyond the pixel limit the resampling fails before any document begins.
    EXPECT_THROW(
        print::PrintPage(printer, Solid(1, 30000, Qt::red), {400, 0, 0}, {QString(), false, true}),
        platform::TessellaError);
    printer.available = false;
    EXPECT_THROW(print::PrintSheet(printer, print::BlankSheet()), platform::TessellaError);
    EXPECT_TRUE(printer.documents.empty());
}

struct ColourAt {
    QPoint at;
    QColor colour;
};
void ExpectColours(const QImage& picture, std::span<const ColourAt> points) {
    for (const ColourAt& p : points)
        EXPECT_EQ(picture.pixelColor(p.at), p.colour) << p.at.x() << "," << p.at.y();
}

class PdfOutput : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    // Runs a program; answers its standard output.
    static QString Run(const QString& program, const QStringList& args, int status = 0) {
        QProcess p;
        p.start(program, args);
        EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
        EXPECT_EQ(p.exitCode(), status) << args.join(' ').toStdString() << "\n"
                                        << p.readAllStandardError().toStdString();
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // "width height encoding interpolation" of each picture stored in the PDF.
    QStringList storedPictures(const QString& pdf) const {
        QStringList pictures;
        for (const QString& line : Run("pdfimages", {"-list", pdf}).split('\n').mid(2)) {
            const QStringList f = line.simplified().split(' ');
            if (f.size() > 9) pictures << f[3] + ' ' + f[4] + ' ' + f[8] + ' ' + f[9];
        }
        return pictures;
    }
    // Page `page` rendered at dpi, its top-left corner of the given size.
    QImage render(const QString& pdf, int page, QSize size = {800, 800}, int dpi = 600) const {
        const QString n = QString::number(page);
        Run("pdftoppm",
            {"-r", QString::number(dpi), "-f", n, "-l", n, "-W", QString::number(size.width()),
             "-H", QString::number(size.height()), "-singlefile", "-png", pdf, path("render")});
        return QImage(path("render.png"));
    }
    // The pictures stored in the PDF, as pdfimages gives them back, in 32 bits.
    QList<QImage> stored(const QString& pdf) const {
        Run("pdfimages", {"-png", pdf, path("stored")});
        QList<QImage> pictures;
        for (const QString& file : QDir(dir.path()).entryList({"stored-*.png"}, QDir::Files))
            pictures << QImage(path(file)).convertToFormat(QImage::Format_RGB32);
        return pictures;
    }

    QTemporaryDir dir;
};

TEST_F(PdfOutput, PrintedPageKeepsPlaceSizeAndColours) {
    ASSERT_TRUE(HalfAndHalf().save(path("page.bmp"), "BMP"));
    Run(TESSELLA_CLI, {"print", path("page.bmp"), "--width-mm", "100", "--x-mm", "20", "--y-mm",
                       "30", "--name", "-o", path("page.pdf")});
    // The page is stored once, at its own pixels, losslessly, not to be interpolated.
    EXPECT_EQ(storedPictures(path("page.pdf")), QStringList{"256 128 image no"});
    EXPECT_EQ(stored(path("page.pdf")),
              QList<QImage>{HalfAndHalf().convertToFormat(QImage::Format_RGB32)});

    // 100 mm at 600 dpi: 2362 x 1181 device pixels from (472, 709), 20 and 30 mm; the red
    // half ends sharp at 472 + 1181. poppler rounds the far edges out by a pixel, so those are
    // looked at two pixels out. The name is written near (50, 1).
    const QImage sheet = render(path("page.pdf"), 1, {2900, 1950});
    const ColourAt points[] = {
        {{471, 750}, Qt::white},  {{472, 750}, Qt::red},     {{500, 708}, Qt::white},
        {{500, 709}, Qt::red},    {{1652, 1000}, Qt::red},   {{1653, 1000}, Qt::blue},
        {{2833, 1889}, Qt::blue}, {{2836, 1000}, Qt::white}, {{2000, 1892}, Qt::white}};
    ExpectColours(sheet, points);
    int dark = 0;
    for (int y = 1; y < 60; ++y)
        for (int x = 50; x < 300; ++x) dark += sheet.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 50);
    // The file is titled with the page's name.
    EXPECT_TRUE(
        Run("pdfinfo", {path("page.pdf")}).contains(QRegularExpression("Title: +page.bmp\n")));
}

// "Orientation" prints what the miniature shows: the page turned clockwise on portrait paper.
TEST_F(PdfOutput, LandscapePrintsThePageTurnedOnPortraitPaper) {
    // 64 x 256: the top half red, the bottom half blue. Turned clockwise the top goes right.
    QImage page = Solid(64, 256, Qt::blue);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 64; ++x) page.setPixelColor(x, y, Qt::red);
    ASSERT_TRUE(page.save(path("tall.bmp"), "BMP"));
    Run(TESSELLA_CLI, {"print", path("tall.bmp"), "--landscape", "-o", path("wide.pdf")});
    EXPECT_TRUE(
        Run("pdfinfo", {path("wide.pdf")}).contains(QRegularExpression("595(\\.\\d+)? x 84[12]")));
    EXPECT_EQ(storedPictures(path("wide.pdf")), QStringList{"256 64 image no"});
    // 150 mm wide is 3543 pixels, 37.5 mm high 886, from (472, 472): blue, then red from
    // 472 + 3543 / 2 = 2243.5.
    const QImage sheet = render(path("wide.pdf"), 1, {4100, 1450});
    const ColourAt points[] = {
        {{471, 600}, Qt::white}, {{472, 600}, Qt::blue},   {{2242, 600}, Qt::blue},
        {{2245, 600}, Qt::red},  {{1000, 471}, Qt::white}, {{1000, 472}, Qt::blue},
        {{4012, 1355}, Qt::red}, {{4018, 900}, Qt::white}, {{3000, 1361}, Qt::white}};
    ExpectColours(sheet, points);
}

// A picture that leaves the paper is refused unless cutting is allowed; a wrong value is named.
TEST_F(PdfOutput, OffThePaperAndWrongValuesAreRefused) {
    ASSERT_TRUE(Solid(240, 640, Qt::red).save(path("tall.bmp"), "BMP"));
    const QString cut =
        QStringLiteral("L'image dépasse de la feuille : elle serait imprimée coupée.");
    const struct {
        QStringList options;
        int status;
        QString error;  // the first line on standard error
    } rows[] = {
        {{}, 1, cut},  // 150 mm wide is 400 mm high
        {{"--allow-cut"}, 0, {}},
        {{"--width-mm", "50", "--x-mm", "150", "--width-mm", "100"}, 1, cut},  // 250 mm of 210
        // Qt's A4 is 595 points, 209.9 mm: 59 mm from 150 fits, 60 would not.
        {{"--width-mm", "59", "--x-mm", "150", "--y-mm", "5"}, 0, {}},
        {{"--width-mm", "0"},
         2,
         QStringLiteral("Valeur refusée pour --width-mm : « 0 » (un nombre de 1 à 400)")},
        {{"--x-mm=-5"},
         2,
         QStringLiteral("Valeur refusée pour --x-mm : « -5 » (un nombre de 0 à 400)")},
        {{"--y-mm", "-1"},
         2,
         QStringLiteral("Valeur refusée pour --y-mm : « -1 » (un nombre de 0 à 400)")},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.options.join(' ').toStdString());
        QFile::remove(path("out.pdf"));
        QProcess cli;
        cli.start(TESSELLA_CLI, QStringList{"print", path("tall.bmp")} + r.options +
                                    QStringList{"-o", path("out.pdf")});
        ASSERT_TRUE(cli.waitForFinished(60000));
        EXPECT_EQ(cli.exitCode(), r.status);
        const QString error = QString::fromUtf8(cli.readAllStandardError());
        EXPECT_EQ(error.section('\n', 0, 0), r.error);
        EXPECT_EQ(QFile::exists(path("out.pdf")), r.status == 0);
    }
}

TEST_F(PdfOutput, ContactSheetOfTwentyFiveFilesHasTwoPages) {
    QStringList args{"contact-sheet", "-o", path("sheet.pdf")};
    for (int i = 1; i <= 25; ++i) {
        args << path(QStringLiteral("s%1.bmp").arg(i, 2, 10, QChar('0')));
        ASSERT_TRUE(Solid(64, 64, QColor(i * 9, 0, 0)).save(args.last(), "BMP"));
    }
    Run(TESSELLA_CLI, args);
    // Each sheet stored once at its own 625 x 1041 pixels; the first thumbnail at (2, 2).
    EXPECT_EQ(storedPictures(path("sheet.pdf")),
              QStringList({"625 1041 image no", "625 1041 image no"}));
    const QList<QImage> sheets = stored(path("sheet.pdf"));
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_EQ(sheets[0].pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(sheets[0].pixelColor(2, 2), QColor(9, 0, 0));
    EXPECT_EQ(sheets[0].pixelColor(65, 65), QColor(9, 0, 0));
    EXPECT_EQ(sheets[0].pixelColor(66, 30), QColor(Qt::white));
    // At 600 dpi each sheet pixel is 5 device pixels: 3125 x 5205 from (300, 50).
    // The first thumbnail, at sheet (2, 2), lands at (310, 60), 320 pixels a side.
    const QImage first = render(path("sheet.pdf"), 1);
    EXPECT_EQ(first.pixelColor(309, 200), QColor(Qt::white));
    EXPECT_EQ(first.pixelColor(310, 200), QColor(9, 0, 0));
    EXPECT_EQ(first.pixelColor(629, 379), QColor(9, 0, 0));
    const QImage second = render(path("sheet.pdf"), 2);
    EXPECT_EQ(second.pixelColor(400, 200), QColor(225, 0, 0));
    EXPECT_EQ(second.pixelColor(700, 200), QColor(Qt::white));  // nothing in cell 2

    // An unreadable file: a failure, and no file left behind.
    Run(TESSELLA_CLI, {"contact-sheet", "-o", path("x.pdf"), path("missing.xyz")}, 1);
    EXPECT_FALSE(QFile::exists(path("x.pdf")));
}

// The program's printer on a PDF file stores each sheet and page once at its own pixels, on
// portrait paper whatever the page print chose, each document in a file of its own; the sheet lands
// at the same place and size at 600 and 1200 dpi.
TEST_F(PdfOutput, QtPrinterSheetsKeepTheirSizeAtEveryResolution) {
    QImage sheet = print::BlankSheet();
    sheet.fill(Qt::green);
    for (const int dpi : {600, 1200}) {
        SCOPED_TRACE(dpi);
        const QString name = QStringLiteral("planche%1").arg(dpi);
        widgets::QtPrinter printer;
        QPrinter* pdf = printer.platformPrinter();
        pdf->setOutputFormat(QPrinter::PdfFormat);
        pdf->setOutputFileName(path(name + ".pdf"));
        pdf->setResolution(dpi);
        pdf->setPageMargins(QMarginsF());  // device pixels from the paper's corner
        printer.setOrientation(platform::PaperOrientation::Landscape);
        print::PrintSheet(printer, sheet);
        print::PrintSheet(printer, sheet);
        EXPECT_EQ(pdf->outputFileName(), path(name + ".pdf"));  // the choice stays as it was
        EXPECT_EQ(storedPictures(path(name + ".pdf")), QStringList{"625 1041 image no"});
        EXPECT_EQ(storedPictures(path(name + "-2.pdf")), QStringList{"625 1041 image no"});
        // A page too: its own pixels, not the 2362 x 1181 or 4724 x 2362 of the device.
        print::PrintPage(printer, HalfAndHalf(), {100, 20, 30}, {"mur.tga", false, false});
        EXPECT_EQ(storedPictures(path(name + "-3.pdf")), QStringList{"256 128 image no"});
        EXPECT_TRUE(Run("pdfinfo", {path(name + "-3.pdf")})
                        .contains(QRegularExpression("Title: +mur.tga\\n")));
        EXPECT_TRUE(Run("pdfinfo", {path(name + ".pdf")})
                        .contains(QRegularExpression("595(\\.\\d+)? x 84[12]")));
        // Rendered at 120 dpi one sheet pixel is one rendered pixel (5 at 600 dpi): the sheet
        // covers (60, 10) to (684, 1050), 132.3 x 220.3 mm.
        const QImage page = render(path(name + ".pdf"), 1, {720, 1080}, 120);
        const ColourAt points[] = {{{59, 500}, Qt::white},   {{61, 500}, Qt::green},
                                   {{300, 9}, Qt::white},    {{300, 11}, Qt::green},
                                   {{683, 1049}, Qt::green}, {{686, 500}, Qt::white},
                                   {{300, 1052}, Qt::white}};
        ExpectColours(page, points);
    }
}

QString FullDiskMessage(const QString& file) {
    return QStringLiteral("Impossible d'écrire le fichier %1 : disque plein").arg(file);
}

// A PDF refused by the disk leaves the older file whole and no other file, with one message.
TEST_F(PdfOutput, QtPrinterKeepsTheOlderFileWhenTheDiskRefuses) {
    const QString old = path("planche.pdf");
    platform::WriteFileAtomically(old, "%PDF older");
    widgets::QtPrinter printer;
    printer.platformPrinter()->setOutputFormat(QPrinter::PdfFormat);
    printer.platformPrinter()->setOutputFileName(old);
    platform::detail::FileCalls calls = platform::detail::CurrentFileCalls();
    calls.write = [real = calls.write, count = 0](int fd, const void* data,
                                                  std::size_t size) mutable {
        if (++count == 1) return real(fd, data, std::min<std::size_t>(size, 4096));
        errno = ENOSPC;
        return ssize_t(-1);
    };
    platform::detail::ScopedFileCalls fullAfterFourKilobytes(calls);
    try {
        print::PrintSheet(printer, Noise(print::kSheetWidth, print::kSheetHeight));
        ADD_FAILURE() << "a full disk is a failure";
    } catch (const platform::TessellaError& e) {
        EXPECT_EQ(e.message(), FullDiskMessage(old));
    }
    EXPECT_EQ(platform::ReadWholeFile(old), "%PDF older");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"planche.pdf"});
}

// The help window's text printed to a file: written whole, or the older file kept.
TEST_F(PdfOutput, TextDocumentPrintedToAFileIsWrittenWhole) {
    QTextDocument help;
    help.setPlainText("Aide de Tessella");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("aide.pdf"));
    widgets::PrintTextDocument(help, printer);
    EXPECT_TRUE(Run("pdftotext", {path("aide.pdf"), "-"}).contains("Aide de Tessella"));
    const QByteArray older = platform::ReadWholeFile(path("aide.pdf"));

    platform::detail::FileCalls calls = platform::detail::CurrentFileCalls();
    calls.write = [](int, const void*, std::size_t) {
        errno = ENOSPC;
        return ssize_t(-1);
    };
    platform::detail::ScopedFileCalls fullDisk(calls);
    help.setPlainText("Autre texte");
    try {
        widgets::PrintTextDocument(help, printer);
        ADD_FAILURE() << "a full disk is a failure";
    } catch (const platform::TessellaError& e) {
        EXPECT_EQ(e.message(), FullDiskMessage(path("aide.pdf")));
    }
    EXPECT_EQ(platform::ReadWholeFile(path("aide.pdf")), older);
}

// The same on a real full disk, for the command line and the program's printer: a 200 KiB
// tmpfs in a mount namespace of the test's own.
TEST_F(PdfOutput, FullDiskKeepsTheOlderPdf) {
    const QByteArray folder = QFile::encodeName(path("disk"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
    if (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
        mount("tmpfs", folder.constData(), "tmpfs", 0, "size=200k") != 0)
        GTEST_SKIP() << "cannot mount a tmpfs here: " << std::strerror(errno);
    const QString old = path("disk/page.pdf"), filler = path("disk/filler");
    ASSERT_TRUE(Noise().save(path("page.bmp"), "BMP"));
    Run(TESSELLA_CLI, {"print", path("page.bmp"), "-o", old});
    const QByteArray older = platform::ReadWholeFile(old);
    // Everything but 4 KiB taken: far less than a page's PDF.
    const int fd = open(QFile::encodeName(filler).constData(), O_WRONLY | O_CREAT, 0644);
    const QByteArray block(4096, 'f');
    off_t size = 0;
    for (ssize_t n; (n = write(fd, block.constData(), block.size())) > 0;) size += n;
    ASSERT_EQ(ftruncate(fd, size - 4096), 0);
    close(fd);

    QProcess cli;
    cli.start(TESSELLA_CLI, {"print", path("page.bmp"), "--x-mm", "40", "-o", old});
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(cli.readAllStandardError()).trimmed(), FullDiskMessage(old));
    EXPECT_EQ(platform::ReadWholeFile(old), older);

    widgets::QtPrinter printer;
    printer.platformPrinter()->setOutputFormat(QPrinter::PdfFormat);
    printer.platformPrinter()->setOutputFileName(old);
    EXPECT_THROW(print::PrintPage(printer, Noise(256, 128), {100, 20, 30}, {}),
                 platform::TessellaError);
    EXPECT_EQ(platform::ReadWholeFile(old), older);
    EXPECT_EQ(QDir(path("disk")).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"filler", "page.pdf"}));
    umount2(folder.constData(), MNT_DETACH);
}

}  // namespace
}  // namespace tessella::testing
