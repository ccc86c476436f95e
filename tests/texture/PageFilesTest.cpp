// New, open, save, save as and extraction, with the faults of the old behaviour mended.

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include "imagefile/TgaWriter.h"
#include "platform/Error.h"
#include "platform/SafeFile.h"
#include "tests/texture/PageFixture.h"
#include "texture/PageTexts.h"

using namespace tessella::texture;
using tessella::platform::Answer;
using tessella::platform::MessageKind;
using tessella::platform::TessellaError;

namespace tessella::testing {
namespace {

QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

class Files : public PageFixture {
  protected:
    PageFiles files() { return PageFiles(context(), width); }
    // Opens a picture file written by Qt as the page.
    bool open(const QString& file) {
        prompts.expectFile(file);
        return files().openPage();
    }
    FixedWidth width{512};
};

TEST_F(Files, NewPageIsMagentaFramedInWhiteAndSavesAs12306Bytes) {
    prompts.expectFile(path("mur"));
    ASSERT_TRUE(files().newPage());
    EXPECT_EQ(page.textureFileName, path("mur.tga"));
    // One white pixel on the left and top, two on the right and bottom.
    EXPECT_EQ(pagePixel(0, 30), kWhiteColour);
    EXPECT_EQ(pagePixel(61, 61), kMagentaColour);
    EXPECT_EQ(pagePixel(62, 10), kWhiteColour);
    page.modified = true;
    ASSERT_TRUE(files().save());
    const QByteArray bytes = ReadFile(page.textureFileName);
    ASSERT_EQ(bytes.size(), 12306);  // the header is the TGA writer's test
    EXPECT_EQ(bytes.mid(18, 3).toHex(), QByteArray("ffffff"));           // (0, 0) white
    EXPECT_EQ(bytes.mid(18 + 3 * 65, 3).toHex(), QByteArray("ff00ff"));  // (1, 1) magenta
    EXPECT_FALSE(page.modified);
}

TEST_F(Files, OpeningANarrowTallPageAsksWhereToFill) {
    const QString file = writeBmp("haute.bmp", Solid(64, 256, Qt::cyan));
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        const bool right = answer == Answer::Yes;
        prompts.expectFile(file).expectMessage(MessageKind::Warning, kFillRightQuestion, answer);
        ASSERT_TRUE(files().openPage());
        PagePacker(context()).placeAtInsertionPoint(Solid(64, 64, Qt::red), false);
        EXPECT_EQ(pagePixel(right ? 64 : 0, right ? 0 : 256), QColor(Qt::red));
        EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), right ? QSize(128, 256) : QSize(64, 320));
        page.modified = false;
    }
    EXPECT_EQ(page.textureFileName, file);
}

// TGA and BMP pages are read straight into the page's rows, other pictures through their
// decoder: every way gives the same page, row padding and bottom-up order included.
TEST_F(Files, APageOpensTheSameFromEveryFormat) {
    QImage picture(5, 3, QImage::Format_BGR888);  // 15 bytes a row: one byte of BMP padding
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.setPixelColor(x, y, QColor(40 * x, 80 * y, 7 + x + y));
    const QString tga = path("p.tga"), ppm = path("p.ppm");
    platform::WriteFileAtomically(tga, imagefile::WritePageTga(picture));
    ASSERT_TRUE(picture.save(ppm, "PPM"));
    for (const QString& file : {tga, writeBmp("p.bmp", picture), ppm}) {
        SCOPED_TRACE(file.toStdString());
        prompts.expectFile(file);
        ASSERT_TRUE(files().openPage());
        EXPECT_EQ(page.pageBitmap.image(), picture);
    }
}

TEST_F(Files, AFailedOpenKeepsTheOldPageAndItsNames) {
    newPage(512);
    const QString old = page.textureFileName;
    const QString bad = path("bad.tga");
    // A 100 x 100 24-bit header (type 2, sides 0x64, 0x18 bits) followed by ten bytes of pixels.
    WriteFile(bad,
              QByteArray::fromHex("000002000000000000000000 6400 6400 1800") + QByteArray(10, 'x'));
    prompts.expectFile(bad);
    EXPECT_THROW(files().openPage(), TessellaError);
    EXPECT_EQ(page.textureFileName, old);
    EXPECT_EQ(page.pageBitmap.width(), 64);
    ASSERT_TRUE(files().save());
    EXPECT_EQ(ReadFile(old).size(), 12306);
}

TEST_F(Files, AModifiedPageIsNotThrownAwayWithoutAsking) {
    newPage(256);
    addOne(Solid(64, 64, Qt::red));
    ASSERT_TRUE(page.modified);
    const QString name = page.textureFileName;
    prompts.expectMessage(MessageKind::Confirmation, kAbandonModifiedQuestion, Answer::No);
    EXPECT_FALSE(files().newPage());
    prompts.expectMessage(MessageKind::Confirmation, kAbandonModifiedQuestion, Answer::No);
    EXPECT_FALSE(files().openPage());
    EXPECT_EQ(page.textureFileName, name);
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::red));
    prompts.expectMessage(MessageKind::Confirmation, kAbandonModifiedQuestion, Answer::Yes);
    prompts.expectFile(path("autre.tga"));
    EXPECT_TRUE(files().newPage());
    EXPECT_EQ(page.pageWidth, 64);
}

