#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTextDocument>

#include "helpfile/RtfReader.h"
#include "platform/ProgramFolder.h"

using namespace tessella;

namespace {

const platform::ProgramFolder kProgram(QStringLiteral(TESSELLA_PROGRAM_DIR));

// Every texture shipped is a square 24-bit BMP of 64 or 128 pixels, a texture, not flat colours.
void ExpectTextures(const QString& folder, int atLeast) {
    const QStringList names = QDir(folder).entryList({"*.bmp"}, QDir::Files);
    EXPECT_GE(names.size(), atLeast) << folder.toStdString();
    for (const QString& name : names) {
        QFile f(QDir(folder).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        const QImage image = QImage::fromData(bytes, "BMP");
        ASSERT_TRUE(image.width() == 64 || image.width() == 128) << name.toStdString();
        EXPECT_EQ(bytes.size(), 54 + image.width() * image.width() * 3) << name.toStdString();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3) colours.insert(image.pixel(x, y));
        EXPECT_GE(colours.size(), 16) << name.toStdString();
    }
}

}  // namespace

TEST(ProgramFiles, BaseTexturesLieBesideTheProgram) {
    ExpectTextures(kProgram.catalogueFolder(), 12);
    ExpectTextures(kProgram.backgroundFolder(), 6);
}

TEST(ProgramFiles, HelpFileReadsWithoutShowingMarkup) {
    QFile f(kProgram.helpFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QTextDocument doc;
    app::RtfReader::Read(f.readAll(), doc);
    const QString text = doc.toPlainText();
    EXPECT_TRUE(text.startsWith("TESSELLA"));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Ouvrir la fenêtre des sources")));
    for (const char* markup : {"\\", "{", "}", "fonttbl"})
        EXPECT_FALSE(text.contains(QString::fromLatin1(markup))) << markup;
}
