// Packing (the insertion point, page growth, the questions of adds) and replacing with the mask.

#include "platform/Error.h"
#include "tests/texture/PageFixture.h"
#include "texture/PageTexts.h"

using namespace tessella::texture;
using tessella::platform::Answer;
using tessella::platform::MessageKind;

namespace tessella::testing {
namespace {

class Packing : public PageFixture {};

TEST_F(Packing, Import64OnA512PageFillsRowZeroThenGrowsDownward) {
    newPage(512);
    PagePacker packer(context());
    for (int n = 1; n <= 9; ++n)
        ASSERT_TRUE(packer.placeAtInsertionPoint(Solid(64, 64, ElementColour(n)), false));
    // The first band runs one element ahead of the page width until it reaches 512.
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(512, 128));
    EXPECT_EQ(pagePixel(448 + 63, 63), ElementColour(8));
    EXPECT_EQ(pagePixel(0, 64), ElementColour(9));
    EXPECT_EQ(pagePixel(64, 64), kMagentaColour);
}

TEST_F(Packing, OnlyAnElementThePageWouldCutWarnsTooWide) {
    newPage(256);
    for (int n = 1; n <= 5; ++n) EXPECT_EQ(addOne(Solid(64, 64, ElementColour(n))).placed, 1);
    EXPECT_TRUE(prompts.shown().empty());  // the fifth starts a row: nothing is cut
    page.freeSize = true;
    prompts.expectMessage(MessageKind::Warning,
                          QStringLiteral("L'image à importer est trop large ( 320 )\n\rpour être "
                                         "incrustée correctement !"));
    EXPECT_EQ(addOne(Solid(320, 64, ElementColour(6))).placed, 1);
    EXPECT_TRUE(prompts.scriptDone());
    // Its frame is the part on the page, the row under the five: an engine must not sample
    // past the page's edge.
    EXPECT_EQ(page.frames.back().rect, QRect(0, 128, 256, 64));
}

TEST_F(Packing, A48SourceOnA64ImportSizeAsksToSwitchToFreeSize) {
    const QString question = QStringLiteral(
        "L'image à incruster a des dimensions incorrectes !\n\rVoulez-vous passer en mode "
        "LIBRE, c'est à dire\n\raccepter toutes dimensions d'image ?.\n\rATTENTION, vous êtes "
        "limité à une largeur de 512");
    for (const Answer answer : {Answer::Yes, Answer::No}) {
        const bool yes = answer == Answer::Yes;
        page = TexturePage();
        newPage(512);
        prompts.expectMessage(MessageKind::Warning, question, answer);
        EXPECT_EQ(addOne(Solid(48, 48, Qt::green)).placed, yes ? 1 : 0);
        EXPECT_EQ(page.freeSize, yes);
        EXPECT_EQ(page.importWidth, yes ? 48 : 64);
        EXPECT_EQ(pagePixel(47, 47), yes ? QColor(Qt::green) : kMagentaColour);
    }
}

TEST_F(Packing, MultipleOf8QuestionOnlyForSidesThatAreNot) {
    newPage(512);
    page.freeSize = true;
    prompts.expectMessage(MessageKind::Confirmation, kMultipleOf8Question, Answer::No);
    EXPECT_EQ(addOne(Solid(36, 36, Qt::red)).outcome, AddOutcome::Declined);
    EXPECT_EQ(page.insertX, 0);
    prompts.expectMessage(MessageKind::Confirmation, kMultipleOf8Question, Answer::Yes);
    EXPECT_EQ(addOne(Solid(36, 36, Qt::red)).placed, 1);
    EXPECT_EQ(addOne(Solid(40, 40, Qt::blue)).placed, 1);  // no question
    EXPECT_EQ(pagePixel(36, 0), QColor(Qt::blue));
}

class MultiAdd : public PageFixture {
  protected:
    // a, c, e are 64 x 64; b is 20 x 20; d is 36 x 36.
    std::vector<SourceEntry> files() {
        std::vector<SourceEntry> list;
        const int sides[] = {64, 20, 64, 36, 64};
        for (int n = 0; n < 5; ++n)
            list.push_back({writeBmp(QString(QChar('a' + n)) + ".bmp",
                                     Solid(sides[n], sides[n], ElementColour(n + 1))),
                            true});
        return list;
    }
};

TEST_F(MultiAdd, TheManyFilesQuestionAnswers) {
    const struct {
        Answer answer;
        AddOutcome outcome;
        int placed;
        QPoint at;  // where the third placed element lands...
        int n;      // ...and which file it is
    } rows[] = {{Answer::NoToAll, AddOutcome::Done, 3, {128, 0}, 5},
                {Answer::YesToAll, AddOutcome::Done, 5, {84, 0}, 3},
                {Answer::Abort, AddOutcome::Aborted, 1, {0, 0}, 1}};
    for (const auto& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.answer));
        page = TexturePage();
        newPage(512);
        page.freeSize = true;
        prompts.expectMessage(MessageKind::Warning, kMultipleOf8ManyQuestion, r.answer);
        const AddResult result = PagePacker(context()).add(files());
        EXPECT_EQ(result.outcome, r.outcome);
        EXPECT_EQ(result.placed, r.placed);
        EXPECT_EQ(pagePixel(r.at.x(), r.at.y()), ElementColour(r.n));
    }
}

