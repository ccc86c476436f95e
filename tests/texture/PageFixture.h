#pragma once
// A page with scripted prompts, counted pacing and recorded events.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>
#include <map>
#include <vector>

#include "tests/support/CountingPacer.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScriptedPrompts.h"
#include "texture/PageContext.h"
#include "texture/PageEvents.h"
#include "texture/PageFiles.h"
#include "texture/PagePacker.h"
#include "texture/ReplaceMask.h"
#include "texture/SourcePanel.h"

namespace tessella::testing {

// Page events that record what the window was asked to show.
class RecordingEvents final : public texture::PageEvents {
  public:
    void showPage(const QImage&, bool) override {}
    void setImportSizeText(const QString&) override {}
    void setStatusPanel(int, const QString&) override {}
    void setProgressMaximum(int) override {}
    void setProgress(int position) override { progress.push_back(position); }
    void setSourceCaption(const QString&) override {}
    void showSource(const QImage&, QSize, bool) override {}
    void setSourceSizeText(const QString&) override {}
    void setEnabled(texture::PageCommand command, bool on) override { enabled[command] = on; }
    void showSourcePanel() override {}
    void setMask(const QRect& geometry) override { mask = geometry; }
    void setMaskVisible(bool visible) override { maskVisible = visible; }
    void setPositionRanges(const texture::PositionRanges& r) override { ranges = r; }
    void setPositions(int32_t, int32_t) override {}
    void setPositionText(const QString& text) override { positionText = text; }
    void setPageCrossCursor() override {}
    void setBusy(bool) override {}
    void refreshCatalogue() override {}

    std::vector<int> progress;
    std::map<texture::PageCommand, bool> enabled;
    QRect mask;
    bool maskVisible = false;
    texture::PositionRanges ranges;
    QString positionText;
};

// Distinct colours for element n (from 1).
inline QColor ElementColour(int n) {
    return QColor(10 * n, 255 - 10 * n, (37 * n) % 256);
}

class PageFixture : public ::testing::Test {
  protected:
    PageFixture() { EXPECT_TRUE(dir.isValid()); }

    texture::PageContext context() { return {page, prompts, pacer, events}; }
    // A new page as "Nouvelle texture TGA" makes it, with the given maximum width.
    void newPage(int maxWidth, const QString& name = QStringLiteral("page.tga")) {
        prompts.expectFile(path(name));
        texture::FixedWidth width(maxWidth);
        ASSERT_TRUE(texture::PageFiles(context(), width).newPage());
    }
    // Previews picture as a click on a source would leave it, then adds it alone.
    texture::AddResult addOne(const QImage& picture) {
        page.sourcePicture = picture;
        return texture::PagePacker(context()).addPreviewed();
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    // Writes picture as a BMP with Qt's own writer.
    QString writeBmp(const QString& name, const QImage& picture) {
        const QString file = path(name);
        EXPECT_TRUE(picture.save(file, "BMP"));
        return file;
    }
    QColor pagePixel(int x, int y) const { return page.pageBitmap.pixel(x, y).toQColor(); }

    QTemporaryDir dir;
    texture::TexturePage page;
    ScriptedPrompts prompts;
    CountingPacer pacer;
    RecordingEvents events;
};

inline const QColor kMagentaColour(255, 0, 255);
inline const QColor kWhiteColour(255, 255, 255);

}  // namespace tessella::testing
