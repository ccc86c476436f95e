#include "ui/widgets/QtPrompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpacerItem>
#include <QTreeView>
#include <algorithm>

namespace tessella::widgets {

using namespace tessella::platform;

namespace {

QString Title(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QCoreApplication::translate("QtPrompts", "Avertissement");
        case MessageKind::Error:
            return QCoreApplication::translate("QtPrompts", "Erreur");
        case MessageKind::Information:
            return QCoreApplication::translate("QtPrompts", "Information");
        case MessageKind::Confirmation:
            return QCoreApplication::translate("QtPrompts", "Confirmation");
    }
    return {};
}

QMessageBox::Icon Icon(MessageKind kind) {
    switch (kind) {
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Confirmation:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

struct ButtonText {
    Answer answer;
    const char* text;  // translated in the "QtPrompts" context when the box is made
    QMessageBox::ButtonRole role;
};

constexpr ButtonText kButtonTexts[] = {
    {Answer::Ok, QT_TRANSLATE_NOOP("QtPrompts", "OK"), QMessageBox::AcceptRole},
    {Answer::Cancel, QT_TRANSLATE_NOOP("QtPrompts", "Annuler"), QMessageBox::RejectRole},
    {Answer::Abort, QT_TRANSLATE_NOOP("QtPrompts", "Abandonner"), QMessageBox::RejectRole},
    {Answer::Retry, QT_TRANSLATE_NOOP("QtPrompts", "Réessayer"), QMessageBox::AcceptRole},
    {Answer::Ignore, QT_TRANSLATE_NOOP("QtPrompts", "Ignorer"), QMessageBox::AcceptRole},
    {Answer::Yes, QT_TRANSLATE_NOOP("QtPrompts", "&Oui"), QMessageBox::YesRole},
    {Answer::No, QT_TRANSLATE_NOOP("QtPrompts", "&Non"), QMessageBox::NoRole},
    {Answer::All, QT_TRANSLATE_NOOP("QtPrompts", "Tous"), QMessageBox::YesRole},
    {Answer::NoToAll, QT_TRANSLATE_NOOP("QtPrompts", "Non à tout"), QMessageBox::NoRole},
    {Answer::YesToAll, QT_TRANSLATE_NOOP("QtPrompts", "Oui à tout"), QMessageBox::YesRole},
};

const ButtonText& TextOf(Answer a) {
    for (const auto& b : kButtonTexts)
        if (b.answer == a) return b;
    return kButtonTexts[0];
}

// Room for long texture names and their dates in the file dialogs.
constexpr int kFileDialogWidth = 920;
constexpr int kFileDialogHeight = 540;
// Name, size, type, date of change.
constexpr int kFileColumnWidths[] = {360, 90, 100, 170};

// Qt's own dialog, so that it speaks the program's language, sits in front of its owner and
// shows its columns wide enough to read.
std::optional<QString> RunFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.resize(kFileDialogWidth, kFileDialogHeight);
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        int column = 0;
        for (int width : kFileColumnWidths) details->header()->resizeSection(column++, width);
    }
    KeepAboveStayOnTopWindows(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const QString name = dialog.selectedFiles().constFirst();
    if (name.isEmpty()) return std::nullopt;
    return name;
}

// Whether window is owner or one of the windows it owns, at any depth.
bool OwnedBy(const QWidget* window, const QWidget* owner) {
    for (; window; window = window->parentWidget())
        if (window == owner) return true;
    return false;
}

// Room a window manager's title bar takes besides the title: its icon and three buttons (as
// the page width question keeps).
constexpr int kTitleBarRoom = 110;

// A window manager cuts a title wider than its window ("Confir…ation" over the one word
// "Sauvegarde"): the box is made as wide as its whole title.
void KeepTitleWhole(QMessageBox& box) {
    const int width = WholeTitleWidth(box);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

int WholeTitleWidth(const QWidget& window) {
    QFont bold = window.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + kTitleBarRoom;
}

QWidget* FrontWindow(QWidget* fallback) {
    QWidget* active = QApplication::activeWindow();
    if (QWidget* modal = QApplication::activeModalWidget()) {
        // A window the modal one owns, its drawing palette say, is where the user works: what
        // it opens must be owned by it, or the window manager leaves it underneath.
        return OwnedBy(active, modal) ? active : modal;
    }
    return active ? active : fallback;
}

void KeepAboveStayOnTopWindows(QWidget& dialog) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool onTopShowing = std::any_of(windows.begin(), windows.end(), [&](QWidget* w) {
        return w != &dialog && w->isVisible() &&
               w->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
    if (onTopShowing != dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        dialog.setWindowFlag(Qt::WindowStaysOnTopHint, onTopShowing);
}

int ExecInFront(QDialog& dialog) {
    QPointer<QWidget> owner = dialog.parentWidget();
    QWidget* front = FrontWindow(owner);
    // An owner that the front window owns in turn (the modal editor's drawing palette) is in
    // front as well, and the dialog stays above it.
    if (owner && owner->isVisible() && OwnedBy(owner, front)) front = owner;
    const bool moved = front && front != owner && front != &dialog;
    if (moved) dialog.setParent(front, dialog.windowFlags());
    KeepAboveStayOnTopWindows(dialog);
    const int result = dialog.exec();
    if (moved) dialog.setParent(owner, dialog.windowFlags());
    return result;
}

Answer QtPrompts::message(MessageKind kind, const QString& text, const Buttons& buttons) {
    return ask(kind, text, buttons, buttons.empty() ? Answer::Ok : buttons.front());
}

Answer QtPrompts::ask(MessageKind kind, const QString& text, const Buttons& buttons,
                      Answer defaultAnswer) {
    QMessageBox box(Icon(kind), Title(kind), DisplayText(text), QMessageBox::NoButton, owner());
    KeepAboveStayOnTopWindows(box);
    KeepTitleWhole(box);
    std::vector<std::pair<QAbstractButton*, Answer>> made;
    for (Answer a : buttons) {
        const ButtonText& bt = TextOf(a);
        made.emplace_back(box.addButton(QCoreApplication::translate("QtPrompts", bt.text), bt.role),
                          a);
    }
    // Enter presses the default answer's button; the first one when it has none.
    QAbstractButton* defaultButton = made.empty() ? nullptr : made.front().first;
    for (const auto& [button, answer] : made)
        if (answer == defaultAnswer) defaultButton = button;
    if (defaultButton) box.setDefaultButton(static_cast<QPushButton*>(defaultButton));
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
    QFileDialog dialog(owner(), caption, initialPath, QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return RunFileDialog(dialog);
}

std::optional<QString> QtPrompts::saveFileName(const QString& caption, const QString& filter,
                                               const QString& initialPath) {
    QFileDialog dialog(owner(), caption, initialPath, QtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The dialog asks before it replaces a file (its question defaults to "No"); it adds the
    // extension first, so that it asks about the file that will be written.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(DefaultSuffix(filter));
    // A bare name takes the extension of the entry chosen in the list (TGA or PNG).
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& entry) {
            static const QRegularExpression kOnePattern(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
            const auto match = kOnePattern.match(entry);
            if (match.hasMatch()) dialog.setDefaultSuffix(match.captured(1));
        });
    return RunFileDialog(dialog);
}

std::optional<ColourValue> QtPrompts::chooseColour(ColourValue initial) {
    QColorDialog dialog(initial.toQColor(), owner());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    KeepAboveStayOnTopWindows(dialog);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QColor c = dialog.selectedColor();
    if (!c.isValid()) return std::nullopt;
    return ColourValue::fromQColor(c);
}

std::optional<QString> QtPrompts::chooseFolder(const QString& caption,
                                               const QString& initialFolder) {
    QFileDialog dialog(owner(), caption, initialFolder);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    return RunFileDialog(dialog);
}

bool QtPrompts::printerSetup(QPrinter& printer) {
    QPrintDialog dialog(&printer, owner());
    KeepAboveStayOnTopWindows(dialog);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace tessella::widgets
