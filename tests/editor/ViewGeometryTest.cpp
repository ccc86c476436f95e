// What the element's view shows: pointer and zoom arithmetic, rulers, the exposed part, and
// the pictures the editor makes itself (cropping and extending: "Propriétés" in
// ElementEditorTest).

#include <gtest/gtest.h>

#include "editor/ElementPictures.h"
#include "editor/ViewGeometry.h"
#include "platform/Error.h"
#include "ui/widgets/ImageBox.h"

using namespace tessella;
using namespace tessella::editor;

TEST(ViewGeometry, PointerToPixelTruncatesAndStaysInsideThePicture) {
    EXPECT_EQ(ViewToPixel({10, 7}, 3), QPoint(3, 2));  // 10 / 3 = 3, 7 / 3 = 2
    EXPECT_FALSE(IsOnPicture({4, 1}, 4, 3));           // x = W is past the last column
    EXPECT_FALSE(IsOnPicture({-1, 0}, 4, 3));
    EXPECT_EQ(ClampToPicture({4, 3}, 4, 3), QPoint(3, 2));
    EXPECT_EQ(ClampToPicture({-1, -5}, 4, 3), QPoint(0, 0));
}

TEST(ViewGeometry, ZoomedSizeRefusesWhatOverflows) {
    EXPECT_EQ(ZoomedSize(64, 32, 3), QSize(192, 96));
    try {
        ZoomedSize(300'000'000, 1, 10);
        FAIL() << "no overflow reported";
    } catch (const platform::TessellaError& e) {
        EXPECT_EQ(e.message(), platform::kOverflowMessage);
    }
}

TEST(ViewGeometry, RulerTicksAndLines) {
    // 12 rounds up to 15: ticks at 5 (long), 10 (short), 15 (long).
    const std::vector<QLine> vertical = {{0, 5, 24, 5}, {10, 10, 24, 10}, {0, 15, 24, 15}};
    EXPECT_EQ(VerticalRulerTicks(12), vertical);
    EXPECT_TRUE(VerticalRulerTicks(0).empty());
    // The lines stop short of the pointer, and never go negative near the corner.
    const RulerLines far = RulerLinesAt({40, 30});
    EXPECT_EQ(far.vertical, QRect(40, 0, 1, 20));
    EXPECT_EQ(far.horizontal, QRect(0, 30, 30, 1));
    // Near the top-left corner the lengths would be negative.
    const RulerLines corner = RulerLinesAt({3, 4});
    EXPECT_EQ(corner.vertical.height(), 0);
}

TEST(ViewGeometry, OnlyTheSourcePixelsUnderTheExposedPartArePainted) {
    // 512 x 512 at zoom 10, a 1000 x 800 viewport scrolled to (100, 50).
    auto part =
        widgets::ImageBox::ExposedPart({100, 50, 1000, 800}, {0, 0, 5120, 5120}, {512, 512});
    ASSERT_TRUE(part);
    EXPECT_EQ(part->source, QRect(10, 5, 100, 80));
    EXPECT_EQ(part->target, QRectF(100, 50, 1000, 800));
    // An exposed strip that starts and ends inside element pixels takes both whole pixels.
    part = widgets::ImageBox::ExposedPart({15, 0, 10, 10}, {0, 0, 40, 40}, {4, 4});
    ASSERT_TRUE(part);
    EXPECT_EQ(part->source, QRect(1, 0, 2, 1));
    EXPECT_EQ(part->target, QRectF(10, 0, 20, 10));
    EXPECT_FALSE(widgets::ImageBox::ExposedPart({50, 50, 10, 10}, {0, 0, 40, 40}, {4, 4}));
}

namespace {

const QString kWhat = QStringLiteral("Nouvel élément");

// 2 x 2: red, green on the first row; blue, black on the second.
QImage FourColours() {
    QImage picture(2, 2, QImage::Format_BGR888);
    picture.setPixelColor(0, 0, Qt::red);
    picture.setPixelColor(1, 0, Qt::green);
    picture.setPixelColor(0, 1, Qt::blue);
    picture.setPixelColor(1, 1, Qt::black);
    return picture;
}

}  // namespace

TEST(ElementPictures, ABlankElementIsFilledWithItsColourWithinTheLimits) {
    // 0x00BBGGRR: 0x00FF0000 is pure blue.
    const QImage blank = BlankElement(3, 2, platform::ColourValue(0x00FF0000u), kWhat);
    EXPECT_EQ(blank.format(), QImage::Format_BGR888);
    EXPECT_EQ(blank.pixelColor(2, 1), QColor(Qt::blue));
    EXPECT_THROW(BlankElement(0, 5, platform::kWhite, kWhat), platform::TessellaError);
}

TEST(ElementPictures, APasteLeavesOutWhatLiesPastTheEdges) {
    const QImage white = BlankElement(3, 3, platform::kWhite, kWhat);
    // Up and left by one: only the black pixel lands, on (0, 0). (Past the bottom right corner:
    // ZonesTest.)
    const QImage merged = PasteInto(white, FourColours(), {-1, -1});
    EXPECT_EQ(merged.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(merged.pixelColor(1, 0), QColor(Qt::white));
}
