// Printing transparency: pictures blend over white paper, each channel c a / 255 + 255 (255 - a)
// / 255 rounded (worked by hand below), before any resampling; opaque pictures print as before.

#include <gtest/gtest.h>

#include "print/ContactSheet.h"
#include "print/PagePrinting.h"
#include "tests/support/Pictures.h"
#include "tests/support/RecordingPrinter.h"

namespace tessella::testing {
namespace {

struct OnPaper {
    QRgb texel;
    QRgb printed;
};
// (255, 0, 0, 128): red (32640 + 32385) / 255 = 255, green 32385 / 255 = 127.
// (30, 180, 40, 51): (1530 + 52020) / 255 = 210, (9180 + 52020) / 255 = 240,
// (2040 + 52020) / 255 = 212. (0, 0, 0, 100): 255 x 155 / 255 = 155.
const OnPaper kRows[] = {
    {qRgba(200, 30, 30, 0), qRgb(255, 255, 255)}, {qRgba(200, 30, 30, 255), qRgb(200, 30, 30)},
    {qRgba(255, 0, 0, 128), qRgb(255, 127, 127)}, {qRgba(30, 180, 40, 51), qRgb(210, 240, 212)},
    {qRgba(0, 0, 0, 100), qRgb(155, 155, 155)},
};

QImage Row() {
    QImage picture(std::size(kRows), 1, QImage::Format_ARGB32);
    for (int i = 0; i < int(std::size(kRows)); ++i) picture.setPixel(i, 0, kRows[i].texel);
    return picture;
}

TEST(PrintOverWhite, TexelsAndThePagePrintBlendOverWhitePaper) {
    const QImage paper = print::OnWhitePaper(Row());
    EXPECT_EQ(paper.format(), QImage::Format_BGR888);
    for (int i = 0; i < int(std::size(kRows)); ++i)
        EXPECT_EQ(paper.pixel(i, 0) & 0xFFFFFF, kRows[i].printed & 0xFFFFFF) << i;
    const QImage opaque = Solid(3, 3, Qt::red);
    EXPECT_EQ(print::OnWhitePaper(opaque).constBits(), opaque.constBits());  // untouched
    // The page print sends the blended picture: five texels each a fifth of the target.
    RecordingPrinter printer;
    print::PrintPage(printer, Row(), {100, 20, 30}, {});
    ASSERT_EQ(printer.documents.size(), 1u);
    ASSERT_EQ(printer.documents[0].pictures.size(), 1u);
    const QImage& printed = printer.documents[0].pictures[0].picture;
    for (int i = 0; i < int(std::size(kRows)); ++i) {
        const QPoint middle((2 * i + 1) * printed.width() / 10, printed.height() / 2);
        EXPECT_EQ(printed.pixel(middle) & 0xFFFFFF, kRows[i].printed & 0xFFFFFF) << i;
    }
}

// A thumbnail of the contact sheet: a half-transparent red square lands on the white sheet as
// (255, 127, 127), at its own size from (2, 2).
TEST(PrintOverWhite, ContactSheetThumbnailsBlendOverTheSheet) {
    QImage square(4, 4, QImage::Format_ARGB32);
    square.fill(qRgba(255, 0, 0, 128));
    QImage sheet = print::BlankSheet();
    print::DrawThumbnail(sheet, 0, square, QString());
    EXPECT_EQ(sheet.pixel(2, 2) & 0xFFFFFF, qRgb(255, 127, 127) & 0xFFFFFF);
    EXPECT_EQ(sheet.pixel(5, 5) & 0xFFFFFF, qRgb(255, 127, 127) & 0xFFFFFF);
    EXPECT_EQ(sheet.pixel(6, 6) & 0xFFFFFF, qRgb(255, 255, 255) & 0xFFFFFF);
}

}  // namespace
}  // namespace tessella::testing
