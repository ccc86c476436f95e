#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTextDocument>
#include <QtEndian>

#include "app/RtfReader.h"
#include "platform/ProgramFolder.h"

using namespace tessella;

namespace {

const platform::ProgramFolder kProgram(QStringLiteral(TESSELLA_PROGRAM_DIR));

// Every texture shipped must be a square 24-bit BMP of 64 or 128 pixels.
void ExpectTextures(const QString& folder, int atLeast) {
    const QStringList names = QDir(folder).entryList({"*.bmp"}, QDir::Files);
    EXPECT_GE(names.size(), atLeast) << folder.toStdString();
    for (const QString& name : names) {
        QFile f(QDir(folder).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        ASSERT_GE(bytes.size(), 54);
        const auto* h = reinterpret_cast<const uchar*>(bytes.constData());
        const int width = qFromLittleEndian<qint32>(h + 18);
        const int height = qFromLittleEndian<qint32>(h + 22);
        EXPECT_EQ(bytes.left(2), "BM");
        EXPECT_EQ(qFromLittleEndian<quint16>(h + 28), 24) << name.toStdString();
        EXPECT_TRUE(width == 64 || width == 128) << name.toStdString();
        EXPECT_EQ(std::abs(height), width) << name.toStdString();
        // Rows of 64 and 128 pixels need no padding.
        EXPECT_EQ(bytes.size(), 54 + width * width * 3) << name.toStdString();
        // Qt's own reader agrees, and the picture is a texture, not a few flat colours.
        const QImage image = QImage::fromData(bytes, "BMP");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(width, width));
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
    for (const char* markup : {"\\", "{", "}", "fonttbl", "colortbl", "DejaVu"})
        EXPECT_FALSE(text.contains(QString::fromLatin1(markup))) << markup;
}
