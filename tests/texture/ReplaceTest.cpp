// Replace with the mask: ranges, positions, rounding, validation.

#include "tests/texture/PageFixture.h"
#include "texture/PageTexts.h"

using namespace tessella::texture;
using tessella::platform::Answer;
using tessella::platform::MessageKind;

namespace tessella::testing {
namespace {

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
        EXPECT_FALSE(events.isEnabled(PageCommand::Validate));
    }
}

}  // namespace
}  // namespace tessella::testing
