#pragma once
// Every message box and platform dialog goes through this seam, so windows run headless in tests.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "platform/ColourValue.h"

class QPrinter;

namespace tessella::platform {

enum class MessageKind { Warning, Error, Information, Confirmation };

// Fixed values: a dialog's result code is one of these.
enum class Answer {
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
    All = 8,
    NoToAll = 9,
    YesToAll = 10
};

using Buttons = std::vector<Answer>;
inline const Buttons kOk{Answer::Ok};
inline const Buttons kYesNo{Answer::Yes, Answer::No};
inline const Buttons kYesNoCancel{Answer::Yes, Answer::No, Answer::Cancel};
// The multi-file question: Yes, No, Abort, No-to-all, Yes-to-all.
inline const Buttons kYesNoAbortNoToAllYesToAll{Answer::Yes, Answer::No, Answer::Abort,
                                                Answer::NoToAll, Answer::YesToAll};

class Prompts {
  public:
    virtual ~Prompts() = default;

    // Texts keep the program's "\n\r" line breaks; implementations show each as one break.
    // The first button is the default one (Enter).
    virtual Answer message(MessageKind kind, const QString& text, const Buttons& buttons) = 0;
    // The same box with defaultAnswer, one of buttons, as the default button. Implementations
    // that cannot choose it show message().
    virtual Answer ask(MessageKind kind, const QString& text, const Buttons& buttons,
                       Answer defaultAnswer) {
        static_cast<void>(defaultAnswer);
        return message(kind, text, buttons);
    }

    // File dialogs answer nothing when cancelled. Filters use the "Caption|*.a;*.b|..." form.
    virtual std::optional<QString> openFileName(const QString& caption, const QString& filter,
                                                const QString& initialPath) = 0;
    virtual std::optional<QString> saveFileName(const QString& caption, const QString& filter,
                                                const QString& initialPath) = 0;
    virtual std::optional<ColourValue> chooseColour(ColourValue initial) = 0;
    virtual std::optional<QString> chooseFolder(const QString& caption,
                                                const QString& initialFolder) = 0;
    // Lets the user set up the printer; false when cancelled.
    virtual bool printerSetup(QPrinter& printer) = 0;

    // Shorthands for the single-button boxes.
    void warning(const QString& text) { message(MessageKind::Warning, text, kOk); }
    void error(const QString& text) { message(MessageKind::Error, text, kOk); }
    void information(const QString& text) { message(MessageKind::Information, text, kOk); }
    bool confirm(const QString& text) {
        return message(MessageKind::Confirmation, text, kYesNo) == Answer::Yes;
    }
    // A question whose "Oui" throws work away (a modified page, a file replaced): "Non" is the
    // default, so that Enter keeps the work.
    bool confirmDiscard(const QString& text) {
        return ask(MessageKind::Confirmation, text, kYesNo, Answer::No) == Answer::Yes;
    }
};

// "\n\r" (line feed, carriage return) shown as one line break.
QString DisplayText(const QString& text);
// Qt's "Caption (*.a *.b);;..." form of a "Caption|*.a;*.b|..." filter.
QString QtFilter(const QString& filter);
// The extension a save dialog adds to a name typed without one: that of the first pattern of
// the filter's first entry ("tga" for "Fichier de textures|*.tga"), empty when it has none.
QString DefaultSuffix(const QString& filter);

}  // namespace tessella::platform
