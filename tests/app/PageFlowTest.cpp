#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSpinBox>
#include <algorithm>

#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "texture/AtlasData.h"
#include "texture/PageTexts.h"
#include "ui/texture/EngineExportDialog.h"

namespace tessella::testing {
namespace {

class PageFlow : public WindowFixture {};

TEST_F(PageFlow, AMultiAddAsksBeforeCuttingAWideSourceAndSaysWhatItLeftOut) {
    source("1.bmp", Solid(64, 32, Qt::red));
    source("2.bmp", Solid(512, 512, Qt::green));
    source("3.bmp", Solid(48, 40, Qt::blue));
    showSources(3);
    // The list sorts its names once it has read them: the add goes in that order.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto entries = window->sourceEntries();
            return std::is_sorted(entries.begin(), entries.end(),
                                  [](const auto& a, const auto& b) { return a.path < b.path; });
        },
        5000));
    ASSERT_TRUE(Solid(128, 256, Qt::gray).save(path("haute.bmp"), "BMP"));
    // The narrow tall page keeps its width of 128: No to filling on its right.
    prompts.expectFile(path("haute.bmp"))
        .expectMessage(MessageKind::Warning, QString(), Answer::No);
    window->openPageAction->trigger();
    window->selectAllButton->click();
    prompts
        .expectMessage(MessageKind::Warning,
                       QString::fromUtf8("L'image à incruster a des dimensions incorrectes !\n\r"
                                         "Voulez-vous passer en mode LIBRE, c'est à dire\n\r"
                                         "accepter toutes dimensions d'image ?.\n\rATTENTION, "
                                         "vous êtes limité à une largeur de 128"),
                       Answer::Yes)
        .expectMessage(MessageKind::Warning,
                       QString::fromUtf8("L'image 2.bmp est trop large ( 512 )\n\rpour être "
                                         "incrustée correctement : la texture la couperait !\n\r"
                                         "INCRUSTER QUAND MÊME ?"),
                       Answer::No)
        .expectMessage(MessageKind::Warning,
                       QString::fromUtf8("Ces images, trop larges pour la texture, n'ont pas été "
                                         "incrustées :\n\r2.bmp"));
    window->addButton->click();
    EXPECT_TRUE(prompts.scriptDone());
    // 1 under the page's 256 rows, 3 beside it.
    EXPECT_EQ(pagePixel(0, 256), QColor(Qt::red));
    EXPECT_EQ(pagePixel(64, 256), QColor(Qt::blue));
}

// A PNG page with its atlas data: rouge.bmp red at (0, 0), bleu.bmp blue at (64, 0).
TEST_F(PageFlow, EngineExportAndAStoppedExtractionUnderTheElementsNames) {
    QImage picture(128, 64, QImage::Format_BGR888);
    picture.fill(Qt::red);
    QPainter(&picture).fillRect(64, 0, 64, 64, Qt::blue);
    ASSERT_TRUE(picture.save(path("page.png"), "PNG"));
    ASSERT_TRUE(WriteBytes(
        path("page.json"),
        texture::AtlasJson({{QRect(0, 0, 64, 64), "rouge.bmp"}, {QRect(64, 0, 64, 64), "bleu.bmp"}},
                           "page.png", QSize(128, 64))));
    openPage(path("page.png"));

    // The engine export's dialog leads to the file.
    texture::EngineExportDialog* dialog = window->engineExportDialog;
    QTimer::singleShot(0, dialog,
                       [dialog] { dialog->buttons->button(QDialogButtonBox::Ok)->click(); });
    prompts
        .expectFile(path("atlas"))  // typed without its extension
        .expectMessage(MessageKind::Information, QString());
    dialog->mipLevelsSpin->setValue(2);
    dialog->powerOfTwoCheck->setChecked(true);
    window->engineExportAction->trigger();
    // Then it says what it wrote: each file with its size.
    ASSERT_FALSE(prompts.shown().empty());
    EXPECT_EQ(prompts.shown().back().text,
              QStringLiteral("Exportation terminée. Fichiers écrits dans %1 :\n\r"
                             "atlas.png (%2 octets)\n\ratlas.json (%3 octets)")
                  .arg(folder.path())
                  .arg(QFileInfo(path("atlas.png")).size())
                  .arg(QFileInfo(path("atlas.json")).size()));
    // Two 64 x 64 frames, rings of 4 (one step of 4 before, one step past the last texel after)
    // and padding 4: cells of 76, 4 + 76 + 76 = 156 by 80 one over the other, grown to powers
    // of two: 128 x 256, the narrower of two equal bins.
    QFile json(path("atlas.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject meta = QJsonDocument::fromJson(json.readAll())["meta"].toObject();
    EXPECT_EQ(meta["mipLevels"].toInt(), 2);
    EXPECT_EQ(meta["size"].toObject(), QJsonObject({{"w", 128}, {"h", 256}}));
    json.close();
    // Again as a KTX2 file with its normal map beside it.
    QTimer::singleShot(0, dialog, [dialog] {
        dialog->normalMapCheck->setChecked(true);
        dialog->buttons->button(QDialogButtonBox::Ok)->click();
    });
    prompts.expectFile(path("gpu.ktx2")).expectMessage(MessageKind::Information, QString());
    window->engineExportAction->trigger();
    EXPECT_TRUE(prompts.shown().back().text.endsWith(
        QStringLiteral(
            ":\n\rgpu.ktx2 (%1 octets)\n\rgpu_n.ktx2 (%2 octets)\n\rgpu.json (%3 octets)")
            .arg(QFileInfo(path("gpu.ktx2")).size())
            .arg(QFileInfo(path("gpu_n.ktx2")).size())
            .arg(QFileInfo(path("gpu.json")).size())))
        << prompts.shown().back().text.toStdString();
    EXPECT_TRUE(QFileInfo::exists(path("gpu_n.ktx2")));
    QFile gpuJson(path("gpu.json"));
    ASSERT_TRUE(gpuJson.open(QIODevice::ReadOnly));
    EXPECT_EQ(QJsonDocument::fromJson(gpuJson.readAll())["meta"]["normalMap"].toString(),
              "gpu_n.ktx2");

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
    EXPECT_TRUE(prompts.scriptDone());
}

TEST_F(PageFlow, ArreterOrEscapeEndsAMultiAddWithTheElementsPlacedSoFar) {
    for (const char* name : {"1.bmp", "2.bmp", "3.bmp"}) source(name, Solid(64, 64, Qt::red));
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
            if (escape)
                QTest::keyPress(window->windowHandle(), Qt::Key_Escape);
            else
                window->stopButton->click();
        };
        const int startX = page.insertX;
        window->addButton->click();
        EXPECT_EQ(page.insertX, startX + 128);
        EXPECT_EQ(window->progressBar->value(), 0);
    }
}

