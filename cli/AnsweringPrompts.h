#pragma once
// Prompts for tessella-cli: every question of the page commands is answered from the command's
// options, file dialogs answer the names given on the command line, and nothing waits.

#include <optional>

#include "platform/Pacer.h"
#include "platform/Prompts.h"

namespace tessella::cli {

// The standing answer to the questions of a multi-file add about a file's size (not multiples
// of 8, too wide for the page). Without one, a file not a multiple of 8 is placed and a file
// too wide is left out, the command then failing.
enum class SizeAnswer { Place, YesToAll, NoToAll };

struct PromptAnswers {
    bool fillRight = false;  // the fill-right question of "open"
    SizeAnswer multipleOf8 = SizeAnswer::Place;
    std::optional<QString> openName;  // what the open dialog answers
    std::optional<QString> saveName;  // what the save dialog answers
};

class AnsweringPrompts final : public platform::Prompts {
  public:
    explicit AnsweringPrompts(PromptAnswers answers) : answers_(std::move(answers)) {}

    // The free-size question and "Compacter la texture" answer Yes; OK boxes are printed on
    // standard error; any other question answers No.
    platform::Answer message(platform::MessageKind kind, const QString& text,
                             const platform::Buttons& buttons) override;
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override {
        return answers_.openName;
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return answers_.saveName;
    }
    std::optional<platform::ColourValue> chooseColour(platform::ColourValue) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFolder(const QString&, const QString&) override {
        return std::nullopt;
    }
    bool printerSetup(QPrinter&) override { return false; }

  private:
    PromptAnswers answers_;
};

// A pacer for batch runs: nothing to paint, nothing to wait for.
class ImmediatePacer final : public platform::Pacer {
  public:
    void wait(int) override {}
    void processEvents() override {}
};

}  // namespace tessella::cli
