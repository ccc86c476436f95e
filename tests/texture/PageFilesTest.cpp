// New, open, save, save as and extraction, with the faults of the old behaviour mended.

#include <QFile>
#include <QFileInfo>

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

class CountingWidth final : public WidthQuestion {
  public:
    int32_t askWidth() override {
        ++asked;
        return 512;
    }
    int asked = 0;
};

class Files : public PageFixture {
  protected:
    PageFiles files() { return PageFiles(context(), width); }
    // Opens a picture file written by Qt as the page.
    bool open(const QString& file) {
        prompts.expectFile(file);
        return files().openPage();
    }
    CountingWidth width;
};

TEST_F(Files, NewPageIsMagentaFramedInWhiteAndSavesAs12306Bytes) {
    prompts.expectFile(path(QStringLiteral("mur")));
    ASSERT_TRUE(files().newPage());
    EXPECT_EQ(page.maxPageWidth, 512);
    EXPECT_EQ(page.textureFileName, path(QStringLiteral("mur.tga")));
    EXPECT_EQ(events.panels[kPanelFileName], QStringLiteral("mur.tga"));
    EXPECT_TRUE(page.pageOpen && page.firstRowOpen && page.widthMayGrow);
    // One white pixel on the left and top, two on the right and bottom.
    const struct {
        int x, y;
        bool magenta;
    } rows[] = {{0, 30, false}, {30, 0, false},  {1, 1, true},
                {61, 61, true}, {62, 10, false}, {10, 62, false}};
    for (const auto& r : rows)
        EXPECT_EQ(pagePixel(r.x, r.y), r.magenta ? kMagentaColour : kWhiteColour)
            << r.x << ", " << r.y;
    page.modified = true;
    ASSERT_TRUE(files().save());
    const QByteArray bytes = ReadFile(page.textureFileName);
    ASSERT_EQ(bytes.size(), 12306);  // the header is the TGA writer's test
    EXPECT_EQ(bytes.mid(18, 3).toHex(), QByteArray("ffffff"));           // (0, 0) white
    EXPECT_EQ(bytes.mid(18 + 3 * 65, 3).toHex(), QByteArray("ff00ff"));  // (1, 1) magenta
    EXPECT_FALSE(page.modified);
}

TEST_F(Files, CancellingNewKeepsOnlyTheNewMaximumWidth) {
    page.maxPageWidth = 256;
    prompts.expectFile(std::nullopt);
    EXPECT_FALSE(files().newPage());
    EXPECT_EQ(page.maxPageWidth, 512);
    EXPECT_FALSE(page.pageOwned());
}

TEST_F(Files, OpeningANarrowTallPageAsksWhereToFill) {
    const QString file = writeBmp(QStringLiteral("haute.bmp"), Solid(64, 256, Qt::cyan));
    const struct {
        Answer answer;
        int x, y, w, h;
    } rows[] = {
        {Answer::Yes, 64, 0, 128, 256},
        {Answer::No, 0, 256, 64, 320},
    };
    for (const auto& r : rows) {
        prompts.expectFile(file);
        prompts.expectMessage(MessageKind::Warning, kFillRightQuestion, r.answer);
        ASSERT_TRUE(files().openPage());
        EXPECT_EQ(events.panels[kPanelPageSize], QStringLiteral(" 64x256"));
        EXPECT_EQ(events.panels[kPanelElementCount], QStringLiteral(" 4"));
        EXPECT_EQ(page.maxPageWidth, r.answer == Answer::Yes ? 512 : 64);
        PagePacker(context()).placeAtInsertionPoint(Solid(64, 64, Qt::red), false);
        EXPECT_EQ(pagePixel(r.x, r.y), QColor(Qt::red));
        EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(r.w, r.h));
        EXPECT_EQ(pagePixel(0, 0), QColor(Qt::cyan));
        page.modified = false;
    }
    EXPECT_EQ(page.textureFileName, file);
    EXPECT_EQ(page.sourceFileName, file);
}

