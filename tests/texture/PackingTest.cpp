// Packing: the insertion point, page growth, the questions of single and multi-file adds.

#include "platform/Error.h"
#include "tests/texture/PageFixture.h"
#include "texture/PageTexts.h"

using namespace tessella::texture;
using tessella::platform::Answer;
using tessella::platform::MessageKind;

namespace tessella::testing {
namespace {

class Packing : public PageFixture {};

TEST_F(Packing, Import64OnA512PageFillsRowZeroThenStartsRowOne) {
    newPage(512);
    PagePacker packer(context());
    const struct {
        int x, y, pageWidth, pageHeight;
    } rows[] = {
        {0, 0, 128, 64},   {64, 0, 192, 64},  {128, 0, 256, 64},
        {192, 0, 320, 64}, {256, 0, 384, 64}, {320, 0, 448, 64},
        {384, 0, 512, 64}, {448, 0, 512, 64}, {0, 64, 512, 128},
    };
    int n = 0;
    for (const auto& e : rows) {
        SCOPED_TRACE(++n);
        ASSERT_TRUE(packer.placeAtInsertionPoint(Solid(64, 64, ElementColour(n)), false));
        EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(e.pageWidth, e.pageHeight));
        EXPECT_EQ(page.pageBitmap.height(), e.pageHeight);
        EXPECT_EQ(pagePixel(e.x, e.y), ElementColour(n));
        EXPECT_EQ(pagePixel(e.x + 63, e.y + 63), ElementColour(n));
        // The first band runs one element ahead: its last slot is still magenta.
        if (n < 8) {
            EXPECT_EQ(pagePixel(e.pageWidth - 1, 10), kMagentaColour);
        }
    }
    EXPECT_EQ(pagePixel(64, 64), kMagentaColour);  // the rest of the new row
    // Once the band is closed the page grows downward by whole element heights from x = 0.
    for (n = 10; n <= 17; ++n) packer.placeAtInsertionPoint(Solid(64, 64, ElementColour(n)), false);
    EXPECT_EQ(page.pageHeight, 192);
    EXPECT_EQ(pagePixel(0, 128), ElementColour(17));
    EXPECT_EQ(events.pageShows, 1);  // only the new page: no refresh was asked
}

TEST_F(Packing, OnlyAnElementThePageWouldCutWarnsTooWide) {
    newPage(256);
    const QString tooWide = QStringLiteral(
        "L'image à importer est trop large ( %1 )\n\rpour être incrustée correctement !");
    // Four 64 x 64 fill the first row of 256 and the fifth starts the second: none is cut.
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(addOne(Solid(64, 64, ElementColour(n))).placed, 1);
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(256, 128));
    for (int n = 1; n <= 4; ++n) EXPECT_EQ(pagePixel(64 * (n - 1), 0), ElementColour(n));
    EXPECT_EQ(pagePixel(0, 64), ElementColour(5));
    EXPECT_EQ(pagePixel(64, 64), kMagentaColour);
    EXPECT_EQ(events.pageShows, 6);  // new page, then every single add refreshes the view
    // 320 wide lands on a row of its own from x = 0 on a page of 256: cut, so it warns.
    page.freeSize = true;
    prompts.expectMessage(MessageKind::Warning, tooWide.arg(320));
    EXPECT_EQ(addOne(Solid(320, 64, ElementColour(6))).placed, 1);
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(Packing, A48SourceOnA64ImportSizeAsksToSwitchToFreeSize) {
    const QString question = QStringLiteral(
        "L'image à incruster a des dimensions incorrectes !\n\rVoulez-vous passer en mode "
        "LIBRE, c'est à dire\n\raccepter toutes dimensions d'image ?.\n\rATTENTION, vous êtes "
        "limité à une largeur de 512");
    const struct {
        Answer answer;
        int placed, importSide, pageWidth;
        bool freeSize;
        QColor at47;
    } rows[] = {{Answer::Yes, 1, 48, 112, true, Qt::green},
                {Answer::No, 0, 64, 64, false, kMagentaColour}};
    for (const auto& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.answer));
        page = TexturePage();
        events.importSizeText.clear();
        newPage(512);
        prompts.expectMessage(MessageKind::Warning, question, r.answer);
        EXPECT_EQ(addOne(Solid(48, 48, Qt::green)).placed, r.placed);
        EXPECT_EQ(page.freeSize, r.freeSize);
        EXPECT_EQ(events.importSizeText, r.freeSize ? kFreeSizeEntry : QString());
        EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(r.importSide, r.importSide));
        EXPECT_EQ(page.pageWidth, r.pageWidth);
        EXPECT_EQ(pagePixel(47, 47), r.at47);
        EXPECT_EQ(pagePixel(48, 1), kMagentaColour);
    }
}

