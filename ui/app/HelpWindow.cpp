#include "ui/app/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>

#include "helpfile/RtfReader.h"
#include "platform/ColourValue.h"
#include "platform/Guard.h"
#include "platform/Language.h"
#include "platform/Prompts.h"
#include "platform/SafeFile.h"
#include "ui/widgets/QtPrinter.h"

namespace tessella::app {

namespace {
constexpr platform::ColourValue kLightGrey(0x00E3E3E3u);

// The help in the language of the texts: Tessella_en.rtf beside the French Tessella.rtf, or the
// French one while that language has no help of its own.
QString HelpFileIn(const platform::Language& language, const QString& frenchFile) {
    if (language == platform::kFrench) return frenchFile;
    const QFileInfo french(frenchFile);
    const QString translated =
        french.dir().filePath(french.completeBaseName() + '_' + language + '.' + french.suffix());
    return QFileInfo(translated).isFile() ? translated : frenchFile;
}
}  // namespace

HelpWindow::HelpWindow(platform::Prompts& prompts, QString helpFile, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      prompts_(prompts),
      helpFile_(std::move(helpFile)) {
    setWindowTitle(tr("TESSELLA   Aide"));
    printAction = menuBar()->addAction(tr("Imprimer"));
    closeAction = menuBar()->addAction(tr("Fermer"));
    connect(printAction, &QAction::triggered, this, &HelpWindow::printHelp);
    connect(closeAction, &QAction::triggered, this, &HelpWindow::closeHelp);

    helpText = new QTextEdit(this);
    helpText->setReadOnly(true);
    helpText->setAccessibleName(tr("Aide"));
    helpText->setLineWrapMode(QTextEdit::NoWrap);
    helpText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    helpText->setAcceptRichText(true);
    QPalette pal = helpText->palette();
    pal.setColor(QPalette::Base, kLightGrey.toQColor());
    pal.setColor(QPalette::Text, Qt::black);
    helpText->setPalette(pal);
    setCentralWidget(helpText);

    resize(kWidth, kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void HelpWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) loadHelpFile();
}

void HelpWindow::loadHelpFile() {
    platform::Guard(prompts_, [this] {
        // Chosen at each showing: the language may have changed since the last one.
        const QString path = HelpFileIn(platform::CurrentLanguage(), helpFile_);
        if (!QFileInfo(path).isFile()) return;
        // The help is a few hundred kilobytes; a file far larger is not ours to hold in memory.
        constexpr qint64 kMaxHelpBytes = qint64{64} << 20;
        RtfReader::Read(platform::ReadWholeFile(path, kMaxHelpBytes), *helpText->document());
        helpText->moveCursor(QTextCursor::Start);
    });
}

void HelpWindow::printHelp() {
    platform::Guard(prompts_, [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QString());
        if (!prompts_.printerSetup(printer)) return;
        widgets::PrintTextDocument(*helpText->document(), printer);
    });
}

void HelpWindow::closeHelp() {
    hide();
}

}  // namespace tessella::app
