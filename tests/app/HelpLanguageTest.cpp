#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

#include "helpfile/RtfReader.h"
#include "platform/Language.h"
#include "tests/app/WindowFixture.h"
#include "tests/support/TestFiles.h"
#include "ui/app/HelpWindow.h"

namespace tessella::testing {
namespace {

using platform::kEnglish;
using platform::kFrench;

// Puts the test binary back in French whatever a test switched to.
class HelpLanguage : public AppFixture {
  protected:
    void TearDown() override { platform::UseLanguage(kFrench); }
};

// The file is read again at each showing, in the language of the moment (the user may switch
// it while the program runs), French when the language has none; a file gone keeps the text
// shown, without a message.
TEST_F(HelpLanguage, EachShowingReadsTheHelpOfTheLanguageAndKeepsItsTextWhenItIsMissing) {
    app::HelpWindow help(prompts, context.programFolder.helpFile());
    help.show();  // no file yet: empty, and no message
    help.closeAction->trigger();
    ASSERT_TRUE(WriteBytes(path("Tessella.rtf"), "{\\rtf1\\ansi aide}"));
    ASSERT_TRUE(WriteBytes(path("Tessella_en.rtf"), "{\\rtf1\\ansi help}"));
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), "aide");
    help.hide();
    platform::UseLanguage(kEnglish);
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), "help");
    help.hide();
    // A language without a help of its own shows the French one.
    ASSERT_TRUE(QFile::remove(path("Tessella_en.rtf")));
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), "aide");
    help.hide();
    ASSERT_TRUE(QFile::remove(path("Tessella.rtf")));
    help.show();
    EXPECT_EQ(help.helpText->toPlainText(), "aide");
    EXPECT_TRUE(prompts.shown().empty());
}

// The help files the build puts beside the program.
TEST_F(HelpLanguage, TheProgramsEnglishHelpIsShownInEnglish) {
    const platform::ProgramFolder program(QStringLiteral(TESSELLA_PROGRAM_DIR));
    platform::UseLanguage(kEnglish);
    app::HelpWindow help(prompts, program.helpFile());
    help.show();
    const QString text = help.helpText->toPlainText();
    EXPECT_TRUE(text.startsWith("TESSELLA"));
    EXPECT_TRUE(text.contains("A page that is already as compact as it can be stays as it is."));
    EXPECT_FALSE(text.contains(QString::fromUtf8("Une page déjà aussi compacte")));
}

QTextDocument* ReadResource(const char* name, QTextDocument& doc) {
    QFile file(QStringLiteral(TESSELLA_SOURCE_DIR "/resources/") + name);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    app::RtfReader::Read(file.readAll(), doc);
    return &doc;
}

// The English help is the French one translated: paragraph for paragraph, with the same layout
// (headings, bullets, notes, the shortcut table), the same runs of bold, italic, underline and
// colour, and no markup shown as text.
TEST(HelpFileInEnglish, HasTheLayoutOfTheFrenchHelp) {
    QTextDocument french, english;
    ReadResource("Tessella.rtf", french);
    ReadResource("Tessella_en.rtf", english);
    ASSERT_EQ(english.blockCount(), french.blockCount());
    int headings = 0;
    for (QTextBlock f = french.begin(), e = english.begin(); f.isValid();
         f = f.next(), e = e.next()) {
        const QTextBlockFormat ff = f.blockFormat(), ef = e.blockFormat();
        const std::string where = e.text().toStdString();
        EXPECT_EQ(ef.alignment(), ff.alignment()) << where;
        EXPECT_EQ(ef.leftMargin(), ff.leftMargin()) << where;
        EXPECT_EQ(ef.textIndent(), ff.textIndent()) << where;
        EXPECT_EQ(ef.topMargin(), ff.topMargin()) << where;
        EXPECT_EQ(ef.bottomMargin(), ff.bottomMargin()) << where;
        // The formats of the runs, in order, their texts aside.
        auto runs = [](const QTextBlock& b) {
            QStringList formats;
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat c = it.fragment().charFormat();
                formats << QStringLiteral("%1%2%3 %4 %5")
                               .arg(c.fontWeight() >= QFont::Bold ? "b" : "-")
                               .arg(c.fontItalic() ? "i" : "-")
                               .arg(c.fontUnderline() ? "u" : "-")
                               .arg(c.foreground().color().name())
                               .arg(c.fontPointSize());
            }
            return formats.join(QStringLiteral(" | ")).toStdString();
        };
        EXPECT_EQ(runs(e), runs(f)) << where;
        if (f.begin() != f.end() && f.begin().fragment().charFormat().fontUnderline()) ++headings;
    }
    EXPECT_EQ(headings, 18);
    const QString text = english.toPlainText();
    EXPECT_TRUE(text.startsWith("TESSELLA"));
    for (const char* heading : {"Compacting the page", "Exporting for a game engine",
                                "Mipmap and lit previews", "Normal maps", "DDS and KTX2 files"})
        EXPECT_TRUE(text.contains(heading)) << heading;
    // cp1252 escapes read as their characters.
    EXPECT_TRUE(text.contains(QString::fromUtf8("level editor — version 4.0")));
    EXPECT_TRUE(text.contains(QString::fromUtf8("Export for game engine…")));
    for (const char* markup : {"\\", "{", "}", "fonttbl", "DejaVu"})
        EXPECT_FALSE(text.contains(QString::fromLatin1(markup))) << markup;
}

}  // namespace
}  // namespace tessella::testing
