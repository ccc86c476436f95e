#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include <QAccessible>
#include "ui/catalogue/CatalogueTexts.h"
#include "ui/catalogue/CatalogueWindow.h"
#include "ui/catalogue/ThumbnailBox.h"
#include "ui/editor/ElementEditor.h"
#include "ui/widgets/ImageBox.h"

#include "tests/support/ContextFixture.h"
#include "tests/support/Pictures.h"
#include "tests/support/TestFiles.h"

using namespace tessella;
using namespace tessella::testing;
using catalogue::CatalogueWindow;
using platform::Answer;
using platform::MessageKind;

namespace {

class Catalogue : public AppFixture {
  protected:
    Catalogue() { window = std::make_unique<CatalogueWindow>(prompts, context.programFolder); }

    QString textures() const { return path("Clips_Textures"); }
    void writeBitmap(const QString& name, QSize size, QColor colour = Qt::darkCyan) {
        QDir().mkpath(textures());
        ASSERT_TRUE(
            Solid(size.width(), size.height(), colour).save(textures() + '/' + name, "BMP"));
    }
    // The picture control's signal, as a double click of the mouse raises it.
    static void doubleClickOn(catalogue::ThumbnailBox* box) { emit box->picture->doubleClicked(); }
    QStringList captions() const {
        QStringList titles;
        for (auto* box : window->boxes) titles << box->title();
        return titles;
    }

    std::unique_ptr<CatalogueWindow> window;
};

TEST_F(Catalogue, PagesBySixAndAClickShowsTheFile) {
    for (int i = 1; i <= 14; ++i)
        writeBitmap(QStringLiteral("t%1.bmp").arg(i, 2, 10, QChar('0')), {50, 20});
    window->begin();
    window->finishReading();
    EXPECT_EQ(window->summaryLabel->text(), "  [ Clips_Textures ]      14 texture(s)");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(window->rangeLabel)->text(QAccessible::Name),
              QString::fromUtf8("Images affichées : 1 à 6"));
    window->nextPageButton->click();
    window->nextPageButton->click();
    window->finishReading();
    EXPECT_EQ(window->rangeLabel->text(), "13 à 14");
    EXPECT_EQ(captions(), QStringList({"t13.bmp", "t14.bmp", " ", " ", " ", " "}));
    window->firstPageButton->click();
    window->lastPageButton->click();
    window->finishReading();
    EXPECT_EQ(window->rangeLabel->text(), "9 à 14");
    // The zoom box refits the pictures already read.
    auto* box = window->boxes[0];
    window->zoomSmallCheck->setChecked(false);
    EXPECT_EQ(box->picture->geometry(), QRect(27, 55, 50, 20));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(box->picture, &press);
    EXPECT_EQ(window->statusPanels[1]->text(), "t09.bmp");
    EXPECT_EQ(window->statusPanels[2]->text(), "50 x 20  ");
}

