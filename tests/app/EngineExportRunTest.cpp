// The engine export runs off the window's thread: the window keeps answering, its progress bar
// follows the export, and "Arrêter" stops it with no file written.

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QSpinBox>

#include "imagefile/ImageLoader.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "tests/support/UnnamedControls.h"
#include "texture/AtlasData.h"
#include "texture/PageTexts.h"
#include "ui/texture/EngineExportDialog.h"

namespace tessella::testing {
namespace {

class EngineExportRun : public WindowFixture {
  protected:
    // A 1024 x 512 page of two 512 x 512 elements with some detail, so that encoding takes a
    // while; the dialog asks for BC3 with a normal map, the file dialog answers atlas.dds.
    void startExport() { startExport(path("atlas.dds")); }
    // error: the message the export ends with, if any; written: it ends with the files it
    // wrote listed in an information box.
    void startExport(const QString& file, const QString& error = {}, bool written = false) {
        QImage picture(1024, 512, QImage::Format_BGR888);
        for (int y = 0; y < 512; ++y)
            for (int x = 0; x < 1024; ++x)
                picture.setPixel(x, y, qRgb((x * 7 + y) & 255, (y * 5) & 255, (x ^ y) & 255));
        ASSERT_TRUE(picture.save(path("page.png"), "PNG"));
        ASSERT_TRUE(
            WriteBytes(path("page.json"), texture::AtlasJson({{QRect(0, 0, 512, 512), "a.bmp"},
                                                              {QRect(512, 0, 512, 512), "b.bmp"}},
                                                             "page.png", QSize(1024, 512))));
        if (page.textureFileName.isEmpty()) openPage(path("page.png"));
        texture::EngineExportDialog* dialog = window->engineExportDialog;
        QTimer::singleShot(0, dialog, [dialog] {
            dialog->blocksCombo->setCurrentIndex(
                dialog->blocksCombo->findData(int(imagefile::GpuBlockFormat::Bc3)));
            dialog->normalMapCheck->setChecked(true);
            dialog->buttons->button(QDialogButtonBox::Ok)->click();
        });
        prompts.expectFile(file);
        if (!error.isEmpty()) prompts.expectMessage(MessageKind::Error, error);
        if (written) prompts.expectMessage(MessageKind::Information, {});
        window->engineExportAction->trigger();
    }
};

// "Arrêter" once the bar has moved: the export ends with none of its files on the disk, the
// window having answered all along, and the bar and the button are back at rest.
TEST_F(EngineExportRun, ArreterLeavesNoFile) {
    int mostProgress = 0;
    bool stopEnabled = false;
    pacer.onPause = [&] {
        if (!window->stopButton->isEnabled()) return;
        stopEnabled = true;
        mostProgress = std::max(mostProgress, window->progressBar->value());
        if (window->progressBar->value() >= 1) window->stopButton->click();
    };
    startExport();
    EXPECT_TRUE(stopEnabled);
    EXPECT_GE(mostProgress, 1);
    EXPECT_GT(pacer.eventRuns, 1);
    for (const char* name : {"atlas.dds", "atlas.json", "atlas_n.dds"})
        EXPECT_FALSE(QFileInfo::exists(path(name))) << name;
    EXPECT_FALSE(window->stopButton->isEnabled());
    EXPECT_EQ(window->progressBar->value(), 0);
    EXPECT_TRUE(prompts.scriptDone());
}

// A failure on the worker reaches the user in the window's error box, and the next export,
// left alone, takes the bar through every step and writes every file; the atlas reads back at
// the size its data gives.
TEST_F(EngineExportRun, AFailureOnTheWorkerIsShownThenTheNextExportWritesEveryFile) {
    // page.dds would have page.json, the page's own atlas data, beside it.
    startExport(path("page.dds"), texture::kEngineTargetIsPage);
    EXPECT_TRUE(prompts.scriptDone());
    EXPECT_FALSE(QFileInfo::exists(path("page.dds")));
    EXPECT_FALSE(window->stopButton->isEnabled());
    std::vector<int> seen;
    pacer.onPause = [&] {
        if (seen.empty() || seen.back() != window->progressBar->value())
            seen.push_back(window->progressBar->value());
    };
    startExport(path("atlas.dds"), {}, true);
    EXPECT_GE(seen.size(), 2u);
    EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
    QFile json(path("atlas.json"));
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QJsonObject size = QJsonDocument::fromJson(json.readAll())["meta"]["size"].toObject();
    QImage atlas;
    ASSERT_TRUE(imagefile::LoadImageByExtension(path("atlas.dds"), atlas));
    EXPECT_EQ(atlas.size(), QSize(size["w"].toInt(), size["h"].toInt()));
    EXPECT_TRUE(QFileInfo::exists(path("atlas_n.dds")));
    EXPECT_TRUE(prompts.scriptDone());
}

// The dialog's choices as the export gets them: every control named for screen readers;
// trimming and bleeding on by default, bleeding idle while colours are premultiplied; the alpha
// coverage off below 0.05; the block format on the automatic choice, which leaves it to the
// atlas's alpha, until one is picked in the list, ASTC among them; DirectX offered only with
// the normal map.
TEST_F(EngineExportRun, TheDialogsChoicesReachTheSettings) {
    texture::EngineExportDialog* dialog = window->engineExportDialog;
    const auto ask = [dialog] {
        QTimer::singleShot(0, dialog,
                           [dialog] { dialog->buttons->button(QDialogButtonBox::Ok)->click(); });
        const auto settings = dialog->askEngineSettings();
        EXPECT_TRUE(settings);
        return settings.value_or(texture::EngineAtlasSettings{});
    };
    EXPECT_EQ(UnnamedControls(dialog), "");
    EXPECT_EQ(dialog->trimCheck->accessibleName(), "Rogner les marges transparentes");
    EXPECT_EQ(dialog->bleedCheck->accessibleName(), "Étendre les couleurs sous la transparence");
    EXPECT_EQ(dialog->premultiplyCheck->accessibleName(), "Alpha prémultiplié");
    EXPECT_EQ(dialog->directXCheck->accessibleName(), texture::kEngineDirectXCaption);
    EXPECT_TRUE(dialog->trimCheck->isChecked());
    EXPECT_TRUE(dialog->bleedCheck->isChecked());
    EXPECT_FALSE(dialog->premultiplyCheck->isChecked());
    EXPECT_EQ(dialog->blocksCombo->currentIndex(), 0);
    EXPECT_FALSE(ask().gpuFormatChosen);
    dialog->premultiplyCheck->setChecked(true);
    EXPECT_FALSE(dialog->bleedCheck->isEnabled());
    dialog->trimCheck->setChecked(false);
    EXPECT_FALSE(dialog->alphaThresholdSpin->isEnabled());
    dialog->trimCheck->setChecked(true);
    dialog->alphaThresholdSpin->setValue(12);
    const struct {
        double typed, kept;  // below 0.05 is off
    } coverages[] = {{0.5, 0.5}, {0.03, 0}, {0, 0}};
    for (const auto& row : coverages) {
        dialog->alphaCoverageSpin->setValue(row.typed);
        const auto settings = ask();
        EXPECT_TRUE(settings.trim);
        EXPECT_EQ(settings.alphaThreshold, 12);
        EXPECT_TRUE(settings.premultiply);
        EXPECT_DOUBLE_EQ(settings.alphaCoverage, row.kept) << row.typed;
    }
    for (const auto format : {imagefile::GpuBlockFormat::Bc1, imagefile::GpuBlockFormat::Bc3,
                              imagefile::GpuBlockFormat::Astc6x6}) {
        const int index = dialog->blocksCombo->findData(int(format));
        ASSERT_GE(index, 1);
        dialog->blocksCombo->setCurrentIndex(index);
        const auto chosen = ask();
        EXPECT_TRUE(chosen.gpuFormatChosen);
        EXPECT_EQ(chosen.gpuFormat, format);
    }
    // The command line's --directx in the window: offered with the normal map, and passed on.
    EXPECT_FALSE(dialog->directXCheck->isEnabled());
    dialog->normalMapCheck->setChecked(true);
    EXPECT_TRUE(dialog->directXCheck->isEnabled());
    dialog->directXCheck->setChecked(true);
    const auto normal = ask();
    EXPECT_TRUE(normal.normalMap);
    EXPECT_TRUE(normal.normal.directX);
}

}  // namespace
}  // namespace tessella::testing