TEST_F(Files, SaveAsPngWritesTheSamePixelsAndTheAtlasBesideThem) {
    newPage(512);
    page.frames = {{QRect(1, 2, 8, 8), QStringLiteral("brique.png")}};
    prompts.expectFile(path("copie.PNG"));
    ASSERT_TRUE(files().saveAs());
    const QImage png(path("copie.PNG"), "PNG");
    EXPECT_EQ(png.convertToFormat(QImage::Format_BGR888), page.pageBitmap.image());
    EXPECT_FALSE(QFileInfo::exists(path("copie.tga")));
    EXPECT_EQ(page.textureFileName, path("page.tga"));
    EXPECT_TRUE(ReadFile(path("copie.json")).contains("\"image\": \"copie.PNG\""));
    // Opened again, the page brings its element list back.
    page.frames.clear();
    ASSERT_TRUE(open(path("copie.PNG")));
    ASSERT_EQ(page.frames.size(), 1u);
    EXPECT_EQ(page.frames[0].rect, QRect(1, 2, 8, 8));
}

TEST_F(Files, SavingAPageOpenedFromABmpWritesATgaBesideIt) {
    const QString bmp = writeBmp("vieux.bmp", Solid(128, 64, Qt::cyan));
    const QByteArray original = ReadFile(bmp);
    ASSERT_TRUE(open(bmp));
    const QString tga = path("vieux.tga");
    prompts.expectFile(tga);  // the dialog proposes the same name as a TGA
    ASSERT_TRUE(files().save());
    EXPECT_EQ(prompts.dialogInitialPaths().back(), tga);
    EXPECT_EQ(ReadFile(bmp), original);
    EXPECT_EQ(ReadFile(tga).size(), 18 + 3 * 128 * 64);
    EXPECT_EQ(page.textureFileName, tga);
    ASSERT_TRUE(files().save());  // now an ordinary save, without a dialog
}

TEST_F(Files, AFailedSaveTouchesNoFileAndKeepsThePageModified) {
    newPage(512);
    const QString name = page.textureFileName;
    WriteFile(name, "old");
    // Too large for a TGA header: refused before any file is touched.
    page.pageBitmap = PageBitmap::filled(65536, 2, tessella::platform::kWhite);
    page.modified = true;
    EXPECT_THROW(files().save(), TessellaError);
    EXPECT_EQ(ReadFile(name), QByteArray("old"));
    EXPECT_TRUE(page.modified);
    // A folder that is not there.
    page.pageBitmap = PageBitmap::filled(2, 2, tessella::platform::kWhite);
    page.textureFileName = path("absent/page.tga");
    EXPECT_THROW(files().save(), TessellaError);
    EXPECT_TRUE(page.modified);
}

TEST_F(Files, ExtractingA256By128PageWritesEightFilesRowByRow) {
    QImage picture = Solid(256, 128, Qt::red);
    picture.setPixelColor(64, 0, Qt::blue);   // element 2
    picture.setPixelColor(63, 64, Qt::blue);  // element 5
    ASSERT_TRUE(open(writeBmp("page.bmp", picture)));
    prompts.expectFile(path("mur"));
    ASSERT_TRUE(files().extract());
    EXPECT_EQ(QImage(path("mur002.bmp"), "BMP").pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(QImage(path("mur005.bmp"), "BMP").pixelColor(63, 0), QColor(Qt::blue));
    EXPECT_EQ(ReadFile(path("mur008.bmp")).mid(28, 2), QByteArray("\x18\x00", 2));  // 24 bits
    EXPECT_FALSE(QFileInfo::exists(path("mur009.bmp")));
    // Elements placed on a page opened without its atlas data are not all its elements: the
    // grid still cuts it.
    page.frames.push_back({QRect(0, 0, 32, 32), QStringLiteral("x.bmp")});
    prompts.expectFile(path("el"));
    ASSERT_TRUE(files().extract());
    EXPECT_TRUE(QFileInfo::exists(path("el008.bmp")));
}

TEST_F(Files, ExtractingA100By100PageWritesOneFileAndAsksBeforeReplacing) {
    ASSERT_TRUE(open(writeBmp("p.bmp", Solid(100, 100, Qt::red))));
    const QString dest = path("mur.bmp");
    WriteFile(dest, "x");
    prompts.expectFile(path("mur.png"));
    prompts.expectMessage(MessageKind::Confirmation, kReplaceFileQuestion.arg(dest), Answer::Yes);
    ASSERT_TRUE(files().extract());
    EXPECT_EQ(QImage(path("mur001.bmp"), "BMP").size(), QSize(64, 64));
    EXPECT_FALSE(QFileInfo::exists(path("mur002.bmp")));
    EXPECT_EQ(ReadFile(dest), QByteArray("x"));
}

}  // namespace
}  // namespace tessella::testing
