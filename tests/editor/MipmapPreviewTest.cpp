// "Aperçu des mipmaps" beside the editor: levels 0 to 4 of the element, following every edit.

#include <QAction>
#include <QLabel>
#include <QPushButton>

#include "tests/editor/EditorWindowFixture.h"
#include "ui/editor/MipmapPreview.h"

using namespace tessella;
using namespace tessella::testing;
using editor::MipmapPreview;

namespace {

// 2 x 2 black with `white` white pixels, from the top left.
QImage Corner(int white) {
    QImage picture(2, 2, QImage::Format_BGR888);
    picture.fill(Qt::black);
    for (int i = 0; i < white; ++i) picture.setPixelColor(i % 2, i / 2, Qt::white);
    return picture;
}

bool AllGrey(const QImage& picture, int grey) {
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) != QColor(grey, grey, grey)) return false;
    return true;
}

}  // namespace

// One white pixel of four is linear 0.25 a pixel at level 1, sRGB 137; after "Négatif", three
// of four, linear 0.75, sRGB 225. The 2 x 2 element has levels 0 and 1 only.
TEST_F(EditorWindow, TheMipmapPreviewShowsAndNamesTheLevelsAndFollowsEdits) {
    open(Corner(1));
    MipmapPreview* preview = editor->mipmapPreview();
    editor->mipmapPreviewAction->trigger();
    ASSERT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), "Aperçu des mipmaps");
    EXPECT_EQ(preview->levelPicture(0), editor->picture());
    EXPECT_TRUE(AllGrey(preview->levelPicture(1), 137));
    EXPECT_EQ(preview->levelPicture(1).size(), QSize(2, 2)) << "shown at the element's size";
    EXPECT_TRUE(preview->levelPicture(2).isNull());
    EXPECT_EQ(preview->levelCaptions[1]->text(), "Niveau 1 : 1 x 1");
    EXPECT_EQ(preview->levelCaptions[2]->text(), "");
    ASSERT_EQ(preview->levelViews.size(), 5);
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(preview->levelViews[n]->accessibleName(), QStringLiteral("Niveau %1").arg(n));
        EXPECT_EQ(preview->levelCaptions[n]->accessibleName(),
                  QStringLiteral("Taille du niveau %1").arg(n));
    }
    // Enlarged 80 times to the cell, without smoothing.
    const QImage shown = preview->levelViews[0]->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(160, 160));
    EXPECT_EQ(shown.pixelColor(79, 79), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(80, 79), QColor(Qt::black));

    editor->negativeButton->click();
    EXPECT_TRUE(AllGrey(preview->levelPicture(1), 225));
    EXPECT_EQ(preview->levelPicture(0), editor->picture());

    // A stroke under way shows too.
    editor->keepUndoCopy();
    editor->drawOnPicture([](QImage& p) { p.fill(Qt::white); });
    EXPECT_TRUE(AllGrey(preview->levelPicture(1), 255));
    editor->pictureDrawn();

    // Closed, it is brought up to date when shown again.
    preview->close();
    editor->negativeButton->click();
    editor->mipmapPreviewAction->trigger();
    EXPECT_TRUE(AllGrey(preview->levelPicture(1), 0));
}

// A sprite's levels keep its alpha: one opaque red texel among three transparent white ones is
// red at alpha 63.75 -> 64 at level 1 (colours weighted by alpha), neither pink nor dark.
TEST_F(EditorWindow, TheMipmapPreviewWeighsColoursByAlpha) {
    QImage sprite(2, 2, QImage::Format_ARGB32);
    sprite.fill(qRgba(255, 255, 255, 0));
    sprite.setPixel(0, 0, qRgba(255, 0, 0, 255));
    open(sprite);
    MipmapPreview* preview = editor->mipmapPreview();
    editor->mipmapPreviewAction->trigger();
    const QImage level = preview->levelPicture(1);
    ASSERT_EQ(level.size(), QSize(2, 2));
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(level.pixel(x, y), qRgba(255, 0, 0, 64)) << x << y;
}
