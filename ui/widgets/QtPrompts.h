#pragma once
// The real prompts: Qt message boxes and dialogs, each in front of the window the user is
// working in.

#include <QPointer>
#include <QWidget>

#include "platform/Prompts.h"

class QDialog;

namespace tessella::widgets {

// The window the user is working in: the modal dialog in front, else the active window, else
// fallback.
QWidget* FrontWindow(QWidget* fallback = nullptr);

// The width window needs for a window manager to show its whole title: the title in a bold
// title-bar font, with room for the bar's icon and buttons.
int WholeTitleWidth(const QWidget& window);

// Gives dialog, before it shows, what keeps it in front of its owner: the stay-on-top hint
// while a window of the program that stays on top is showing (a box under the help window
// would leave the program looking frozen).
void KeepAboveStayOnTopWindows(QWidget& dialog);

// Runs a dialog made once for the whole run modally in front of the window the user is
// working in; it goes back to its owner afterwards. Answers exec()'s result.
int ExecInFront(QDialog& dialog);

class QtPrompts final : public platform::Prompts {
  public:
    // parent owns the boxes when no window of the program is active.
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

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
    QWidget* owner() const { return FrontWindow(parent_); }

    QPointer<QWidget> parent_;
};

}  // namespace tessella::widgets