TEST_F(Packing, MultipleOf8QuestionOnlyForSidesThatAreNot) {
    newPage(512);
    page.freeSize = true;
    prompts.expectMessage(MessageKind::Confirmation, kMultipleOf8Question, Answer::No);
    EXPECT_EQ(addOne(Solid(36, 36, Qt::red)).outcome, AddOutcome::Declined);
    EXPECT_EQ(page.pageWidth, 64);
    EXPECT_EQ(page.insertX, 0);
    prompts.expectMessage(MessageKind::Confirmation, kMultipleOf8Question, Answer::Yes);
    EXPECT_EQ(addOne(Solid(36, 36, Qt::red)).placed, 1);
    EXPECT_EQ(pagePixel(35, 35), QColor(Qt::red));
    EXPECT_EQ(addOne(Solid(40, 40, Qt::blue)).placed, 1);  // no question
    EXPECT_EQ(pagePixel(36, 0), QColor(Qt::blue));
}

class MultiAdd : public PageFixture {
  protected:
    // a, c, e are 64 x 64; b is 20 x 20; d is 36 x 36.
    std::vector<SourceEntry> files() {
        std::vector<SourceEntry> list;
        const int sides[] = {64, 20, 64, 36, 64};
        for (int n = 1; n <= 5; ++n)
            list.push_back(
                {writeBmp(QStringLiteral("%1.bmp").arg(QChar::fromLatin1(char('a' + n - 1))),
                          Solid(sides[n - 1], sides[n - 1], ElementColour(n))),
                 true});
        return list;
    }
};

TEST_F(MultiAdd, TheManyFilesQuestionAnswers) {
    const struct {
        Answer answer;
        AddOutcome outcome;
        int placed, pageWidth;  // 0: not worked out
        std::vector<int> progress;
        std::vector<std::pair<QPoint, int>> elements;
        const char* preview;  // the last file loaded stays previewed
    } rows[] = {
        {Answer::NoToAll,
         AddOutcome::Done,
         3,
         256,
         {1, 2, 3, 4, 5, 0},
         {{{0, 0}, 1}, {{64, 0}, 3}, {{128, 0}, 5}},
         "e.bmp"},
        {Answer::YesToAll,
         AddOutcome::Done,
         5,
         0,
         {1, 2, 3, 4, 5, 0},
         {{{64, 0}, 2}, {{84, 0}, 3}, {{148, 0}, 4}},
         "e.bmp"},
        // No reset of the progress after Abort, but the view shows what was placed.
        {Answer::Abort, AddOutcome::Aborted, 1, 128, {1, 2}, {{{0, 0}, 1}}, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.answer));
        page = TexturePage();
        events.progress.clear();
        newPage(512);
        page.freeSize = true;
        events.pageShows = pacer.eventRuns = 0;
        prompts.expectMessage(MessageKind::Warning, kMultipleOf8ManyQuestion, r.answer);
        const AddResult result = PagePacker(context()).add(files());
        EXPECT_EQ(result.outcome, r.outcome);
        EXPECT_EQ(result.placed, r.placed);
        if (r.pageWidth) {
            EXPECT_EQ(page.pageWidth, r.pageWidth);
        }
        EXPECT_EQ(events.progressMaximum, 5);
        EXPECT_EQ(events.progress, r.progress);
        for (const auto& [at, n] : r.elements)
            EXPECT_EQ(pagePixel(at.x(), at.y()), ElementColour(n));
        if (!r.preview) continue;
        EXPECT_EQ(pacer.eventRuns, 5);
        EXPECT_EQ(events.sourceCaption, QLatin1String(r.preview));
        EXPECT_EQ(events.pageShows, 1);  // once after the loop
        EXPECT_TRUE(events.lastAutoSize);
    }
}

