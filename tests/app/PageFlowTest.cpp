// The page's flow as a person walks through it: what the preview shows after an extraction,
// wide sources in a multi-add, stopping a long run, the width question's close box, the properties
// of a large element and a source folder that disappears.

#include <QDialogButtonBox>
#include <QFile>
#include <QSpinBox>
#include <algorithm>

#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "texture/AtlasData.h"
#include "texture/PageTexts.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/texture/EngineExportDialog.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::testing {
namespace {

class PageFlow : public WindowFixture {
  protected:
    // page.bmp, w x h in one colour per 64 x 64 element (ElementColour of its number).
    QString elementPage(int w, int h) {
        QImage picture(w, h, QImage::Format_RGB32);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                picture.setPixelColor(x, y, Colour(1 + y / 64 * (w / 64) + x / 64));
        const QString file = path("page.bmp");
        EXPECT_TRUE(picture.save(file, "BMP"));
        return file;
    }
    static QColor Colour(int n) { return QColor(10 * n, 255 - 10 * n, (37 * n) % 256); }
    QColor previewPixel() const { return window->sourcePreview->picture().pixelColor(0, 0); }
    // "Extraire les images d'une texture" into mur001.bmp, mur002.bmp...
    void extract() {
        prompts.expectFile(path("mur"));
        window->extractElementsAction->trigger();
    }
    bool extracted(int n) const {
        return QFileInfo::exists(path(QStringLiteral("mur%1.bmp").arg(n, 3, 10, QChar('0'))));
    }
};

TEST_F(PageFlow, AfterAnExtractionThePreviewShowsThePreviewedSourceAgain) {
    source("bleu.bmp", Solid(64, 64, Qt::blue));
    showSources(1);
    openPage(elementPage(128, 64));
    // Nothing previewed: the preview ends empty, not on the last element.
    extract();
    EXPECT_TRUE(extracted(2));
    EXPECT_TRUE(window->sourcePreview->picture().isNull());
    EXPECT_TRUE(page.sourcePicture.isNull());

    clickSource("bleu.bmp");
    extract();
    EXPECT_EQ(previewPixel(), QColor(Qt::blue));
    EXPECT_EQ(window->sourceGroup->title(), "bleu.bmp");
    EXPECT_EQ(window->sourceSizeLabel->text(), "64 x 64");
    // "Ajouter" places what the caption names: the 128 x 64 page grows a row of blue.
    window->addButton->click();
    EXPECT_EQ(pagePixel(0, 64), QColor(Qt::blue));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageFlow, AMultiAddAsksBeforeCuttingAWideSource) {
    const QString freeSize = QString::fromUtf8(
        "L'image à incruster a des dimensions incorrectes !\n\rVoulez-vous passer en mode LIBRE, "
        "c'est à dire\n\raccepter toutes dimensions d'image ?.\n\rATTENTION, vous êtes limité à "
        "une largeur de 128");
    const QString tooWide = QString::fromUtf8(
        "L'image 2.bmp est trop large ( 512 )\n\rpour être incrustée correctement : la texture la "
        "couperait !\n\rINCRUSTER QUAND MÊME ?");
    const QString leftOut = QString::fromUtf8(
        "Ces images, trop larges pour la texture, n'ont pas été incrustées :\n\r2.bmp");
    source("1.bmp", Solid(64, 32, Colour(1)));
    source("2.bmp", Solid(512, 512, Colour(2)));
    source("3.bmp", Solid(64, 64, Colour(3)));
    source("4.bmp", Solid(48, 40, Colour(4)));
    showSources(4);
    // The list sorts its names once it has read them: the add goes in that order.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto entries = window->sourceEntries();
            return entries.size() == 4 &&
                   std::is_sorted(entries.begin(), entries.end(),
                                  [](const auto& a, const auto& b) { return a.path < b.path; });
        },
        5000));
    ASSERT_TRUE(Solid(128, 256, Qt::gray).save(path("haute.bmp"), "BMP"));
    // 1 goes under the page's 256 rows at (0, 256).
    struct Row {
        Answer answer;
        bool saysLeftOut;
        QPoint second, third, fourth;  // where 2, 3 and 4 land (2 at (-1, -1) when left out)
        int pageHeight;
    } rows[] = {
        // 3 beside 1 (256 + 64 = 320 high), 4 on a new row: 320 + 40.
        {Answer::No, true, {-1, -1}, {64, 256}, {0, 320}, 360},
        // 2 on a row of its own cut to 128 wide (288 + 512 = 800), 3 below, 4 beside 3.
        {Answer::YesToAll, false, {0, 288}, {0, 800}, {64, 800}, 864},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(static_cast<int>(r.answer));
        page.freeSize = false;
        window->importSizeCombo->setCurrentText("64 x 64");
        window->changeImportSize();
        // The narrow tall page keeps its width of 128: No to filling on its right.
        prompts.expectFile(path("haute.bmp"))
            .expectMessage(MessageKind::Warning, QString(), Answer::No);
        window->openPageAction->trigger();
        if (!window->fileList->selectionModel()->hasSelection()) window->selectAllButton->click();
        prompts.expectMessage(MessageKind::Warning, freeSize, Answer::Yes)
            .expectMessage(MessageKind::Warning, tooWide, r.answer);
        if (r.saysLeftOut) prompts.expectMessage(MessageKind::Warning, leftOut);
        window->addButton->click();
        EXPECT_TRUE(prompts.scriptDone());
        EXPECT_EQ(QSize(page.pageWidth, page.pageHeight), QSize(128, r.pageHeight));
        EXPECT_EQ(pagePixel(0, 256), Colour(1));
        if (r.second.x() >= 0) {
            EXPECT_EQ(pagePixel(127, r.second.y()), Colour(2));
        }
        EXPECT_EQ(pagePixel(r.third.x(), r.third.y()), Colour(3));
        EXPECT_EQ(pagePixel(r.fourth.x(), r.fourth.y()), Colour(4));
        page.modified = false;
    }
}

