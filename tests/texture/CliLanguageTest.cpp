// tessella-cli in the language of the environment or of --lang: the texts change, the exit
// statuses do not.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

#include "cli/CommandWord.h"
#include "tests/texture/CliFixture.h"

namespace {

class CliLanguage : public tessella::testing::CliFixture {
  protected:
    // Runs the line under the locale lang (LANG alone: the test binary has cleared LANGUAGE,
    // LC_ALL and LC_MESSAGES), with TESSELLA_LANG when forced is given.
    int runIn(const char* lang, const char* line, const char* forced = nullptr,
              const char* debug = nullptr) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANG"), QString::fromLatin1(lang));
        environment.remove(QStringLiteral("TESSELLA_LANG"));
        if (forced)
            environment.insert(QStringLiteral("TESSELLA_LANG"), QString::fromLatin1(forced));
        if (debug) environment.insert(QStringLiteral("LD_DEBUG"), QString::fromLatin1(debug));
        return run(line, environment);
    }
};

constexpr char kEnglish[] = "en_US.UTF-8";
constexpr char kFrench[] = "fr_FR.UTF-8";

TEST_F(CliLanguage, AnEnglishLocaleGivesEnglishTextsWithTheSameStatuses) {
    ASSERT_EQ(runIn(kEnglish, "--help"), 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith("Usage: tessella-cli COMMAND [ARGUMENTS...]\nCommands:\n"))
        << out.toStdString();
    EXPECT_TRUE(out.contains("\n  tessella-cli contact-sheet -o OUTPUT.pdf FILE...\n"));
    EXPECT_TRUE(
        out.contains("\nLanguage of the texts: --lang fr|en, before the command or among "
                     "its options (else TESSELLA_LANG, else the system's)\n"));
    EXPECT_TRUE(err.isEmpty());

    // Bad usage: 2, the complaint then the usage.
    EXPECT_EQ(runIn(kEnglish, "pack --bogus -o o.tga e.bmp"), 2);
    EXPECT_TRUE(err.startsWith("Unknown option: --bogus\nUsage: tessella-cli pack ["))
        << err.toStdString();
    EXPECT_TRUE(out.isEmpty());
    // A failure: 1, and nothing written.
    EXPECT_EQ(runIn(kEnglish, "pack -o out.tga e.bmp e.rgba"), 1);
    EXPECT_EQ(err, "Picture format not recognized (extension refused): e.rgba\n");
    EXPECT_FALSE(exists("out.tga"));

    EXPECT_EQ(runIn(kEnglish, "pack -o out.tga e.bmp"), 0) << err.toStdString();
    EXPECT_TRUE(out.startsWith("out.tga: ")) << out.toStdString();
    EXPECT_TRUE(out.endsWith(", 1 element(s) added\n")) << out.toStdString();
}

// The "C" locale names no language: English, our texts' fallback.
TEST_F(CliLanguage, TheCLocaleGivesEnglish) {
    EXPECT_EQ(runIn("C", "--bogus"), 2);
    EXPECT_TRUE(err.startsWith("Usage: tessella-cli COMMAND")) << err.toStdString();
}

TEST_F(CliLanguage, LangOverridesTheLocaleAndTessellaLangTheLocaleAlone) {
    EXPECT_EQ(runIn(kEnglish, "--lang fr --help"), 0);
    EXPECT_TRUE(out.startsWith("Usage : tessella-cli COMMANDE [ARGUMENTS...]\nCommandes :\n"));
    EXPECT_TRUE(out.contains("\n  -h, --help              affiche cette aide\n"));

    EXPECT_EQ(runIn(kFrench, "--help", "en"), 0);
    EXPECT_TRUE(out.startsWith("Usage: tessella-cli COMMAND [ARGUMENTS...]\n"));
    // --lang wins over TESSELLA_LANG too.
    EXPECT_EQ(runIn(kEnglish, "--lang=fr info --help", "en"), 0);
    EXPECT_TRUE(out.startsWith("Usage : tessella-cli info [--seams] FICHIER\n"))
        << out.toStdString();
    // A TESSELLA_LANG we do not have leaves the locale's.
    EXPECT_EQ(runIn(kFrench, "--help", "de"), 0);
    EXPECT_TRUE(out.startsWith("Usage : tessella-cli COMMANDE"));
}

