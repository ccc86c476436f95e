#pragma once
// The real prompts: Qt message boxes and dialogs.

#include <QPointer>
#include <QWidget>

#include "platform/Prompts.h"

namespace tessella::platform {

class QtPrompts final : public Prompts {
public:
    // Boxes are centred on parent when one is set.
    explicit QtPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer message(MessageKind kind, const QString& text, const Buttons& buttons) override;
    std::optional<QString> openFileName(const QString& caption, const QString& filter,
                                        const QString& initialPath) override;
    std::optional<QString> saveFileName(const QString& caption, const QString& filter,
                                        const QString& initialPath) override;
    std::optional<ColourValue> chooseColour(ColourValue initial) override;
    std::optional<QString> chooseFolder(const QString& caption,
                                        const QString& initialFolder) override;
    bool printerSetup(QPrinter& printer) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace tessella::platform
