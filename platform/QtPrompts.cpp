#include "platform/QtPrompts.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace tessella::platform {

namespace {

QString Title(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning: return QStringLiteral("Avertissement");
        case MessageKind::Error: return QStringLiteral("Erreur");
        case MessageKind::Information: return QStringLiteral("Information");
        case MessageKind::Confirmation: return QStringLiteral("Confirmation");
    }
    return {};
}

QMessageBox::Icon Icon(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning: return QMessageBox::Warning;
        case MessageKind::Error: return QMessageBox::Critical;
        case MessageKind::Information: return QMessageBox::Information;
        case MessageKind::Confirmation: return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonText {
    Answer answer;
    const char* text;
    QMessageBox::ButtonRole role;
};

constexpr ButtonText kButtonTexts[] = {
    {Answer::Ok, "OK", QMessageBox::AcceptRole},
    {Answer::Cancel, "Annuler", QMessageBox::RejectRole},
    {Answer::Abort, "Abandonner", QMessageBox::RejectRole},
    {Answer::Retry, "Réessayer", QMessageBox::AcceptRole},
    {Answer::Ignore, "Ignorer", QMessageBox::AcceptRole},
    {Answer::Yes, "&Oui", QMessageBox::YesRole},
    {Answer::No, "&Non", QMessageBox::NoRole},
    {Answer::All, "Tous", QMessageBox::YesRole},
    {Answer::NoToAll, "Non à tout", QMessageBox::NoRole},
    {Answer::YesToAll, "Oui à tout", QMessageBox::YesRole},
};

const ButtonText& TextOf(Answer a) {
    for (const auto& b : kButtonTexts)
        if (b.answer == a) return b;
    return kButtonTexts[0];
}

}  // namespace

Answer QtPrompts::message(MessageKind kind, const QString& text, const Buttons& buttons) {
    QMessageBox box(Icon(kind), Title(kind), DisplayText(text), QMessageBox::NoButton, parent_);
    std::vector<std::pair<QAbstractButton*, Answer>> made;
    for (Answer a : buttons) {
        const ButtonText& bt = TextOf(a);
        made.emplace_back(box.addButton(QString::fromUtf8(bt.text), bt.role), a);
    }
    if (!made.empty()) box.setDefaultButton(static_cast<QPushButton*>(made.front().first));
    box.exec();
    for (const auto& [button, answer] : made)
        if (box.clickedButton() == button) return answer;
    // Closed with Escape or the close box: the last button that cancels, else the last one.
    for (Answer a : {Answer::Cancel, Answer::No, Answer::Abort, Answer::Ok})
        for (Answer b : buttons)
            if (a == b) return a;
    return buttons.empty() ? Answer::Ok : buttons.back();
}

std::optional<QString> QtPrompts::openFileName(const QString& caption, const QString& filter,
                                               const QString& initialPath) {
    QString name = QFileDialog::getOpenFileName(parent_, caption, initialPath, QtFilter(filter));
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<QString> QtPrompts::saveFileName(const QString& caption, const QString& filter,
                                               const QString& initialPath) {
    // The program asks its own replace question.
    QString name = QFileDialog::getSaveFileName(parent_, caption, initialPath, QtFilter(filter),
                                                nullptr, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty()) return std::nullopt;
    return name;
}

std::optional<ColourValue> QtPrompts::chooseColour(ColourValue initial) {
    QColor c = QColorDialog::getColor(initial.toQColor(), parent_);
    if (!c.isValid()) return std::nullopt;
    return ColourValue::fromQColor(c);
}

std::optional<QString> QtPrompts::chooseFolder(const QString& caption,
                                               const QString& initialFolder) {
    QString dir = QFileDialog::getExistingDirectory(parent_, caption, initialFolder);
    if (dir.isEmpty()) return std::nullopt;
    return dir;
}

bool QtPrompts::printerSetup(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tessella::platform
