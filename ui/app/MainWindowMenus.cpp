// The main window's menus and what their commands do.

#include "ui/app/MainWindow.h"

#include <QAction>
#include <QActionGroup>
#include <QItemSelectionModel>
#include <QKeySequence>
#include <QListView>
#include <QMenuBar>

#include "platform/Language.h"
#include "texture/PageTexts.h"
#include "ui/app/AboutBox.h"
#include "ui/app/PageCommands.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/print/ContactSheetWindow.h"
#include "ui/print/PrintDialog.h"
#include "ui/texture/EngineExportDialog.h"
#include "ui/widgets/QtPrompts.h"

namespace tessella::app {

void MainWindow::buildMenus() {
    auto add = [](QMenu* menu, const QString& text, QKeySequence key = {}) {
        QAction* a = menu->addAction(text);
        if (!key.isEmpty()) a->setShortcut(key);
        return a;
    };
    fileMenu = menuBar()->addMenu(tr("&Fichier"));
    newPageAction = add(fileMenu, tr("Nouvelle texture TGA"), QKeySequence::New);
    openPageAction = add(fileMenu, tr("Ouvrir une texture (TGA ou autre)"), QKeySequence::Open);
    savePageAction = add(fileMenu, tr("Sauver la texture TGA"), QKeySequence::Save);
    savePageAsAction = add(fileMenu, tr("Sauver la texture TGA Sous"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    fileMenu->addSeparator();
    extractElementsAction = add(fileMenu, tr("Extraire les images d'une texture"));
    engineExportAction = fileMenu->addAction(texture::kEngineExportAction);
    showSourcesAction = add(fileMenu, tr("Ouvrir la fenêtre des sources"));
    fileMenu->addSeparator();
    buildLanguageMenu();
    fileMenu->addSeparator();
    quitAction = add(fileMenu, tr("Quitter"), QKeySequence(Qt::CTRL | Qt::Key_Q));

    printMenu = menuBar()->addMenu(tr("&Imprimer"));
    printPageAction = add(printMenu, tr("Texture TGA en cours"), QKeySequence::Print);
    contactSheetAction = add(printMenu, tr("Planche contact des sources BMP"));

    editMenu = menuBar()->addMenu(tr("&Edit"));
    editSourceAction =
        add(editMenu, tr("Modifier le source BMP"), QKeySequence(Qt::CTRL | Qt::Key_E));
    newElementAction = add(editMenu, tr("Nouvel élément de texture"),
                           QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    editMenu->addSeparator();
    compactPageAction = editMenu->addAction(texture::kCompactPageAction);

    helpAction = menuBar()->addAction(tr("A&ide"));
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));
    helpAction->setShortcutContext(Qt::ApplicationShortcut);
    aboutAction = menuBar()->addAction(tr("À &propos"));
}

void MainWindow::buildLanguageMenu() {
    languageMenu = fileMenu->addMenu(tr("&Langue"));
    languageMenu->setAccessibleName(tr("Langue"));
    languageMenu->setAccessibleDescription(
        tr("La langue de Tessella, à partir de son prochain démarrage"));
    languageGroup = new QActionGroup(languageMenu);
    languageGroup->setExclusive(true);
    auto entry = [this](const QString& text, const std::optional<platform::Language>& language) {
        QAction* a = languageMenu->addAction(text);
        a->setCheckable(true);
        languageGroup->addAction(a);
        connect(a, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
        return a;
    };
    // Each language in its own words, whatever the language in use.
    for (const platform::Language& language : platform::AvailableLanguages())
        languageActions << entry(platform::LanguageName(language), language);
    languageMenu->addSeparator();
    systemLanguageAction = entry(tr("Langue du système"), std::nullopt);
    checkSavedLanguage();
}

void MainWindow::checkSavedLanguage() {
    const std::optional<platform::Language> saved = platform::SavedLanguageChoice();
    const qsizetype index = saved ? platform::AvailableLanguages().indexOf(*saved) : -1;
    QAction* checked = index >= 0 && index < languageActions.size() ? languageActions.at(index)
                                                                    : systemLanguageAction;
    checked->setChecked(true);
}

void MainWindow::chooseLanguage(const std::optional<platform::Language>& language) {
    runCommand([this, &language] {
        platform::SaveLanguageChoice(language);
        // The texts in use stay until the next start: the user hears of the change once.
        if (platform::ProgramLanguage() != platform::CurrentLanguage())
            services_.prompts.information(
                tr("Tessella parlera la langue choisie à son prochain démarrage."));
    });
    // A choice that could not be saved leaves the saved one checked.
    checkSavedLanguage();
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
            services_.prompts.warning(
                tr("Vous devez sélectionner les images à imprimer\n\rdans la liste des fichiers "
                   "sources !"));
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