TEST_F(PageFlow, AShownFolderThatDisappearsIsSaidAndItsParentShown) {
    QDir(path("src")).mkpath("sous/dossier");
    window->showSourceFolder(path("src/sous/dossier/"));
    // A file added is listed without a click.
    ASSERT_TRUE(Solid(8, 8, Qt::red).save(path("src/sous/dossier/b.bmp"), "BMP"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->fileCountLabel->value() == 1; }, 5000));
    prompts.expectMessage(
        MessageKind::Warning,
        QString::fromUtf8("Le dossier %1 n'existe plus !\n\rLe dossier %2 est affiché à sa place.")
            .arg(path("src/sous/dossier/"), path("src/")));
    ASSERT_TRUE(QDir(path("src/sous")).removeRecursively());
    EXPECT_TRUE(QTest::qWaitFor([&] { return prompts.scriptDone(); }, 5000));
    EXPECT_EQ(window->fileListFolder(), path("src/"));
}

// Three 64 x 64 elements in a column of a 256-wide page: compacted, they make one row. The
// program asks first, and the page is then modified, not saved.
TEST_F(PageFlow, CompactingAPageAsksThenPacksItsElementsInItsWidth) {
    QImage picture(256, 192, QImage::Format_BGR888);
    picture.fill(Qt::white);
    const QColor colours[3] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i) QPainter(&picture).fillRect(0, 64 * i, 64, 64, colours[i]);
    ASSERT_TRUE(picture.save(path("page.png"), "PNG"));
    ASSERT_TRUE(WriteBytes(path("page.json"), texture::AtlasJson({{QRect(0, 0, 64, 64), "a.bmp"},
                                                                  {QRect(0, 64, 64, 64), "b.bmp"},
                                                                  {QRect(0, 128, 64, 64), "c.bmp"}},
                                                                 "page.png", QSize(256, 192))));
    openPage(path("page.png"));
    ASSERT_TRUE(window->compactPageAction->isEnabled());

    const QString question = texture::kCompactQuestion.arg(3).arg(256);
    prompts.expectMessage(MessageKind::Confirmation, question, Answer::No);
    window->compactPageAction->trigger();
    EXPECT_EQ(page.pageBitmap.height(), 192);

    prompts.expectMessage(MessageKind::Confirmation, question, Answer::Yes);
    window->compactPageAction->trigger();
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_EQ(page.pageBitmap.height(), 64);
    EXPECT_EQ(page.pageBitmap.width(), 256);
    EXPECT_TRUE(page.modified);
    for (const texture::AtlasFrame& f : page.frames) {
        EXPECT_EQ(f.rect.y(), 0);
        EXPECT_EQ(pagePixel(f.rect.x() + 5, 5), colours[f.name[0].unicode() - 'a']);
    }
    EXPECT_EQ(viewPixel(255, 0), kMagenta);  // a quarter of the row is free
    // Saved, the list follows.
    window->savePageAction->trigger();
    QFile json(path("page.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    EXPECT_EQ(texture::ParseAtlasJson(json.readAll(), QSize(256, 64))
                  .value_or(std::vector<texture::AtlasFrame>{}),
              page.frames);
}

}  // namespace
}  // namespace tessella::testing
