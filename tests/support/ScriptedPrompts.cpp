#include "tests/support/ScriptedPrompts.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessella::testing {

using platform::Answer;
using platform::MessageKind;

namespace {
const char* KindName(MessageKind k) {
    switch (k) {
        case MessageKind::Warning:
            return "warning";
        case MessageKind::Error:
            return "error";
        case MessageKind::Information:
            return "information";
        case MessageKind::Confirmation:
            return "confirmation";
    }
    return "?";
}
}  // namespace

ScriptedPrompts::~ScriptedPrompts() {
    EXPECT_TRUE(script_.empty()) << script_.size() << " scripted answer(s) never asked for";
}

ScriptedPrompts& ScriptedPrompts::expectMessage(MessageKind kind, const QString& text,
                                                Answer answer) {
    script_.push_back({Step::Message, kind, text, answer, {}, {}, false});
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectFile(const std::optional<QString>& name) {
    script_.push_back({Step::File, {}, {}, {}, name, {}, false});
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectColour(const std::optional<platform::ColourValue>& c) {
    script_.push_back({Step::Colour, {}, {}, {}, {}, c, false});
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectFolder(const std::optional<QString>& folder) {
    script_.push_back({Step::Folder, {}, {}, {}, folder, {}, false});
    return *this;
}
ScriptedPrompts& ScriptedPrompts::expectPrinterSetup(bool accepted) {
    script_.push_back({Step::Printer, {}, {}, {}, {}, {}, accepted});
    return *this;
}

bool ScriptedPrompts::next(Step step, const QString& what, Entry& entry) {
    if (script_.empty() || script_.front().step != step) {
        ADD_FAILURE() << "unexpected prompt: " << what.toStdString();
        return false;
    }
    entry = std::move(script_.front());
    script_.pop_front();
    return true;
}

Answer ScriptedPrompts::message(MessageKind kind, const QString& text,
                                const platform::Buttons& buttons) {
    return ask(kind, text, buttons, buttons.empty() ? Answer::Ok : buttons.front());
}

Answer ScriptedPrompts::ask(MessageKind kind, const QString& text, const platform::Buttons& buttons,
                            Answer defaultAnswer) {
    EXPECT_TRUE(buttons.empty() ||
                std::find(buttons.begin(), buttons.end(), defaultAnswer) != buttons.end())
        << "the default answer is not one of the buttons of \"" << text.toStdString() << "\"";
    shown_.push_back({kind, text, buttons, defaultAnswer});
    const bool okOnly = buttons.size() == 1 && buttons.front() == Answer::Ok;
    if (acceptOkBoxes_ && okOnly &&
        (script_.empty() || script_.front().step != Step::Message || script_.front().kind != kind ||
         (!script_.front().text.isEmpty() && script_.front().text != text)))
        return Answer::Ok;
    Entry e;
    if (!next(Step::Message,
              QStringLiteral("%1 box \"%2\"").arg(QString::fromLatin1(KindName(kind)), text), e))
        return buttons.empty() ? Answer::Ok : buttons.back();
    EXPECT_EQ(KindName(e.kind), std::string(KindName(kind))) << text.toStdString();
    if (!e.text.isEmpty()) {
        EXPECT_EQ(e.text.toStdString(), text.toStdString());
    }
    EXPECT_NE(std::find(buttons.begin(), buttons.end(), e.answer), buttons.end())
        << "scripted answer is not one of the buttons of \"" << text.toStdString() << "\"";
    return e.answer;
}

std::optional<QString> ScriptedPrompts::fileDialog(const QString& caption, const QString& filter,
                                                   const QString& initialPath) {
    dialogCaptions_.push_back(caption);
    dialogFilters_.push_back(filter);
    dialogInitialPaths_.push_back(initialPath);
    Entry e;
    if (!next(Step::File, QStringLiteral("file dialog \"%1\"").arg(caption), e)) return {};
    return e.name;
}

std::optional<QString> ScriptedPrompts::openFileName(const QString& caption, const QString& filter,
                                                     const QString& initialPath) {
    return fileDialog(caption, filter, initialPath);
}

std::optional<QString> ScriptedPrompts::saveFileName(const QString& caption, const QString& filter,
                                                     const QString& initialPath) {
    return fileDialog(caption, filter, initialPath);
}

std::optional<platform::ColourValue> ScriptedPrompts::chooseColour(platform::ColourValue) {
    Entry e;
    if (!next(Step::Colour, QStringLiteral("colour dialog"), e)) return {};
    return e.colour;
}

std::optional<QString> ScriptedPrompts::chooseFolder(const QString& caption, const QString&) {
    Entry e;
    if (!next(Step::Folder, QStringLiteral("folder dialog \"%1\"").arg(caption), e)) return {};
    return e.name;
}

bool ScriptedPrompts::printerSetup(QPrinter&) {
    Entry e;
    return next(Step::Printer, QStringLiteral("printer set-up"), e) && e.accepted;
}

}  // namespace tessella::testing
