#pragma once
// Prompts for the window benchmarks: every question answered No, every dialog cancelled, so
// that nothing waits for a person.

#include "platform/Prompts.h"

namespace tessella::bench {

class QuietPrompts final : public platform::Prompts {
  public:
    platform::Answer message(platform::MessageKind, const QString&,
                             const platform::Buttons&) override {
        return platform::Answer::No;
    }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    std::optional<platform::ColourValue> chooseColour(platform::ColourValue) override {
        return std::nullopt;
    }
    std::optional<QString> chooseFolder(const QString&, const QString&) override {
        return std::nullopt;
    }
    bool printerSetup(QPrinter&) override { return false; }
};

}  // namespace tessella::bench
