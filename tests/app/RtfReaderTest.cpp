#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <memory>

#include "helpfile/RtfReader.h"

using tessella::app::RtfReader;

namespace {

struct Run {
    QString text;
    bool bold, italic, underline;
    double points;
    QTextCharFormat format;
};

std::unique_ptr<QTextDocument> Read(const char* rtf) {
    auto doc = std::make_unique<QTextDocument>();
    RtfReader::Read(QByteArray(rtf), *doc);
    return doc;
}

std::vector<Run> Runs(const QTextDocument& doc) {
    std::vector<Run> runs;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const QTextCharFormat c = f.charFormat();
            runs.push_back({f.text(), c.fontWeight() == QFont::Bold, c.fontItalic(),
                            c.fontUnderline(), c.fontPointSize(), c});
        }
    return runs;
}

}  // namespace

TEST(RtfReader, BoldItalicAndUnderlineRuns) {
    const auto doc = Read(
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs24 Normal \\b gras\\b0  "
        "\\i italique\\i0  \\ul soulign\\'e9\\ulnone  fin\\par}");
    EXPECT_EQ(doc->toPlainText().trimmed(), QString::fromUtf8("Normal gras italique souligné fin"));
    const auto runs = Runs(*doc);
    const struct {
        const char* text;
        bool b, i, u;
    } expected[] = {{"Normal ", false, false, false}, {"gras", true, false, false},
                    {" ", false, false, false},       {"italique", false, true, false},
                    {" ", false, false, false},       {"souligné", false, false, true},
                    {" fin", false, false, false}};
    ASSERT_EQ(runs.size(), std::size(expected));
    for (size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].text.toStdString(), expected[i].text);
        EXPECT_EQ(runs[i].bold, expected[i].b) << expected[i].text;
        EXPECT_EQ(runs[i].italic, expected[i].i) << expected[i].text;
        EXPECT_EQ(runs[i].underline, expected[i].u) << expected[i].text;
        EXPECT_DOUBLE_EQ(runs[i].points, 12.0);
    }
}

TEST(RtfReader, GroupsRestoreTheFormattingAround) {
    const auto doc =
        Read("{\\rtf1 {\\b gras {\\i tous deux} gras}normal \\fs36 grand\\plain  simple}");
    const auto runs = Runs(*doc);
    ASSERT_EQ(runs.size(), 6u);
    EXPECT_TRUE(runs[0].bold && !runs[0].italic);
    EXPECT_EQ(runs[1].text, "tous deux");
    EXPECT_TRUE(runs[1].bold && runs[1].italic);
    EXPECT_TRUE(runs[2].bold && !runs[2].italic);
    EXPECT_EQ(runs[3].text, "normal ");
    EXPECT_FALSE(runs[3].bold);
    EXPECT_EQ(runs[4].text, "grand");
    EXPECT_DOUBLE_EQ(runs[4].points, 18.0);
    EXPECT_DOUBLE_EQ(runs[5].points, 12.0);
}

TEST(RtfReader, PlainTextOfEscapesDestinationsAndMalformedInput) {
    const struct {
        const char* rtf;
        const char* text;
    } rows[] = {
        {"{\\rtf1 caf\\'e9}", "café"},
        {"{\\rtf1 caf\\u233?}", "café"},
        {"{\\rtf1 caf\\u233\\'e9 !}", "café !"},          // the \'e9 stands in for \u233
        {"{\\rtf1 {\\uc2 a\\u233 xy}\\u233?b}", "aééb"},  // \uc is kept per group
        {"{\\rtf1 \\'80 \\'9c \\'c0}", "€ œ À"},          // Windows-1252, not Latin-1
        {"{\\rtf1 \\u8364? \\u-255?}", "€ ！"},           // negative: above 32767
        {"{\\rtf1 a\\{b\\}c\\\\d}", "a{b}c\\d"},
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

TEST(RtfReader, ColourTableAndForegroundRuns) {
    const auto doc = Read(
        "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue255;}"
        "\\cf1 rouge\\cf2  bleu\\cf0  auto\\cf9  hors}");
    const auto runs = Runs(*doc);
    // Entry 0 and indexes past the table keep the default colour: one run for both.
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, "rouge");
    EXPECT_EQ(runs[0].format.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(runs[1].format.foreground().color(), QColor(0, 128, 255));
    EXPECT_EQ(runs[2].text, " auto hors");
    EXPECT_FALSE(runs[2].format.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(doc->toPlainText(), "rouge bleu auto hors");
}

TEST(RtfReader, ParagraphsAndAlignment) {
    const auto doc = Read("{\\rtf1\\pard\\qc Titre\\par\\pard un\\line deux\\par\\qr trois}");
    ASSERT_EQ(doc->blockCount(), 3);
    EXPECT_EQ(doc->findBlockByNumber(0).text(), "Titre");
    EXPECT_TRUE(doc->findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_EQ(doc->findBlockByNumber(1).text(),
              QString("un") + QChar(QChar::LineSeparator) + "deux");
    EXPECT_TRUE(doc->findBlockByNumber(1).blockFormat().alignment() & Qt::AlignLeft);
    EXPECT_TRUE(doc->findBlockByNumber(2).blockFormat().alignment() & Qt::AlignRight);
}

TEST(RtfReader, IndentsAndTabStops) {
    // 1440 twips to the inch, 96 pixels to the inch: 15 twips a pixel.
    const auto doc =
        Read("{\\rtf1\\pard\\li600\\fi-300\\tx600\\sb150\\sa300 \\bullet\\tab point\\par}");
    const QTextBlockFormat f = doc->firstBlock().blockFormat();
    EXPECT_DOUBLE_EQ(f.leftMargin(), 40.0);
    EXPECT_DOUBLE_EQ(f.textIndent(), -20.0);
    EXPECT_DOUBLE_EQ(f.topMargin(), 10.0);
    EXPECT_DOUBLE_EQ(f.bottomMargin(), 20.0);
    // The stop lines up with the indent: 20 pixels from where the first line starts.
    ASSERT_EQ(f.tabPositions().size(), 1);
    EXPECT_DOUBLE_EQ(f.tabPositions()[0].position, 20.0);
    EXPECT_EQ(doc->firstBlock().text(), QString::fromUtf8("•\tpoint"));
}

TEST(RtfReader, DeepNestingNeitherCrashesNorLosesTheText) {
    const QByteArray deep = "{\\rtf1 " + QByteArray(5000, '{') + "fond" + QByteArray(5001, '}');
    const auto doc = Read("{\\rtf1 premier}");
    RtfReader::Read(deep, *doc);  // and reading again replaces the content
    EXPECT_EQ(doc->toPlainText(), "fond");
}
