#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <memory>

#include "helpfile/RtfReader.h"

using tessella::app::RtfReader;

namespace {

std::unique_ptr<QTextDocument> Read(const char* rtf) {
    auto doc = std::make_unique<QTextDocument>();
    RtfReader::Read(QByteArray(rtf), *doc);
    return doc;
}

// Each run of text with its bold, italic and underline marks and its size in points.
QStringList Runs(const QTextDocument& doc) {
    QStringList runs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat c = it.fragment().charFormat();
            runs << it.fragment().text() + '|' + (c.fontWeight() == QFont::Bold ? "b" : "") +
                        (c.fontItalic() ? "i" : "") + (c.fontUnderline() ? "u" : "") +
                        QString::number(c.fontPointSize());
        }
    return runs;
}

}  // namespace

TEST(RtfReader, GroupsRestoreTheFormattingAround) {
    const auto doc = Read(
        "{\\rtf1 {\\b gras {\\i tous deux} gras}\\ul soulign\\'e9\\ulnone\\fs36  grand\\plain  "
        "simple}");
    EXPECT_EQ(Runs(*doc).join(", ").toStdString(),
              "gras |b12, tous deux|bi12,  gras|b12, soulign\xC3\xA9|u12,  grand|18,  simple|12");
}

TEST(RtfReader, PlainTextOfEscapesDestinationsAndMalformedInput) {
    const struct {
        const char* rtf;
        const char* text;
    } rows[] = {
        {"{\\rtf1 caf\\'e9}", "café"},
        {"{\\rtf1 {\\uc2 a\\u233 xy}\\u233?b}", "aééb"},  // \uc is kept per group
        {"{\\rtf1 \\'80 \\'9c \\'c0}", "€ œ À"},          // Windows-1252, not Latin-1
        {"{\\rtf1 \\u8364? \\u-255?}", "€ ！"},           // negative: above 32767
        // Destinations, pictures and unknown words are never shown.
        {"{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Times;}{\\f1 Arial;}}"
         "{\\stylesheet{\\s0 Normal;}}{\\info{\\title Titre}{\\author Moi}}"
         "{\\*\\generator Riched20 10.0;}{\\*\\inconnu{texte cach\\'e9}}"
         "\\viewkind4\\pard\\sa200\\sl276\\slmult1\\lang12\\foobar42 Visible"
         "{\\pict\\wmetafile8 0102030405}.}",
         "Visible."},
        // Malformed input is read as far as it goes.
        {"{\\rtf1 abc\\'e", "abc"},           // truncated escape
        {"{\\rtf1 abc}}}} def", "abc def"},   // stray closing braces
        {"{\\rtf1 x\\u99999999999 y}", "x"},  // out of range: nothing, then the stand-in
    };
    for (const auto& row : rows) {
        const auto doc = Read(row.rtf);
        EXPECT_EQ(doc->toPlainText().toStdString(), row.text) << row.rtf;
    }
}

TEST(RtfReader, DeepNestingNeitherCrashesNorLosesTheText) {
    const QByteArray deep = "{\\rtf1 " + QByteArray(5000, '{') + "fond" + QByteArray(5001, '}');
    const auto doc = Read("{\\rtf1 premier}");
    RtfReader::Read(deep, *doc);  // and reading again replaces the content
    EXPECT_EQ(doc->toPlainText(), "fond");
}
