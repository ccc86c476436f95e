#include "cli/AnsweringPrompts.h"

#include <QRegularExpression>

#include "cli/Commands.h"
#include "texture/PageTexts.h"

namespace tessella::cli {

using platform::Answer;

namespace {

// True when text is question with its %1, %2... filled in.
bool FilledIn(const QString& text, const QString& question) {
    static const QRegularExpression marker(QStringLiteral("%\\d"));
    QString pattern = QStringLiteral("^");
    for (const QString& part : question.split(marker))
        pattern += QRegularExpression::escape(part) + QStringLiteral(".*");
    pattern.chop(2);
    return QRegularExpression(pattern + QStringLiteral("$"),
                              QRegularExpression::DotMatchesEverythingOption)
        .match(text)
        .hasMatch();
}

}  // namespace

Answer AnsweringPrompts::message(platform::MessageKind, const QString& text,
                                 const platform::Buttons& buttons) {
    if (text.startsWith(texture::kFreeSizeQuestion)) return Answer::Yes;
    if (text == texture::kFillRightQuestion) return answers_.fillRight ? Answer::Yes : Answer::No;
    if (FilledIn(text, texture::kCompactQuestion)) return Answer::Yes;
    if (text == texture::kMultipleOf8ManyQuestion ||
        FilledIn(text, texture::kTooWideManyQuestion)) {
        const bool tooWide = text != texture::kMultipleOf8ManyQuestion;
        switch (answers_.multipleOf8) {
            case SizeAnswer::Place:
                return tooWide ? Answer::No : Answer::Yes;
            case SizeAnswer::YesToAll:
                return Answer::YesToAll;
            case SizeAnswer::NoToAll:
                return Answer::NoToAll;
        }
    }
    if (buttons == platform::kOk) {
        PrintError(platform::DisplayText(text));
        return Answer::Ok;
    }
    return Answer::No;
}

}  // namespace tessella::cli
