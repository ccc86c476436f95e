#include "app/TFicheAide.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPrinter>
#include <QScreen>
#include <QShowEvent>
#include <QTextEdit>

#include "app/RtfReader.h"
#include "platform/ColourValue.h"
#include "platform/Guard.h"
#include "platform/SafeFile.h"

namespace tessella::app {

namespace {
constexpr platform::ColourValue kLightGrey(0x00E3E3E3u);
}

TFicheAide::TFicheAide(AppContext& context, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                              Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      context_(context) {
    setWindowTitle(QStringLiteral("TESSELLA   Aide"));
    Imprimer1 = menuBar()->addAction(QStringLiteral("Imprimer"));
    Fermer1 = menuBar()->addAction(QStringLiteral("Fermer"));
    connect(Imprimer1, &QAction::triggered, this, &TFicheAide::Imprimer1Click);
    connect(Fermer1, &QAction::triggered, this, &TFicheAide::Fermer1Click);

    RichEdit1 = new QTextEdit(this);
    RichEdit1->setReadOnly(true);
    RichEdit1->setLineWrapMode(QTextEdit::NoWrap);
    RichEdit1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RichEdit1->setAcceptRichText(true);
    QPalette pal = RichEdit1->palette();
    pal.setColor(QPalette::Base, kLightGrey.toQColor());
    pal.setColor(QPalette::Text, Qt::black);
    RichEdit1->setPalette(pal);
    setCentralWidget(RichEdit1);

    resize(kWidth, kHeight);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void TFicheAide::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void TFicheAide::FormShow() {
    platform::Guard(context_.prompts, [this] {
        const QString path = context_.programFolder.helpFile();
        if (!QFileInfo(path).isFile()) return;
        RtfReader::Read(platform::ReadWholeFile(path), *RichEdit1->document());
        RichEdit1->moveCursor(QTextCursor::Start);
    });
}

void TFicheAide::Imprimer1Click() {
    platform::Guard(context_.prompts, [this] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(QString());
        if (!context_.prompts.printerSetup(printer)) return;
        RichEdit1->document()->print(&printer);
    });
}

void TFicheAide::Fermer1Click() {
    hide();
}

}  // namespace tessella::app
