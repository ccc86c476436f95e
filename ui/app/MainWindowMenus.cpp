// The main window's menus and what their commands do.

#include "ui/app/MainWindow.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QListView>
#include <QMenuBar>

#include "texture/PageTexts.h"
#include "ui/app/AboutBox.h"
#include "ui/app/PageCommands.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/print/ContactSheetWindow.h"
#include "ui/print/PrintDialog.h"
#include "ui/texture/EngineExportDialog.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::app {

namespace {

const QString kNothingToPrint = QStringLiteral(
    "Vous devez sélectionner les images à imprimer\n\rdans la liste des fichiers sources !");

}  // namespace

void MainWindow::buildMenus() {
    auto add = [](QMenu* menu, const char* text, QKeySequence key = {}) {
        QAction* a = menu->addAction(QString::fromUtf8(text));
        if (!key.isEmpty()) a->setShortcut(key);
        return a;
    };
    fileMenu = menuBar()->addMenu(QStringLiteral("&Fichier"));
    newPageAction = add(fileMenu, "Nouvelle texture TGA", QKeySequence::New);
    openPageAction = add(fileMenu, "Ouvrir une texture (TGA ou autre)", QKeySequence::Open);
    savePageAction = add(fileMenu, "Sauver la texture TGA", QKeySequence::Save);
    savePageAsAction =
        add(fileMenu, "Sauver la texture TGA Sous", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fileMenu->addSeparator();
    extractElementsAction = add(fileMenu, "Extraire les images d'une texture");
    engineExportAction = fileMenu->addAction(texture::kEngineExportAction);
    showSourcesAction = add(fileMenu, "Ouvrir la fenêtre des sources");
    fileMenu->addSeparator();
    quitAction = add(fileMenu, "Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q));

    printMenu = menuBar()->addMenu(QStringLiteral("&Imprimer"));
    printPageAction = add(printMenu, "Texture TGA en cours", QKeySequence::Print);
    contactSheetAction = add(printMenu, "Planche contact des sources BMP");

    editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    editSourceAction = add(editMenu, "Modifier le source BMP", QKeySequence(Qt::CTRL | Qt::Key_E));
    newElementAction =
        add(editMenu, "Nouvel élément de texture", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    editMenu->addSeparator();
    compactPageAction = editMenu->addAction(texture::kCompactPageAction);

    helpAction = menuBar()->addAction(QStringLiteral("A&ide"));
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    helpAction->setShortcutContext(Qt::ApplicationShortcut);
    aboutAction = menuBar()->addAction(QStringLiteral("À &propos"));
}

void MainWindow::newPage() {
    runCommand([this] {
        if (commands_->files().newPage()) commands_->sourcePanel().enablePlacing();
    });
}

void MainWindow::openPage() {
    runCommand([this] {
        if (commands_->files().openPage()) commands_->sourcePanel().enablePlacing();
    });
}

void MainWindow::openPageFile(const QString& path) {
    runCommand([this, path] {
        if (commands_->files().openPageFile(path)) commands_->sourcePanel().enablePlacing();
    });
}

void MainWindow::savePage() {
    runCommand([this] { commands_->files().save(); });
}

void MainWindow::savePageAs() {
    runCommand([this] { commands_->files().saveAs(); });
}

void MainWindow::extractElements() {
    runCommand([this] { commands_->files().extract(); });
}

void MainWindow::exportForEngine() {
    runCommand([this] { commands_->files().exportForEngine(*engineExportDialog); });
}

void MainWindow::compactPage() {
    runCommand([this] { commands_->files().compactPage(); });
}

void MainWindow::showSourcePanel() {
    sourceFrame->show();
}

void MainWindow::quit() {
    close();
}

// Printing the page comes with the print layout window.
void MainWindow::printPage() {
    printDialog->printPage(services_.page.pageBitmap.image(), services_.page.textureFileName);
}

void MainWindow::printContactSheet() {
    runCommand([this] {
        print::ContactSheetWindow* sheet = contactSheetWindow;
        // During a run the command only brings the window forward.
        if (sheet && sheet->running()) return sheet->startRun({});
        if (!fileList->selectionModel()->hasSelection()) {
            services_.prompts.warning(kNothingToPrint);
            return;
        }
        QStringList paths;  // taken once: the run keeps its own list
        for (const texture::SourceEntry& entry : sourceEntries())
            if (entry.selected) paths << entry.path;
        if (sheet) sheet->startRun(paths);
    });
}

void MainWindow::openSourceForEditing() {
    runCommand([this] {
        const QString written = commands_->elementFlow().editSource();
        if (!written.isEmpty()) selectPreviewedSource(written);
    });
}

void MainWindow::createNewElement() {
    runCommand([this] {
        if (!newElementDialog->askNewElement()) return;
        commands_->elementFlow().newElement(services_.newElement);
    });
}

void MainWindow::showHelp() {
    emit helpWanted();
}

void MainWindow::showAbout() {
    widgets::ExecInFront(*aboutBox);
}

}  // namespace tessella::app