// A PNG page with its atlas data: rouge.bmp red at (0, 0), bleu.bmp blue at (64, 0).
TEST_F(PageFlow, EngineExportAndExtractionUnderTheElementsNames) {
    QImage picture(128, 64, QImage::Format_BGR888);
    picture.fill(Qt::red);
    for (int y = 0; y < 64; ++y)
        for (int x = 64; x < 128; ++x) picture.setPixelColor(x, y, Qt::blue);
    ASSERT_TRUE(picture.save(path("page.png"), "PNG"));
    ASSERT_TRUE(WriteBytes(
        path("page.json"),
        texture::AtlasJson({{QRect(0, 0, 64, 64), "rouge.bmp"}, {QRect(64, 0, 64, 64), "bleu.bmp"}},
                           "page.png", QSize(128, 64))));
    openPage(path("page.png"));

    texture::EngineExportDialog* dialog = window->engineExportDialog;
    QTimer::singleShot(0, dialog, [dialog] {
        dialog->paddingSpin->setValue(4);
        dialog->extrudeSpin->setValue(3);
        dialog->buttons->button(QDialogButtonBox::Ok)->click();
    });
    prompts.expectFile(path("atlas"));  // typed without its extension
    window->engineExportAction->trigger();
    // Name order, cells of 70: bleu at 4, rouge at 4 + 70 + 4 = 78; 78 + 70 + 4 wide.
    const QImage atlas(path("atlas.png"));
    EXPECT_EQ(atlas.size(), QSize(152, 78));
    EXPECT_EQ(atlas.pixelColor(4, 4), QColor(Qt::blue));
    EXPECT_EQ(atlas.pixelColor(147, 73), QColor(Qt::red));
    EXPECT_EQ(atlas.pixelColor(75, 40), kMagenta);
    EXPECT_TRUE(QFileInfo::exists(path("atlas.json")));
    EXPECT_EQ(prompts.dialogCaptions().back(), texture::kEngineExportTitle);
    // Cancelled: no file dialog follows.
    QTimer::singleShot(0, dialog, [dialog] { dialog->reject(); });
    window->engineExportAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());

    // "Arrêter" after the first element, bleu: rouge is not written.
    pacer.onPause = [&] { window->stopButton->click(); };
    prompts.expectMessage(MessageKind::Confirmation, texture::kExtractChoiceQuestion, Answer::Yes)
        .expectFolder(path("noms"));
    window->extractElementsAction->trigger();
    EXPECT_EQ(QImage(path("noms/bleu.png")).pixelColor(9, 9), QColor(Qt::blue));
    EXPECT_FALSE(QFileInfo::exists(path("noms/rouge.png")));
    // Again: a question before the one file there is replaced.
    pacer.onPause = nullptr;
    prompts.expectMessage(MessageKind::Confirmation, texture::kExtractChoiceQuestion, Answer::Yes)
        .expectFolder(path("noms"))
        .expectMessage(MessageKind::Confirmation, texture::kExtractNamesReplace.arg(1),
                       Answer::Yes);
    window->extractElementsAction->trigger();
    EXPECT_EQ(QImage(path("noms/rouge.png")).pixelColor(9, 9), QColor(Qt::red));
    // Numbered files are cut at the frames too, row by row.
    prompts.expectMessage(MessageKind::Confirmation, texture::kExtractChoiceQuestion, Answer::No);
    extract();
    EXPECT_EQ(QImage(path("mur001.bmp")).pixelColor(9, 9), QColor(Qt::red));
    EXPECT_EQ(QImage(path("mur002.bmp")).pixelColor(9, 9), QColor(Qt::blue));
    EXPECT_FALSE(extracted(3));
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageFlow, ArreterEndsAnExtractionAndKeepsTheFilesWritten) {
    openPage(elementPage(256, 128));
    EXPECT_FALSE(window->stopButton->isEnabled());
    bool enabledDuringRun = false;
    pacer.onPause = [&] {
        enabledDuringRun = window->stopButton->isEnabled();
        // The third element is written when its pause comes.
        if (pacer.waits == 3) window->stopButton->click();
    };
    extract();
    EXPECT_TRUE(enabledDuringRun);
    // What each file holds is the page files' own test.
    for (int n = 1; n <= 3; ++n) EXPECT_TRUE(extracted(n)) << n;
    EXPECT_FALSE(extracted(4));
    EXPECT_FALSE(window->stopButton->isEnabled());
    EXPECT_EQ(window->progressBar->value(), 0);
    // A new run starts afresh: all eight.
    pacer.onPause = nullptr;
    extract();
    EXPECT_TRUE(extracted(8));
}

