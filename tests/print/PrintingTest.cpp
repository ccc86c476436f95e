// Printing the page and contact sheets: the layout arithmetic worked by hand, failures through
// the recording printer, and real PDF files read back with poppler (pdfimages for the stored
// pictures, pdftoppm for where they land on the sheet).

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <span>

#include "platform/Error.h"
#include "platform/SafeFile.h"
#include "print/ContactSheet.h"
#include "print/PageLayout.h"
#include "print/PagePrinting.h"
#include "tests/support/Pictures.h"
#include "tests/support/RecordingPrinter.h"
#include "ui/widgets/QtPrinter.h"

namespace tessella::testing {
namespace {

using namespace print;

// The arithmetic of page printing and contact sheets, worked by hand from the layout rules.
TEST(PageLayout, HeightAndMiniatureFollowTheWidth) {
    const struct {
        int widthMm;
        double pictureWidth, pictureHeight, heightCm;
        int heightMm;
        QSize miniature;
    } rows[] = {
        {151, 256, 512, 30.2, 302, {69, 139}},  // 69.46 -> 69, 138.92 -> 139
        {150, 512, 256, 7.5, 75, {69, 34}},     // 34.5 goes to the even 34
        {1, 10000, 1, 0.00001, 1, {1, 1}},      // 0.0001 mm rounds to 0: kept at 1
    };
    for (const auto& r : rows) {
        const ShownSize s = SizeForWidth(r.widthMm, r.pictureWidth, r.pictureHeight);
        EXPECT_DOUBLE_EQ(s.heightCm, r.heightCm) << r.widthMm;
        EXPECT_EQ(s.heightMm, r.heightMm) << r.widthMm;
        EXPECT_EQ(s.miniatureSize, r.miniature) << r.widthMm;
    }
    EXPECT_THROW(SizeForWidth(150, 256, 0), platform::TessellaError);
    // 9 div 10 would give a picture 0 wide.
    QImage sliver(9, 40000, QImage::Format_BGR888);
    sliver.fill(Qt::green);
    EXPECT_EQ(MakeMiniatureSource(sliver).picture.size(), QSize(1, 4000));
}

TEST(PageLayout, TurnFitsThePhotoFormatAndPlacementAtOkAndOnTheDevice) {
    // 512 x 512 after the turn would be 15 x 15 cm: factor 10/15 to fit 15 x 10.
    const TurnedSize t = FitAfterTurn(true, 512, 512);
    EXPECT_EQ(t.widthMm, 100);
    EXPECT_DOUBLE_EQ(t.shown.heightCm, 10.0);
    EXPECT_EQ(FitAfterTurn(false, 256, 512).widthMm, 50);  // back to portrait: 10 x 20 cm
    OkSettings s;
    s.xMm = 20;
    s.yMm = 30;
    s.offsetXMm = 3;
    s.offsetYMm = 4;
    s.landscape = true;  // printed as the miniature shows it: turned, at the width shown
    const PagePlacement landscape = PlacementAtOk(s);
    EXPECT_EQ(QRect(landscape.xMm, landscape.yMm, landscape.widthMm, 0), QRect(17, 26, 150, 0));
    EXPECT_TRUE(landscape.turned);
    EXPECT_EQ(DeviceToMm(80, 600), 3);  // 3.39 mm
    EXPECT_THROW(DeviceToMm(80, 0), platform::TessellaError);
}

// Millimetres to device pixels, each rounded to the nearest, halves to even.
TEST(PageLayout, MillimetresRoundToDevicePixels) {
    const struct {
        QSize page;
        PagePlacement placement;
        int dpi;
        QRect printed;
    } rows[] = {
        // 254 dpi is 10 pixels a millimetre: 4 columns in 1 mm are 2.5 pixels each, so one
        // row is 2.5 -> 2 and three rows 7.5 -> 8.
        {{4, 1}, {1, 3, 7}, 254, {30, 70, 10, 2}},
        // 600 dpi, 23.622 a millimetre: 1 mm 23.6 -> 24, 3 mm 70.9 -> 71, 150 mm 3543.3.
        {{100, 100}, {150, 1, 3}, 600, {24, 71, 3543, 3543}},
        // A 1 mm print of a 1000-pixel-wide page: 0.003 pixels high, kept at 1.
        {{1000, 1}, {1, 0, 0}, 72, {0, 0, 3, 1}},
    };
    for (const auto& r : rows)
        EXPECT_EQ(PrintedRect(r.page, r.placement, r.dpi), r.printed)
            << r.page.width() << "x" << r.page.height() << " at " << r.dpi;
}

TEST(ContactSheetLayout, ThumbnailsCellsAndMagnification) {
    EXPECT_EQ(ThumbnailSize({260, 130}), QSize(130, 65));
    EXPECT_EQ(ThumbnailSize({100, 50}), QSize(100, 50));
    EXPECT_EQ(ThumbnailSize({1, 400}), QSize(1, 130));  // 0.325 wide would round to 0
    EXPECT_EQ(ThumbnailOrigin(23), QPoint(482, 852));
    EXPECT_EQ(SheetCount(25), 2);
    // The same place and size on paper at every resolution: 5 pixels a sheet pixel at 600.
    EXPECT_EQ(SheetPrintRect(600), QRect(300, 50, 3125, 5205));
    EXPECT_EQ(SheetPrintRect(300), QRect(150, 25, 1562, 2602));  // halves to even
}

TEST(ContactSheetLayout, ComposerClearsTheWholeSheet) {
    ContactSheetComposer composer({"/p/a.bmp"}, [](const QString&) {
        QImage picture(260, 130, QImage::Format_BGR888);
        picture.fill(Qt::red);
        return picture;
    });
    QImage sheet(kSheetWidth, kSheetHeight, QImage::Format_RGB32);
    sheet.fill(Qt::black);
    composer.composeNextSheet(sheet);
    EXPECT_EQ(sheet.pixelColor(624, 1040), QColor(Qt::white));
    EXPECT_EQ(sheet.pixelColor(131, 66), QColor(Qt::red));  // 130 x 65 from (2, 2)
    EXPECT_EQ(sheet.pixelColor(132, 30), QColor(Qt::white));
}

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
    printer.refuseStart = true;  // its message is PrintDialogTest's
    EXPECT_THROW(print::PrintPage(printer, HalfAndHalf(), {100, 20, 30}, {}),
                 platform::TessellaError);
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
    const ColourAt points[] = {{{471, 750}, Qt::white},  {{472, 750}, Qt::red},
                               {{500, 708}, Qt::white},  {{500, 709}, Qt::red},
                               {{1652, 1000}, Qt::red},  {{1653, 1000}, Qt::blue},
                               {{2836, 1000}, Qt::white}};
    ExpectColours(sheet, points);
    int dark = 0;
    for (int y = 1; y < 60; ++y)
        for (int x = 50; x < 300; ++x) dark += sheet.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 50);
    // The file is titled with the page's name.
    EXPECT_TRUE(
        Run("pdfinfo", {path("page.pdf")}).contains(QRegularExpression("Title: +page.bmp\n")));
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
        {{}, 1, cut},                                     // 150 mm wide is 400 mm high
        {{"--allow-cut", "--width-mm", "100,5"}, 0, {}},  // a decimal comma or point
        // Qt's A4 is 595 points, 209.9 mm: 59 mm from 150 fits, 60 would not.
        {{"--width-mm", "59", "--x-mm", "150", "--y-mm", "5"}, 0, {}},
        {{"--width-mm", "0"},
         2,
         QStringLiteral("Valeur refusée pour --width-mm : « 0 » (un nombre de 1 à 400)")},
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

TEST_F(PdfOutput, ContactSheetIsStoredAtItsOwnPixelsAndAFailureLeavesNoFile) {
    ASSERT_TRUE(Solid(64, 64, QColor(9, 0, 0)).save(path("s.bmp"), "BMP"));
    Run(TESSELLA_CLI, {"contact-sheet", "-o", path("sheet.pdf"), path("s.bmp")});
    const QList<QImage> sheets = stored(path("sheet.pdf"));
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_EQ(sheets[0].size(), QSize(625, 1041));             // at its own pixels
    EXPECT_EQ(sheets[0].pixelColor(65, 65), QColor(9, 0, 0));  // the first thumbnail at (2, 2)
    Run(TESSELLA_CLI, {"contact-sheet", "-o", path("x.pdf"), path("missing.xyz")}, 1);
    EXPECT_FALSE(QFile::exists(path("x.pdf")));
}

// The program's printer on a PDF file stores each sheet and page once at its own pixels, on
// portrait paper, each document in a file of its own, the sheet at its size on paper.
TEST_F(PdfOutput, QtPrinterSheetsKeepTheirSizeAndFiles) {
    QImage sheet = print::BlankSheet();
    sheet.fill(Qt::green);
    widgets::QtPrinter printer;
    QPrinter* pdf = printer.platformPrinter();
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(path("planche.pdf"));
    pdf->setResolution(1200);
    pdf->setPageMargins(QMarginsF());  // device pixels from the paper's corner
    printer.setOrientation(platform::PaperOrientation::Landscape);
    print::PrintSheet(printer, sheet);
    print::PrintSheet(printer, sheet);
    EXPECT_EQ(storedPictures(path("planche-2.pdf")), QStringList{"625 1041 image no"});
    // A page too: its own pixels, not the 4724 x 2362 of the device.
    print::PrintPage(printer, HalfAndHalf(), {100, 20, 30}, {"mur.tga", false, false});
    EXPECT_EQ(storedPictures(path("planche-3.pdf")), QStringList{"256 128 image no"});
    EXPECT_TRUE(Run("pdfinfo", {path("planche.pdf")})
                    .contains(QRegularExpression("595(\\.\\d+)? x 84[12]")));
    // Rendered at 120 dpi one sheet pixel is one rendered pixel: from (60, 10) to (684, 1050).
    const QImage page = render(path("planche.pdf"), 1, {720, 1080}, 120);
    const ColourAt points[] = {
        {{59, 500}, Qt::white}, {{61, 11}, Qt::green}, {{683, 1049}, Qt::green}};
    ExpectColours(page, points);
}

// A PDF refused by the disk leaves the older file whole and no other file, with one message;
// the help window's text printed to a file likewise.
TEST_F(PdfOutput, AFullDiskKeepsTheOlderFiles) {
    const QString old = path("planche.pdf"), help = path("aide.pdf");
    platform::WriteFileAtomically(old, "%PDF older");
    platform::WriteFileAtomically(help, "%PDF aide");
    widgets::QtPrinter printer;
    printer.platformPrinter()->setOutputFormat(QPrinter::PdfFormat);
    printer.platformPrinter()->setOutputFileName(old);
    QPrinter textPrinter(QPrinter::HighResolution);
    textPrinter.setOutputFormat(QPrinter::PdfFormat);
    textPrinter.setOutputFileName(help);
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
        EXPECT_EQ(e.message(),
                  QStringLiteral("Impossible d'écrire le fichier %1 : disque plein").arg(old));
    }
    QTextDocument text("Aide de Tessella");
    EXPECT_THROW(widgets::PrintTextDocument(text, textPrinter), platform::TessellaError);
    EXPECT_EQ(platform::ReadWholeFile(old), "%PDF older");
    EXPECT_EQ(platform::ReadWholeFile(help), "%PDF aide");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"aide.pdf", "planche.pdf"}));
}

}  // namespace
}  // namespace tessella::testing
