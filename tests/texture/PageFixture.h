#pragma once
// A page with scripted prompts, counted pacing and recorded events, and helpers to make
// pictures and files.

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTemporaryDir>

#include "tests/support/CountingPacer.h"
#include "tests/support/Pictures.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/texture/RecordingEvents.h"
#include "texture/PageContext.h"
#include "texture/PageFiles.h"
#include "texture/PagePacker.h"
#include "texture/ReplaceMask.h"
#include "texture/SourcePanel.h"

namespace tessella::testing {

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