TEST_F(MultiAdd, AnUnacceptedExtensionEndsTheLoopSilently) {
    newPage(512);
    std::vector<SourceEntry> list = files();
    list.erase(list.begin() + 1, list.end());
    list.push_back({writeBmp("x.rgba", Solid(64, 64, Qt::red)), true});
    list.push_back({path("c.bmp"), true});
    const AddResult r = PagePacker(context()).add(list);
    EXPECT_EQ(r.outcome, AddOutcome::RefusedExtension);
    EXPECT_EQ(r.refusedPath, list[1].path);
    EXPECT_EQ(r.placed, 1);
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_EQ(events.progress.back(), 0);  // the bar is emptied
}

TEST_F(PageFixture, ChangingTheImportSizeWithAPageOpenKeepsEveryRow) {
    newPage(512);
    PagePacker packer(context());
    for (int n = 1; n <= 8; ++n)
        packer.placeAtInsertionPoint(Solid(64, 64, ElementColour(n)), false);
    SourcePanel(context()).importSizeChanged(QStringLiteral("128 x 128"));
    packer.placeAtInsertionPoint(Solid(128, 128, Qt::yellow), false);
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(512, 192));
    for (int n = 1; n <= 8; ++n) EXPECT_EQ(pagePixel(64 * (n - 1) + 5, 63), ElementColour(n));
    EXPECT_EQ(pagePixel(0, 64), QColor(Qt::yellow));
}

TEST_F(PageFixture, AClickedSourceSetsTheFreeSizeAndAFailedOneKeepsThePreview) {
    EXPECT_EQ(ClickPreviewBox(200, 300), QSize(85, 128));
    const QString file = writeBmp("tall.bmp", Solid(48, 80, Qt::red));
    page.freeSize = true;
    page.pageOpen = true;
    SourcePanel panel(context());
    ASSERT_TRUE(panel.previewSource(file));
    EXPECT_EQ(QSize(page.importWidth, page.importHeight), QSize(48, 80));
    prompts.expectMessage(MessageKind::Warning, kLoadFailedWarning);
    EXPECT_FALSE(panel.previewSource(writeBmp("x.rgba", Solid(8, 8, Qt::blue))));
    EXPECT_EQ(page.sourcePicture.size(), QSize(48, 80));
    EXPECT_EQ(page.sourceFileName, file);
}

TEST_F(Packing, GrowthPastThePixelLimitIsAbandonedWithThePackingUnchanged) {
    newPage(512);
    page.freeSize = true;
    PagePacker packer(context());
    EXPECT_THROW(packer.placeAtInsertionPoint(Solid(8, (1 << 20) + 8, Qt::red), false),
                 tessella::platform::TessellaError);
    EXPECT_EQ(page.pageBitmap.height(), 64);
    EXPECT_EQ(QPoint(page.insertX, page.insertY), QPoint(0, 0));
    page.freeSize = false;
    page.importWidth = page.importHeight = 64;
    packer.placeAtInsertionPoint(Solid(64, 64, Qt::blue), false);
    EXPECT_EQ(pagePixel(0, 0), QColor(Qt::blue));
}

