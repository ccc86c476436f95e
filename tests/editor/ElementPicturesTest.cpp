// The pictures the element editor makes itself (cropping and extending are checked through
// "Propriétés" in ElementEditorTest).

#include <gtest/gtest.h>

#include "editor/ElementPictures.h"
#include "platform/Error.h"

using namespace tessella;
using namespace tessella::editor;

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