TEST_F(MultiAdd, AnUnacceptedExtensionEndsTheLoopSilentlyAndUnselectedFilesAreNotLoaded) {
    newPage(512);
    std::vector<SourceEntry> list = files();
    list.erase(list.begin() + 1, list.end());
    list.push_back({writeBmp(QStringLiteral("x.rgba"), Solid(64, 64, Qt::red)), true});
    list.push_back({path(QStringLiteral("c.bmp")), true});
    const AddResult r = PagePacker(context()).add(list);
    EXPECT_EQ(r.outcome, AddOutcome::RefusedExtension);
    EXPECT_EQ(r.refusedPath, list[1].path);
    EXPECT_EQ(r.placed, 1);
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(events.progress.back(), 0);  // the bar is emptied as at the normal end

    page = TexturePage();
    newPage(512);
    const int runs = pacer.eventRuns;
    for (SourceEntry& e : list) e.selected = false;
    EXPECT_EQ(PagePacker(context()).add(list).placed, 0);
    EXPECT_EQ(pacer.eventRuns, runs);
    EXPECT_TRUE(page.modified);
}

TEST(PreviewBoxes, ClickedSourcesFitA128Box) {
    const struct {
        int w, h, boxW, boxH;
    } clicked[] = {{200, 300, 85, 128}, {0, 0, 128, 128}, {256, 3, 128, 2}, {129, 129, 128, 128}};
    for (const auto& r : clicked)
        EXPECT_EQ(ClickPreviewBox(r.w, r.h), QSize(r.boxW, r.boxH)) << r.w << " x " << r.h;
}

class ImportList : public PageFixture {};

TEST_F(ImportList, FreeSizeTakesThePreviewOrElseThePageOrElseKeepsTheSize) {
    SourcePanel panel(context());
    panel.importSizeChanged(QStringLiteral("32 x 128"));
    panel.importSizeChanged(kFreeSizeEntry);  // nothing previewed, no page
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(32, 128));
    EXPECT_TRUE(page.freeSize);
    page.pageWidth = 300;
    page.pageHeight = 200;
    panel.importSizeChanged(kFreeSizeEntry);
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(300, 200));
    page.sourcePicture = Solid(48, 80, Qt::red);
    panel.importSizeChanged(kFreeSizeEntry);
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(48, 80));
}

TEST_F(ImportList, ChangingItWithAPageOpenKeepsEveryRowOfThePage) {
    newPage(512);
    PagePacker packer(context());
    for (int n = 1; n <= 8; ++n)
        packer.placeAtInsertionPoint(Solid(64, 64, ElementColour(n)), false);
    const int shows = events.pageShows;
    SourcePanel(context()).importSizeChanged(QStringLiteral("128 x 128"));
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(128, 128));
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(512, 64));
    EXPECT_EQ(page.pageBitmap.height(), 64);
    EXPECT_EQ(events.pageShows, shows);
    packer.placeAtInsertionPoint(Solid(128, 128, Qt::yellow), false);
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(512, 192));
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(pagePixel(64 * (n - 1) + 5, 63), ElementColour(n));
    EXPECT_EQ(pagePixel(0, 64), QColor(Qt::yellow));
}