// The next row starts below the first band's tallest element (64), not its last one (32).
TEST_F(Packing, TheNextRowStartsBelowTheTallestElementOfTheBand) {
    newPage(128);
    page.freeSize = true;
    PagePacker packer(context());
    const QSize sizes[] = {{64, 64}, {64, 32}, {64, 16}};
    for (int n = 0; n < 3; ++n)
        ASSERT_TRUE(packer.placeAtInsertionPoint(
            Solid(sizes[n].width(), sizes[n].height(), ElementColour(n + 1)), false));
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(128, 80));
    EXPECT_EQ(pagePixel(64, 32), kMagentaColour);
    EXPECT_EQ(pagePixel(63, 79), ElementColour(3));
}

class Replace : public PageFixture {
  protected:
    // A 256 x 128 page of five 64 x 64 elements.
    void SetUp() override {
        newPage(256);
        PagePacker packer(context());
        for (int n = 1; n <= 5; ++n)
            packer.placeAtInsertionPoint(Solid(64, 64, ElementColour(n)), false);
        ASSERT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(256, 128));
        page.sourcePicture = Solid(64, 64, Qt::yellow);
    }
    void startReplace() {
        prompts.expectMessage(MessageKind::Information, kReplaceInformation);
        ASSERT_TRUE(mask.start());
    }
    ReplaceMask mask{context()};
};

TEST_F(Replace, FlushWithTheRightEdgeCopiesTheWholeElement) {
    startReplace();
    EXPECT_EQ(events.ranges, (PositionRanges{0, 192, -64, 0}));  // vertical ranges inverted
    mask.moveToXCoarse(500);                                     // kept within the range
    mask.moveToY(-64);                                           // the vertical controls hold -Y
    EXPECT_EQ(QPoint(mask.x(), mask.y()), QPoint(192, 64));
    EXPECT_EQ(events.positionText, QStringLiteral("192 x 64"));
    page.modified = false;
    mask.validate();
    EXPECT_EQ(pagePixel(192, 64), QColor(Qt::yellow));
    EXPECT_EQ(pagePixel(255, 127), QColor(Qt::yellow));
    EXPECT_EQ(pagePixel(191, 64), kMagentaColour);
    EXPECT_EQ(pagePixel(192, 63), ElementColour(4));
    EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(256, 128));
    EXPECT_TRUE(page.modified);
}

TEST_F(Replace, AClickPositionsTheMaskWithTiesToEven) {
    startReplace();
    page.zoomFactor = 2.0;
    mask.placeAtViewPoint(101, 30);  // 50.5 -> 50, 15
    EXPECT_EQ(QPoint(mask.x(), mask.y()), QPoint(50, 15));
    EXPECT_EQ(events.mask, QRect(100, 30, 128, 128));
    mask.placeAtViewPoint(1000, 1000);  // kept within the ranges
    EXPECT_EQ(QPoint(mask.x(), mask.y()), QPoint(192, 64));
    EXPECT_EQ(MaskGeometry(1, 7, 33, 35, 0.5), QRect(0, 4, 16, 18));  // 0.5, 3.5, 16.5, 17.5
}

TEST_F(Replace, AWrongSizeIsRefusedAndSidesNotMultipleOf8AskFirst) {
    const struct {
        int side, w, h;
        MessageKind kind;
        QString text;
        Answer answer;
    } rows[] = {
        {64, 48, 40, MessageKind::Error,
         QStringLiteral("   L'image fait 48x40. L'image doit faire 64 x 64 impérativement, ou "
                        "bien\n\r\n\rPASSEZ LES DIMENSIONS D'IMPORTATION EN MODE-LIBRE"),
         Answer::Ok},
        {36, 36, 36, MessageKind::Confirmation, kMultipleOf8ReplaceQuestion, Answer::No},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.w);
        page.importWidth = page.importHeight = r.side;
        page.sourcePicture = Solid(r.w, r.h, Qt::yellow);
        prompts.expectMessage(r.kind, r.text, r.answer);
        EXPECT_FALSE(mask.start());
        EXPECT_FALSE(events.maskVisible);
        EXPECT_FALSE(events.enabled[PageCommand::Validate]);
    }
}

}  // namespace
}  // namespace tessella::testing
