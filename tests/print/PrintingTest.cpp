// Printing the page and contact sheets: through the recording printer, and for real into PDF
// files read back with poppler (pdfimages for the stored pictures, pdftoppm for where they land).

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "platform/Error.h"
#include "platform/PrinterTexts.h"
#include "print/ContactSheet.h"
#include "print/PagePrinting.h"
#include "tests/support/RecordingPrinter.h"

namespace tessella::testing {
namespace {

// 256 x 128: the left half red, the right half blue.
QImage HalfAndHalf() {
    QImage page(256, 128, QImage::Format_BGR888);
    page.fill(Qt::blue);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) page.setPixelColor(x, y, Qt::red);
    return page;
}

TEST(PagePrinting, ResampledPageLandsAtItsPlaceWithTheName) {
    RecordingPrinter printer;
    // 100 mm at 600 dpi: 2362.2 pixels wide, 1181.1 high; X 20 mm = 472.4, Y 30 mm = 708.7.
    print::PrintPage(printer, HalfAndHalf(), {100, 20, 30}, "mur.tga");
    ASSERT_EQ(printer.documents.size(), 1u);
    const auto& doc = printer.documents[0];
    EXPECT_TRUE(doc.ended);
    ASSERT_EQ(doc.texts.size(), 1u);
    EXPECT_EQ(doc.texts[0], std::make_pair(QPoint(50, 1), QString("mur.tga")));
    ASSERT_EQ(doc.pictures.size(), 1u);
    EXPECT_EQ(doc.pictures[0].target, QRect(472, 709, 2362, 1181));
    // Point sampling: column x takes source column floor((x + 0.5) x 256 / 2362).
    const QImage& printed = doc.pictures[0].picture;
    EXPECT_EQ(printed.pixelColor(1180, 0), QColor(Qt::red));
    EXPECT_EQ(printed.pixelColor(1181, 1180), QColor(Qt::blue));
}

TEST(PagePrinting, FailuresLeaveNoDocumentOpen) {
    RecordingPrinter printer;
    printer.refuseStart = true;
    try {
        print::PrintPage(printer, HalfAndHalf(), {100, 20, 30}, {});
        FAIL() << "a refused start is a failure";
    } catch (const platform::TessellaError& e) {
        EXPECT_EQ(e.message(), platform::kPrintRefusedMessage);
    }
    printer.refuseStart = false;
    // Beyond the pixel limit the resampling fails before any document begins.
    QImage tall(1, 30000, QImage::Format_BGR888);
    tall.fill(Qt::red);
    EXPECT_THROW(print::PrintPage(printer, tall, {400, 0, 0}, {}), platform::TessellaError);
    EXPECT_TRUE(printer.documents.empty());
    printer.available = false;
    EXPECT_THROW(print::PrintSheet(printer, print::BlankSheet()), platform::TessellaError);
    EXPECT_TRUE(printer.documents.empty());
}

// Runs a program; answers its standard output.
QByteArray RunTool(const QString& program, const QStringList& args, int expectedStatus = 0) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), expectedStatus)
        << program.toStdString() << " " << args.join(' ').toStdString() << "\n"
        << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

class PdfOutput : public ::testing::Test {
  protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    // The pictures stored in the PDF: "width height encoding" per picture, in order.
    QStringList storedPictures(const QString& pdf) const {
        QStringList pictures;
        const QStringList lines =
            QString::fromUtf8(RunTool("pdfimages", {"-list", pdf})).split('\n', Qt::SkipEmptyParts);
        for (const QString& line : lines.mid(2)) {
            const QStringList f = line.simplified().split(' ');
            pictures << QStringLiteral("%1 %2 %3").arg(f[3], f[4], f[8]);
        }
        return pictures;
    }
    // A 600 dpi rendering of a part of page `page`.
    QImage render(const QString& pdf, int page, QRect area) const {
        RunTool("pdftoppm", {"-r", "600", "-f", QString::number(page), "-l", QString::number(page),
                         "-x", QString::number(area.x()), "-y", QString::number(area.y()), "-W",
                         QString::number(area.width()), "-H", QString::number(area.height()),
                         "-singlefile", "-png", pdf, path("render")});
        return QImage(path("render.png")).convertToFormat(QImage::Format_RGB888);
    }
    // The first picture stored in the PDF, as it is stored.
    QImage firstStoredPicture(const QString& pdf) const {
        RunTool("pdfimages", {"-f", "1", "-l", "1", "-png", pdf, path("stored")});
        return QImage(path("stored-000.png")).convertToFormat(QImage::Format_RGB888);
    }

