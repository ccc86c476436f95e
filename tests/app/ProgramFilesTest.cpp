#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTextBlock>
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

// The help beside the program reads without markup and covers the commands added since its
// first text: each has a heading of its own (a block of its own, underlined), and the menu
// captions it quotes are the program's own, ellipsis included.
TEST(ProgramFiles, HelpFileReadsWithoutMarkupAndHasASectionForEachNewFeature) {
    QFile f(kProgram.helpFile());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QTextDocument doc;
    app::RtfReader::Read(f.readAll(), doc);
    const QString text = doc.toPlainText();
    EXPECT_TRUE(text.startsWith("TESSELLA"));
    for (const char* markup : {"\\", "{", "}", "fonttbl"})
        EXPECT_FALSE(text.contains(QString::fromLatin1(markup))) << markup;
    QStringList headings;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        if (b.begin() != b.end() && b.begin().fragment().charFormat().fontUnderline())
            headings << b.text();
    for (const char* heading :
         {"Compacter la texture", "Exporter pour un moteur de jeu",
          "Aperçus des mipmaps et éclairé", "Cartes de normales", "Fichiers DDS et KTX2"})
        EXPECT_TRUE(headings.contains(QString::fromUtf8(heading))) << heading;
    for (const char* caption :
         {"Ouvrir la fenêtre des sources", "Fichier > Exporter pour moteur de jeu…",
          "Carte de normales…", "Aperçu des mipmaps", "Aperçu éclairé",
          "Niveaux de mipmap protégés", "Convention DirectX"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(caption))) << caption;
}
