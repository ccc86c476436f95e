// Every Text constant is translated under the one context "Tessella": one filed under another
// context by lupdate would never be found, and its text would stay French.

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace {

// "line N" for each Text declaration of source whose QT_TRANSLATE_NOOP names another
// context, or that has none.
QStringList WrongContexts(const QString& source) {
    static const QRegularExpression declaration(
        QStringLiteral(R"(\bText\s+k\w+\s*(\[\s*\]\s*=\s*)?\{)"));
    static const QRegularExpression context(
        QStringLiteral(R"(QT_TRANSLATE_NOOP3?\(\s*"([^"]*)\")"));
    QStringList wrong;
    for (const auto& d : declaration.globalMatch(source)) {
        const qsizetype end = source.indexOf(QStringLiteral("};"), d.capturedEnd());
        const QString body = source.mid(d.capturedEnd(), end < 0 ? -1 : end - d.capturedEnd());
        bool found = false, right = true;
        for (const auto& c : context.globalMatch(body)) {
            found = true;
            right = right && c.captured(1) == QStringLiteral("Tessella");
        }
        if (!found || !right)
            wrong << QStringLiteral("line %1").arg(source.left(d.capturedStart()).count('\n') + 1);
    }
    return wrong;
}

TEST(TextContext, ADeclarationUnderAnotherContextIsFound) {
    const QString source = QStringLiteral(
        "inline constexpr platform::Text kGood{QT_TRANSLATE_NOOP(\"Tessella\", \"Oui\")};\n"
        "inline constexpr platform::Text kBad{\n"
        "    QT_TRANSLATE_NOOP(\"PageTexts\", \"Non\")};\n"
        "inline constexpr platform::Text kAlsoBad{\"Peut-être\"};\n"
        "inline constexpr platform::Text kList[] = {{QT_TRANSLATE_NOOP(\"Tessella\", \"Un\")},\n"
        "                                           {QT_TRANSLATE_NOOP(\"Other\", \"Deux\")}};\n");
    EXPECT_EQ(WrongContexts(source), QStringList({"line 2", "line 4", "line 5"}));
}

TEST(TextContext, EveryTextOfTheTreeNamesTessella) {
    const QDir root(QStringLiteral(TESSELLA_SOURCE_DIR));
    QStringList wrong;
    for (const QString& top : root.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (top.startsWith(QStringLiteral("build")) || top.startsWith('.')) continue;
        QDirIterator it(root.filePath(top), {QStringLiteral("*.h"), QStringLiteral("*.cpp")},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (path.endsWith(QStringLiteral("/TextContextTest.cpp"))) continue;  // the samples
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
            for (const QString& line : WrongContexts(QString::fromUtf8(file.readAll())))
                wrong << root.relativeFilePath(path) + ' ' + line;
        }
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join('\n').toStdString();
}

}  // namespace
