#include "cli/AnsweringPrompts.h"

#include "cli/Commands.h"
#include "texture/PageTexts.h"

namespace tessella::cli {

using platform::Answer;

Answer AnsweringPrompts::message(platform::MessageKind, const QString& text,
                                 const platform::Buttons& buttons) {
    if (text.startsWith(texture::kFreeSizeQuestion)) return Answer::Yes;
    if (text == texture::kFillRightQuestion) return answers_.fillRight ? Answer::Yes : Answer::No;
    if (text == texture::kMultipleOf8ManyQuestion) {
        switch (answers_.multipleOf8) {
            case SizeAnswer::Place:
                return Answer::Yes;
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