TEST_F(Files, AWidePageOpensWithRowsUnderItAndCountsWholeElements) {
    const QString file = writeBmp(QStringLiteral("large.bmp"), Solid(300, 200, Qt::cyan));
    ReplaceMask mask(context());
    prompts.expectFile(file);
    ASSERT_TRUE(PageFiles(context(), width, &mask).openPage());
    EXPECT_EQ(events.panels[kPanelElementCount], QStringLiteral(" 12"));
    EXPECT_EQ(page.maxPageWidth, 512);
    EXPECT_EQ(QPoint(page.insertX, page.insertY), QPoint(0, 200));
    EXPECT_EQ(events.ranges, (PositionRanges{0, 300, -200, 0}));
}

// TGA and BMP pages are read straight into the page's rows, other pictures through their
// decoder: every way gives the same page, row padding and bottom-up order included.
TEST_F(Files, APageOpensTheSameFromEveryFormat) {
    QImage picture(5, 3, QImage::Format_BGR888);  // 15 bytes a row: one byte of BMP padding
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) picture.setPixelColor(x, y, QColor(40 * x, 80 * y, 7 + x + y));
    const QString tga = path(QStringLiteral("p.tga")), ppm = path(QStringLiteral("p.ppm"));
    platform::WriteFileAtomically(tga, imagefile::WritePageTga(picture));
    ASSERT_TRUE(picture.save(ppm, "PPM"));
    for (const QString& file : {tga, writeBmp(QStringLiteral("p.bmp"), picture), ppm}) {
        SCOPED_TRACE(file.toStdString());
        prompts.expectFile(file);
        ASSERT_TRUE(files().openPage());
        EXPECT_EQ(page.pageBitmap.image(), picture);
    }
}

TEST_F(Files, AFailedOpenKeepsTheOldPageAndItsNames) {
    newPage(512);
    const QString old = page.textureFileName;
    const QString bad = path(QStringLiteral("bad.tga"));
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
    EXPECT_EQ(width.asked, 0);
    EXPECT_EQ(page.textureFileName, name);
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::red));
    prompts.expectMessage(MessageKind::Confirmation, kAbandonModifiedQuestion, Answer::Yes);
    prompts.expectFile(path(QStringLiteral("autre.tga")));
    EXPECT_TRUE(files().newPage());
    EXPECT_EQ(page.pageWidth, 64);
}

TEST_F(Files, SaveAsWritesTheChosenTgaAndKeepsThePageName) {
    newPage(512);
    prompts.expectFile(path(QStringLiteral("copie.bmp")));
    ASSERT_TRUE(files().saveAs());
    EXPECT_EQ(ReadFile(path(QStringLiteral("copie.tga"))).size(), 12306);
    EXPECT_EQ(events.panels[kPanelFileName], QStringLiteral("copie.tga"));
    EXPECT_EQ(page.textureFileName, path(QStringLiteral("page.tga")));
    EXPECT_TRUE(QFileInfo::exists(path(QStringLiteral("copie.json"))));
}

TEST_F(Files, SaveAsPngWritesTheSamePixelsAndTheAtlasBesideThem) {
    newPage(512);
    page.frames = {{QRect(1, 2, 8, 8), QStringLiteral("brique.png")}};
    prompts.expectFile(path(QStringLiteral("copie.PNG")));
    ASSERT_TRUE(files().saveAs());
    const QImage png(path(QStringLiteral("copie.PNG")), "PNG");
    EXPECT_EQ(png.convertToFormat(QImage::Format_BGR888), page.pageBitmap.image());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("copie.tga"))));
    EXPECT_TRUE(ReadFile(path(QStringLiteral("copie.json"))).contains("\"image\": \"copie.PNG\""));
    // Opened again, the page brings its element list back.
    page.frames.clear();
    ASSERT_TRUE(open(path(QStringLiteral("copie.PNG"))));
    ASSERT_EQ(page.frames.size(), 1u);
    EXPECT_EQ(page.frames[0].rect, QRect(1, 2, 8, 8));
}

TEST_F(Files, SavingAPageOpenedFromABmpWritesATgaBesideIt) {
    const QString bmp = writeBmp(QStringLiteral("vieux.bmp"), Solid(128, 64, Qt::cyan));
    const QByteArray original = ReadFile(bmp);
    ASSERT_TRUE(open(bmp));
    const QString tga = path(QStringLiteral("vieux.tga"));
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
    page.pageBitmap = PageBitmap::filled(2, 65536, tessella::platform::kWhite);
    EXPECT_THROW(files().savePageAsTga(name), TessellaError);
    EXPECT_EQ(ReadFile(name), QByteArray("old"));
    // A folder that is not there.
    page.pageBitmap = PageBitmap::filled(2, 2, tessella::platform::kWhite);
    page.textureFileName = path(QStringLiteral("absent/page.tga"));
    EXPECT_THROW(files().save(), TessellaError);
    EXPECT_TRUE(page.modified);
}

