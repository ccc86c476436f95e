#pragma once
// Prompts answered from a script. Every text shown is recorded; a question that the script
// does not expect fails the test.

#include <deque>
#include <optional>

#include "platform/Prompts.h"

namespace tessella::testing {

struct ShownMessage {
    platform::MessageKind kind;
    QString text;
    platform::Buttons buttons;
    // The button Enter presses: the first one unless the question chose another.
    platform::Answer defaultAnswer = platform::Answer::Ok;
};

class ScriptedPrompts final : public platform::Prompts {
  public:
    ~ScriptedPrompts() override;

    // The next message box must be of this kind; it answers `answer`. An empty text matches
    // any text; otherwise the text must be equal.
    ScriptedPrompts& expectMessage(platform::MessageKind kind, const QString& text,
                                   platform::Answer answer = platform::Answer::Ok);
    // The next file dialog (open or save) answers this name, or is cancelled when empty.
    ScriptedPrompts& expectFile(const std::optional<QString>& name);
    ScriptedPrompts& expectColour(const std::optional<platform::ColourValue>& colour);
    ScriptedPrompts& expectFolder(const std::optional<QString>& folder);
    ScriptedPrompts& expectPrinterSetup(bool accepted);

    // Single-button boxes (OK) are answered without a script entry when this is on.
    void acceptUnscriptedOkBoxes(bool on) { acceptOkBoxes_ = on; }

    const std::vector<ShownMessage>& shown() const { return shown_; }
    // Titles/captions and proposed names of the file dialogs, in order.
    const std::vector<QString>& dialogCaptions() const { return dialogCaptions_; }
    const std::vector<QString>& dialogFilters() const { return dialogFilters_; }
    const std::vector<QString>& dialogInitialPaths() const { return dialogInitialPaths_; }
    bool scriptDone() const { return script_.empty(); }

    platform::Answer message(platform::MessageKind kind, const QString& text,
                             const platform::Buttons& buttons) override;
    platform::Answer ask(platform::MessageKind kind, const QString& text,
                         const platform::Buttons& buttons, platform::Answer defaultAnswer) override;
    std::optional<QString> openFileName(const QString& caption, const QString& filter,
                                        const QString& initialPath) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& filter,
                                        const QString& initialPath) override;
    std::optional<platform::ColourValue> chooseColour(platform::ColourValue initial) override;
    std::optional<QString> chooseFolder(const QString& caption,
                                        const QString& initialFolder) override;
    bool printerSetup(QPrinter& printer) override;

  private:
    enum class Step { Message, File, Colour, Folder, Printer };
    struct Entry {
        Step step = Step::Message;
        platform::MessageKind kind{};
        QString text;
        platform::Answer answer{};
        std::optional<QString> name;
        std::optional<platform::ColourValue> colour;
        bool accepted = false;
    };
    bool next(Step step, const QString& what, Entry& entry);
    std::optional<QString> fileDialog(const QString& caption, const QString& filter,
                                      const QString& initialPath);

    std::deque<Entry> script_;
    std::vector<ShownMessage> shown_;
    std::vector<QString> dialogCaptions_, dialogFilters_, dialogInitialPaths_;
    bool acceptOkBoxes_ = false;
};

}  // namespace tessella::testing