TEST_F(PageFlow, ArreterOrEscapeEndsAMultiAddWithTheElementsPlacedSoFar) {
    source("1.bmp", Solid(64, 64, Colour(1)));
    source("2.bmp", Solid(64, 64, Colour(2)));
    source("3.bmp", Solid(64, 64, Colour(3)));
    showSources(3);
    newPage("page.tga");
    window->selectAllButton->click();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const bool escape : {false, true}) {
        SCOPED_TRACE(escape ? "Escape" : "Arrêter");
        pacer.eventRuns = 0;
        // The second file is loaded when the user stops: it is placed, the third is not.
        pacer.onPause = [&] {
            if (pacer.eventRuns != 2) return;
            if (escape) {
                QTest::keyPress(window->windowHandle(), Qt::Key_Escape);
                QTest::keyRelease(window->windowHandle(), Qt::Key_Escape);
            } else
                window->stopButton->click();
        };
        const int startX = page.insertX;
        window->addButton->click();
        EXPECT_EQ(pagePixel(startX, 0), Colour(1));
        EXPECT_EQ(pagePixel(startX + 64, 0), Colour(2));
        EXPECT_EQ(page.insertX, startX + 128);
        EXPECT_EQ(pacer.eventRuns, 2);
        EXPECT_FALSE(window->stopButton->isEnabled());
        EXPECT_EQ(window->progressBar->value(), 0);
    }
}

TEST_F(PageFlow, TheWidthQuestionsCloseBoxCancelsTheNewPage) {
    QTimer::singleShot(0, widthDialog, [d = widthDialog] {
        d->width512Radio->setChecked(true);
        d->close();
    });
    window->newPageAction->trigger();  // the script has no file dialog to answer
    EXPECT_FALSE(page.pageOwned());
    EXPECT_TRUE(prompts.shown().empty());
    EXPECT_TRUE(prompts.dialogCaptions().empty());
}

TEST_F(PageFlow, PropertiesShowALargeElementsOwnSize) {
    editor::NewElementDialog& dialog = *window->newElementDialog;
    QSize shown;
    QTimer::singleShot(0, &dialog, [&] {
        shown = QSize(dialog.widthSpin->value(), dialog.heightSpin->value());
        EXPECT_EQ(dialog.widthLabel->text(), "512");
        dialog.heightSpin->stepDown();  // 248: the arrows start from the element's size
        dialog.okButton->click();
    });
    ASSERT_TRUE(dialog.askSize(QSize(512, 256)));
    EXPECT_EQ(shown, QSize(512, 256));
    EXPECT_EQ(QSize(context.newElement.elementWidth, context.newElement.elementHeight),
              QSize(512, 248));
    // A new element afterwards stays within 128.
    QTimer::singleShot(0, &dialog, [&] {
        shown = QSize(dialog.widthSpin->value(), dialog.heightSpin->value());
        dialog.okButton->click();
    });
    ASSERT_TRUE(dialog.askNewElement());
    EXPECT_EQ(shown, QSize(128, 128));
    EXPECT_EQ(context.newElement.elementWidth, 128);
}

TEST_F(PageFlow, AShownFolderThatDisappearsIsSaidAndItsParentShown) {
    QDir(path("src")).mkpath("sous/dossier");
    ASSERT_TRUE(Solid(8, 8, Qt::red).save(path("src/sous/dossier/a.bmp"), "BMP"));
    window->showSourceFolder(path("src/sous/dossier/"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->fileCountLabel->value() == 1; }, 5000));
    // A file added beside it is listed without a click.
    ASSERT_TRUE(Solid(8, 8, Qt::red).save(path("src/sous/dossier/b.bmp"), "BMP"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->fileCountLabel->value() == 2; }, 5000));
    prompts.expectMessage(
        MessageKind::Warning,
        QString::fromUtf8("Le dossier %1 n'existe plus !\n\rLe dossier %2 est affiché à sa place.")
            .arg(path("src/sous/dossier/"), path("src/")));
    ASSERT_TRUE(QDir(path("src/sous")).removeRecursively());
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompts.scriptDone(); }, 5000));
    EXPECT_EQ(window->fileListFolder(), path("src/"));
}

}  // namespace
}  // namespace tessella::testing