TEST_F(Files, ExtractingA256By128PageWritesEightFilesRowByRow) {
    QImage picture(256, 128, QImage::Format_BGR888);
    for (int n = 1; n <= 8; ++n)
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x)
                picture.setPixelColor((n - 1) % 4 * 64 + x, (n - 1) / 4 * 64 + y, ElementColour(n));
    const QString file = path(QStringLiteral("page.bmp"));
    ASSERT_TRUE(picture.save(file, "BMP"));
    ASSERT_TRUE(open(file));
    prompts.expectFile(path(QStringLiteral("mur")));
    ASSERT_TRUE(files().extract());
    for (int n = 1; n <= 8; ++n) {
        const QString name = path(QStringLiteral("mur%1.bmp").arg(n, 3, 10, QLatin1Char('0')));
        const QImage element(name, "BMP");
        ASSERT_EQ(element.size(), QSize(64, 64)) << n;
        EXPECT_EQ(ReadFile(name).mid(28, 2), QByteArray("\x18\x00", 2)) << n;  // 24 bits
        EXPECT_EQ(element.pixelColor(0, 0), ElementColour(n)) << n;
        EXPECT_EQ(element.pixelColor(63, 63), ElementColour(n)) << n;
    }
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("mur009.bmp"))));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("mur.bmp"))));
    EXPECT_EQ(pacer.waits, 8);
    EXPECT_EQ(pacer.totalMs, 1600);
    EXPECT_EQ(events.progress, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 0}));
}

TEST_F(Files, ExtractingA100By100PageWritesOneFileAndAsksBeforeReplacing) {
    ASSERT_TRUE(open(writeBmp(QStringLiteral("p.bmp"), Solid(100, 100, Qt::red))));
    const QString dest = path(QStringLiteral("mur.bmp"));
    WriteFile(dest, "x");
    prompts.expectFile(path(QStringLiteral("mur.png")));
    prompts.expectMessage(MessageKind::Confirmation, kReplaceFileQuestion.arg(dest), Answer::Yes);
    ASSERT_TRUE(files().extract());
    EXPECT_EQ(QImage(path(QStringLiteral("mur001.bmp")), "BMP").size(), QSize(64, 64));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("mur002.bmp"))));
    EXPECT_EQ(ReadFile(dest), QByteArray("x"));
}

// Elements placed on a page opened without its atlas data are not all its elements: the grid
// still cuts it, and no question about names is asked.
TEST_F(Files, AListStartedOnAPageOpenedWithoutOneKeepsTheGrid) {
    ASSERT_TRUE(open(writeBmp(QStringLiteral("p.bmp"), Solid(128, 64, Qt::red))));
    page.frames.push_back({QRect(0, 0, 32, 32), QStringLiteral("x.bmp")});
    prompts.expectFile(path(QStringLiteral("mur")));
    ASSERT_TRUE(files().extract());
    EXPECT_EQ(QImage(path(QStringLiteral("mur002.bmp")), "BMP").size(), QSize(64, 64));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("mur003.bmp"))));
}

TEST(ElementFiles, NamesCarryAtLeastThreeDigits) {
    EXPECT_EQ(ElementFileName(QStringLiteral("textures/mur.bmp"), 1),
              QStringLiteral("textures/mur001.bmp"));
    EXPECT_EQ(ElementFileName(QStringLiteral("mur.bmp"), 1000), QStringLiteral("mur1000.bmp"));
    const char* const rows[][3] = {
        {"a.b/c", ".tga", "a.b/c.tga"}, {"x.BMP", ".tga", "x.tga"}, {"x.old.bmp", "", "x.old"}};
    for (const auto& r : rows)
        EXPECT_EQ(WithExtension(QLatin1String(r[0]), QLatin1String(r[1])), QLatin1String(r[2]));
}

}  // namespace
}  // namespace tessella::testing