TEST_F(Catalogue, AMissingFolderIsCreatedOnYesAndIsEmptyOtherwiseOrWhenItCannotBe) {
    const QString question = catalogue::kMissingFolderQuestion.arg("Clips_Textures");
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::Yes)
        .expectMessage(MessageKind::Warning, catalogue::kEmptyFolderWarning);
    window->begin();
    window->finishReading();
    EXPECT_TRUE(QFileInfo(textures()).isDir());

    ASSERT_TRUE(QDir(textures()).removeRecursively());
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::No);
    window->begin();
    window->finishReading();
    EXPECT_FALSE(QFileInfo(textures()).exists());
    EXPECT_EQ(window->summaryLabel->text(), "  [ Clips_Textures ]      0 texture(s)");
    EXPECT_FALSE(window->gridPanel->isEnabled());

    // The program's folder is a file: nothing can be made inside it.
    ASSERT_TRUE(WriteBytes(path("program")));
    context.programFolder = platform::ProgramFolder(path("program"));
    prompts.expectMessage(MessageKind::Confirmation, {}, Answer::Yes)
        .expectMessage(MessageKind::Error,
                       catalogue::kFolderNotCreated.arg(path("program") + "/Clips_Textures"));
    window->begin();
    window->finishReading();
    EXPECT_FALSE(window->gridPanel->isEnabled());
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(Catalogue, AnUnreadableFileLeavesItsBoxEmptyAndTheOthersFollow) {
    writeBitmap("a.bmp", {8, 8});
    writeBitmap("c.bmp", {8, 8});
    ASSERT_TRUE(WriteBytes(QDir(textures()).filePath("b.bmp"), "BM not a bitmap"));
    prompts.expectMessage(MessageKind::Error, catalogue::kUnreadableTextures.arg("b.bmp"));
    window->begin();
    window->finishReading();
    EXPECT_EQ(captions(), QStringList({"a.bmp", " ", "c.bmp", " ", " ", " "}));
    doubleClickOn(window->boxes[1]);  // an empty box: nothing happens
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(Catalogue, ADoubleClickHandsTheTextureToTheEditorOrTheColourWindow) {
    writeBitmap("bois.bmp", {16, 8}, Qt::darkYellow);
    writeBitmap("pierre.bmp", {16, 8}, Qt::gray);
    editor::ElementEditor editor(context.editorServices());
    QObject::connect(window.get(), &CatalogueWindow::textureForEditor, &editor,
                     &editor::ElementEditor::takeTexture);
    texture::ElementRequest request;
    request.picture = Solid(4, 4, Qt::white);
    editor.begin(request);
    window->show();
    window->begin();
    window->finishReading();
    doubleClickOn(window->boxes[0]);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(editor.picture(), Solid(16, 8, Qt::darkYellow));
    EXPECT_EQ(editor.reloadPath(), QDir(textures()).filePath("bois.bmp"));

    // A file spoilt since the page was shown: a message, and the element stays.
    ASSERT_TRUE(WriteBytes(QDir(textures()).filePath("pierre.bmp")));
    prompts.expectMessage(MessageKind::Error, {});
    doubleClickOn(window->boxes[1]);
    EXPECT_EQ(editor.picture(), Solid(16, 8, Qt::darkYellow));

    editor.undoButton->click();
    EXPECT_EQ(editor.picture(), Solid(4, 4, Qt::white));
    EXPECT_TRUE(prompts.scriptDone());

    // For the colour window's background the catalogue closes.
    QString receivedPath;
    QObject::connect(window.get(), &CatalogueWindow::textureForColourWindow,
                     [&](const QImage&, const QString& path) { receivedPath = path; });
    prompts.expectMessage(MessageKind::Error, {});  // pierre.bmp, still spoilt
    window->begin(textures());
    window->finishReading();
    doubleClickOn(window->boxes[0]);
    EXPECT_EQ(receivedPath, QDir(textures()).filePath("bois.bmp"));
    EXPECT_FALSE(window->isVisible());
}

// A thumbnail of a picture with transparency shows the grey checkerboard under it: 8-pixel
// squares, 255 at the picture's corner, 204 beside it.
TEST(ThumbnailCheckerboard, TransparentTexelsShowTheBoard) {
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(qRgba(10, 20, 30, 0));
    catalogue::ThumbnailBox box(1);
    box.showFile(QStringLiteral("leaf.png"), 0, picture, false);
    widgets::ImageBox& view = *box.picture;
    ASSERT_GE(view.width(), 16);
    QImage shot(view.size(), QImage::Format_RGB32);
    view.render(&shot);
    const QPoint corner = view.pictureRect().topLeft();
    EXPECT_EQ(shot.pixel(corner + QPoint(1, 1)) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shot.pixel(corner + QPoint(9, 1)) & 0xFFFFFF, 0xCCCCCCu);
    EXPECT_EQ(shot.pixel(corner + QPoint(9, 9)) & 0xFFFFFF, 0xFFFFFFu);
}

}  // namespace