    QTemporaryDir dir;
};

TEST_F(PdfOutput, PrintedPageKeepsPlaceSizeAndColours) {
    ASSERT_TRUE(HalfAndHalf().save(path("page.bmp"), "BMP"));
    RunTool(TESSELLA_CLI, {"print", path("page.bmp"), "--width-mm", "100", "--x-mm", "20",
                       "--y-mm", "30", "--name", "-o", path("page.pdf")});
    // Stored losslessly at the device size: nothing for the viewer to resample.
    EXPECT_EQ(storedPictures(path("page.pdf")), QStringList{"2362 1181 image"});
    const QImage stored = firstStoredPicture(path("page.pdf"));
    EXPECT_EQ(stored.pixelColor(1180, 600), QColor(Qt::red));
    EXPECT_EQ(stored.pixelColor(1181, 600), QColor(Qt::blue));
    EXPECT_EQ(stored.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(stored.pixelColor(2361, 1180), QColor(Qt::blue));

    // On the sheet its corner is at (472, 709); the name is written near (50, 1).
    const QImage corner = render(path("page.pdf"), 1, {0, 0, 600, 800});
    EXPECT_EQ(corner.pixelColor(471, 750), QColor(Qt::white));
    EXPECT_EQ(corner.pixelColor(472, 750), QColor(Qt::red));
    EXPECT_EQ(corner.pixelColor(500, 708), QColor(Qt::white));
    EXPECT_EQ(corner.pixelColor(500, 709), QColor(Qt::red));
    int dark = 0;
    for (int y = 1; y < 60; ++y)
        for (int x = 50; x < 300; ++x) dark += corner.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(dark, 50);
}

TEST_F(PdfOutput, LandscapePaperAndRefusedArguments) {
    ASSERT_TRUE(HalfAndHalf().save(path("page.bmp"), "BMP"));
    RunTool(TESSELLA_CLI, {"print", path("page.bmp"), "--landscape", "-o", path("wide.pdf")});
    EXPECT_TRUE(QString::fromUtf8(RunTool("pdfinfo", {path("wide.pdf")}))
                    .contains(QRegularExpression("Page size: +842 x 595")));
    RunTool(TESSELLA_CLI, {"print", path("page.bmp"), "--width-mm", "0", "-o", path("x.pdf")}, 2);
    RunTool(TESSELLA_CLI, {"print", path("page.bmp"), "-o", path("x.png")}, 2);
    RunTool(TESSELLA_CLI, {"contact-sheet", "-o", path("x.pdf"), path("missing.xyz")}, 1);
    EXPECT_FALSE(QFile::exists(path("x.pdf")));
}

TEST_F(PdfOutput, ContactSheetOfTwentyFiveFilesHasTwoPages) {
    QStringList args{"contact-sheet", "-o", path("sheet.pdf")};
    for (int i = 1; i <= 25; ++i) {
        QImage picture(64, 64, QImage::Format_RGB888);
        picture.fill(QColor(i * 9, 0, 0));
        const QString file = path(QStringLiteral("s%1.bmp").arg(i, 2, 10, QChar('0')));
        ASSERT_TRUE(picture.save(file, "BMP"));
        args << file;
    }
    RunTool(TESSELLA_CLI, args);
    // A4 at 600 dpi is 4961 pixels wide: magnification 5, each sheet 3125 x 5205.
    EXPECT_EQ(storedPictures(path("sheet.pdf")),
              QStringList({"3125 5205 image", "3125 5205 image"}));
    // The first thumbnail, at sheet (2, 2), lands at 300 + 10, 50 + 10 and is 320 wide.
    const QImage first = render(path("sheet.pdf"), 1, {0, 0, 800, 800});
    EXPECT_EQ(first.pixelColor(309, 200), QColor(Qt::white));
    EXPECT_EQ(first.pixelColor(310, 200), QColor(9, 0, 0));
    EXPECT_EQ(first.pixelColor(629, 379), QColor(9, 0, 0));
    const QImage second = render(path("sheet.pdf"), 2, {0, 0, 800, 800});
    EXPECT_EQ(second.pixelColor(400, 200), QColor(225, 0, 0));
    EXPECT_EQ(second.pixelColor(700, 200), QColor(Qt::white));  // nothing in cell 2
}

}  // namespace
}  // namespace tessella::testing