TEST_F(PageFixture, PreviewOfAClickedSourceInFreeSizeSetsTheImportSize) {
    const QString file = writeBmp(QStringLiteral("tall.bmp"), Solid(48, 80, Qt::red));
    page.freeSize = true;
    SourcePanel panel(context());
    ASSERT_TRUE(panel.previewSource(file));
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(48, 80));
    EXPECT_EQ(events.sourceBox, QSize(48, 80));  // k = 128 div 80 = 1
    EXPECT_TRUE(events.sourceStretched);
    page.pageOpen = true;
    const QString refused = writeBmp(QStringLiteral("x.rgba"), Solid(8, 8, Qt::blue));
    prompts.expectMessage(MessageKind::Warning, kLoadFailedWarning);
    EXPECT_FALSE(panel.previewSource(refused));
    EXPECT_EQ(page.sourcePicture.size(), QSize(48, 80));
    EXPECT_EQ(page.sourceFileName, file);
    ASSERT_TRUE(panel.previewSource(file));
    EXPECT_TRUE(events.isEnabled(PageCommand::Add));
    EXPECT_TRUE(events.isEnabled(PageCommand::Replace));
}

TEST_F(Packing, GrowthPastThePixelLimitIsAbandonedWithThePackingUnchanged) {
    newPage(512);
    page.freeSize = true;
    PagePacker packer(context());
    EXPECT_THROW(packer.placeAtInsertionPoint(Solid(8, (1 << 20) + 8, Qt::red), false),
                 tessella::platform::TessellaError);
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(page.pageBitmap.width(), 64));
    EXPECT_EQ(page.pageBitmap.height(), 64);
    EXPECT_EQ(QPoint(page.insertX, page.insertY), QPoint(0, 0));
    EXPECT_TRUE(page.firstRowOpen);
    page.freeSize = false;
    page.importWidth = page.importHeight = 64;
    packer.placeAtInsertionPoint(Solid(64, 64, Qt::blue), false);
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::blue));
}

// In the first band the next row starts below the band's tallest element, not its last one.
// On a 128-wide page in free size: 64x64 at (0,0) widens the page to 128; 64x32 at (64,0)
// fills the band; 64x16 starts the next row at y = 0 + 64 and grows the page to 64 + 16.
TEST_F(Packing, TheNextRowStartsBelowTheTallestElementOfTheBand) {
    newPage(128);
    page.freeSize = true;
    PagePacker packer(context());
    const QSize sizes[] = {{64, 64}, {64, 32}, {64, 16}};
    for (int n = 0; n < 3; ++n)
        ASSERT_TRUE(packer.placeAtInsertionPoint(
            Solid(sizes[n].width(), sizes[n].height(), ElementColour(n + 1)), false));
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(128, 80));
    EXPECT_EQ(pagePixel(0, 63), ElementColour(1));
    EXPECT_EQ(pagePixel(64, 31), ElementColour(2));
    EXPECT_EQ(pagePixel(64, 32), kMagentaColour);
    EXPECT_EQ(pagePixel(0, 64), ElementColour(3));
    EXPECT_EQ(pagePixel(63, 79), ElementColour(3));
}

TEST(PageBitmapGrowth, KeepsRowsAndFillsNewAreaWithTheGivenColour) {
    PageBitmap bitmap = PageBitmap::filled(2, 1, tessella::platform::kWhite);
    bitmap.draw(Solid(1, 1, Qt::red), 1, 0);
    for (int h = 2; h <= 200; ++h) bitmap.resize(2, h, tessella::platform::kMagenta);
    bitmap.resize(3, 200, tessella::platform::kBlack);
    EXPECT_EQ(bitmap.image().pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(bitmap.pixel(0, 0).toQColor(), kWhiteColour);
    EXPECT_EQ(bitmap.pixel(1, 199).toQColor(), kMagentaColour);
    EXPECT_EQ(bitmap.pixel(2, 0).toQColor(), QColor(Qt::black));
    // Drawing past the right and bottom edges is cut off.
    bitmap.draw(Solid(5, 5, Qt::blue), 2, 198);
    EXPECT_EQ(bitmap.pixel(2, 199).toQColor(), QColor(Qt::blue));
    EXPECT_EQ(bitmap.pixel(1, 199).toQColor(), kMagentaColour);
    EXPECT_THROW(bitmap.resize(1 << 20, 1 << 20, tessella::platform::kBlack),
                 tessella::platform::TessellaError);
    EXPECT_EQ(bitmap.width(), 3);
}

}  // namespace
}  // namespace tessella::testing