// --lang among the command's options, even after its files; numbers in the language's form.
TEST_F(CliLanguage, LangAfterTheFilesAndNumbersOfTheLanguage) {
    EXPECT_EQ(runIn(kFrench, "op normal-map --strength 50 e.bmp out.png --lang en"), 2);
    EXPECT_TRUE(
        err.startsWith("--strength: value out of range (50), expected 0.1 to 20\nUsage: "
                       "tessella-cli op normal-map [--strength S] [--directx] INPUT "
                       "OUTPUT.(bmp|tga|png)\n"))
        << err.toStdString();
    EXPECT_EQ(runIn(kEnglish, "op normal-map --lang fr --strength 50 e.bmp out.png"), 2);
    EXPECT_TRUE(err.startsWith("--strength : valeur hors limites (50), attendu de 0,1 à 20\n"))
        << err.toStdString();
    // Decimal input either way, whatever the language.
    EXPECT_EQ(runIn(kEnglish, "op normal-map --strength 2,5 e.bmp n1.png"), 0) << err.toStdString();
    EXPECT_EQ(runIn(kFrench, "op normal-map --strength 2.5 e.bmp n2.png"), 0) << err.toStdString();
    EXPECT_EQ(read("n1.png"), read("n2.png"));

    EXPECT_EQ(runIn(kFrench, "pack -o out.tga e.bmp --lang en"), 0) << err.toStdString();
    EXPECT_TRUE(out.endsWith(", 1 element(s) added\n")) << out.toStdString();
    // After "--" it is a file name again.
    EXPECT_EQ(runIn(kFrench, "pack -o out2.tga -- e.bmp --lang"), 1);
    EXPECT_EQ(err, "Format d'image non reconnu (extension refusée) : --lang\n");
}

TEST_F(CliLanguage, AnUnknownLanguageIsBadUsage) {
    EXPECT_EQ(runIn(kFrench, "--lang de info e.bmp"), 2);
    EXPECT_EQ(err, "Langue inconnue : de (fr ou en)\n");
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(runIn(kEnglish, "op negative e.bmp out.bmp --lang=de"), 2);
    EXPECT_EQ(err, "Unknown language: de (fr or en)\n");
    EXPECT_FALSE(exists("out.bmp"));
    EXPECT_EQ(runIn(kEnglish, "convert e.bmp out.bmp --lang"), 2);
    EXPECT_EQ(err, "--lang expects a language: fr or en\n");
    EXPECT_FALSE(exists("out.bmp"));
}

// op and convert after --lang still start without Qt's image library (the full program links
// it, so it would show among the loaded libraries).
TEST_F(CliLanguage, LangBeforeTheCommandKeepsTheQuickProgram) {
    ASSERT_EQ(runIn(kEnglish, "--lang en op negative e.bmp out.bmp", nullptr, "libs"), 0);
    EXPECT_TRUE(err.contains("libQt6Core")) << "LD_DEBUG gave nothing";
    EXPECT_FALSE(err.contains("libQt6Gui"));
    ASSERT_EQ(runIn(kEnglish, "--lang en info e.bmp", nullptr, "libs"), 0);
    EXPECT_TRUE(err.contains("libQt6Gui"));  // the full program, to be sure the check can fail
    ASSERT_EQ(runIn(kEnglish, "--lang=fr convert e.bmp out.tga", nullptr, "libs"), 0);
    EXPECT_FALSE(err.contains("libQt6Gui"));
    EXPECT_TRUE(exists("out.tga"));
}

}  // namespace

// The launcher links no Qt and speaks its one message by the same rule.
TEST(LauncherLanguage, LangThenTessellaLangThenTheLocale) {
    using tessella::cli::LauncherSpeaksFrench;
    const QByteArray lang = qgetenv("LANG");
    char program[] = "tessella-cli", info[] = "info", dash[] = "--lang", en[] = "en",
         fr[] = "--lang=fr";
    char* english[] = {program, dash, en, info};
    char* french[] = {program, info, fr};
    char* plain[] = {program, info};
    qputenv("LANG", "fr_FR.UTF-8");
    EXPECT_FALSE(LauncherSpeaksFrench(4, english));
    EXPECT_TRUE(LauncherSpeaksFrench(2, plain));
    qputenv("TESSELLA_LANG", "en");
    EXPECT_FALSE(LauncherSpeaksFrench(2, plain));
    EXPECT_TRUE(LauncherSpeaksFrench(3, french));
    qunsetenv("TESSELLA_LANG");
    qputenv("LANG", "en_US.UTF-8");
    qputenv("LANGUAGE", "de:fr");  // German is not ours, French is
    EXPECT_TRUE(LauncherSpeaksFrench(2, plain));
    qunsetenv("LANGUAGE");
    EXPECT_FALSE(LauncherSpeaksFrench(2, plain));
    for (const char* other : {"C", "POSIX", "fry_NL.UTF-8"}) {
        qputenv("LANG", other);
        EXPECT_FALSE(LauncherSpeaksFrench(2, plain)) << other;
    }
    qputenv("LANG", lang);
}
