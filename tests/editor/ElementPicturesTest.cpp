// The pictures the element editor makes itself, checked pixel by pixel.

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
    EXPECT_EQ(blank.size(), QSize(3, 2));
    EXPECT_EQ(blank.format(), QImage::Format_BGR888);
    EXPECT_EQ(blank.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(blank.pixelColor(2, 1), QColor(Qt::blue));
    EXPECT_THROW(BlankElement(0, 5, platform::kWhite, kWhat), platform::TessellaError);
}

TEST(ElementPictures, CropOrExtendKeepsTheTopLeftPixelsAndWhitensWhatIsAdded) {
    const struct {
        QSize size;
        QPoint at;
        QColor expected;
    } rows[] = {
        {{3, 1}, {0, 0}, Qt::red},  {{3, 1}, {1, 0}, Qt::green}, {{3, 1}, {2, 0}, Qt::white},
        {{1, 3}, {0, 1}, Qt::blue}, {{1, 3}, {0, 2}, Qt::white}, {{2, 2}, {1, 1}, Qt::black},
    };
    for (const auto& row : rows) {
        const QImage resized = CropOrExtend(FourColours(), row.size, kWhat);
        ASSERT_EQ(resized.size(), row.size);
        EXPECT_EQ(resized.pixelColor(row.at), row.expected) << row.at.x() << "," << row.at.y();
    }
}

TEST(ElementPictures, APasteLeavesOutWhatLiesPastTheEdges) {
    const QImage white = BlankElement(3, 3, platform::kWhite, kWhat);
    // Laid from (1, 1): red on (1, 1), black on (2, 2), the first row and column untouched.
    QImage merged = PasteInto(white, FourColours(), {1, 1});
    EXPECT_EQ(merged.pixelColor(2, 2), QColor(Qt::black));
    EXPECT_EQ(merged.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(merged.pixelColor(0, 0), QColor(Qt::white));
    // Up and left by one: only the black pixel lands, on (0, 0).
    merged = PasteInto(white, FourColours(), {-1, -1});
    EXPECT_EQ(merged.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(merged.pixelColor(1, 0), QColor(Qt::white));
    EXPECT_EQ(merged.pixelColor(0, 1), QColor(Qt::white));
}

TEST(ElementPictures, ARulerIsWhiteWithItsTicksInBlack) {
    EXPECT_EQ(RulerPicture(QSize(0, 0), {}).size(), QSize(1, 1));
    const QImage ruler = RulerPicture(QSize(10, 5), {QLine(2, 0, 2, 4)});
    EXPECT_EQ(ruler.pixelColor(2, 0), QColor(Qt::black));
    EXPECT_EQ(ruler.pixelColor(2, 4), QColor(Qt::black));
    EXPECT_EQ(ruler.pixelColor(3, 3), QColor(Qt::white));
    EXPECT_EQ(ruler.pixelColor(1, 0), QColor(Qt::white));
}
