#pragma once
// The main window: menus, the top band (import size, zoom, replace position), the source
// panel, the page view with its mask and progress bar, and the status bar. Slots are named
// for what they do and are connected in connectHandlers(). MainWindow.cpp builds and wires
// the window; MainWindowMenus.cpp holds the menus' commands, MainWindowPageFlow.cpp the top
// band, the page view and the runs, MainWindowSourcePanel.cpp the source panel.

#include <QMainWindow>
#include <QPersistentModelIndex>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Language.h"
#include "texture/NewElementSettings.h"
#include "texture/PagePacker.h"
#include "texture/TexturePage.h"

class QAction;
class QActionGroup;
class QComboBox;
class QFileSystemModel;
class QFileSystemWatcher;
class QFrame;
class QGroupBox;
class QLabel;
class QListView;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTreeView;

namespace tessella::platform {
class Pacer;
class PrinterService;
class Prompts;
}  // namespace tessella::platform
namespace tessella::texture {
class ElementEditorHost;
class PageWidthDialog;
class EngineExportDialog;
}  // namespace tessella::texture
namespace tessella::editor {
class NewElementDialog;
}
namespace tessella::print {
class ContactSheetWindow;
class PrintDialog;
}  // namespace tessella::print
namespace tessella::widgets {
class Cursors;
class ImageBox;
class NumberLabel;
class StepArrows;
}  // namespace tessella::widgets
namespace tessella::texture {
class PageView;
}

namespace tessella::app {

class AboutBox;
class FilesOnlyModel;
class FolderRowsModel;
class PageCommands;
using texture::PageView;
using widgets::ImageBox;
using widgets::NumberLabel;
using widgets::StepArrows;

// "mur.tga* — TESSELLA": the open page's file name, "*" when it is modified; "TESSELLA" alone
// without a page.
QString MainWindowTitle(const texture::TexturePage& page);

class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kStatusPanels = 7;

    // What the main window works with; each lasts for the run.
    struct Services {
        platform::Prompts& prompts;
        platform::Pacer& pacer;
        texture::TexturePage& page;
        widgets::Cursors& cursors;
        // The new-element dialog's size and background, shared with the element editor's.
        texture::NewElementSettings& newElement;
        // The printer of the page print and the contact sheets.
        platform::PrinterService& printer;
    };

    // Creates the dialogs the main window opens, which it owns.
    explicit MainWindow(const Services& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    const Services& services() const { return services_; }
    // The editor that "Modifier le source BMP" and "Nouvel élément de texture" open.
    void setElementEditor(texture::ElementEditorHost& editor) { elementEditor_ = &editor; }
    texture::ElementEditorHost* elementEditor() const { return elementEditor_; }
    // Status bar panel i (0 to 6).
    QLabel* statusPanel(int i) const { return panels_.at(static_cast<size_t>(i)); }
    // The folder shown by the file list, ending with '/'.
    QString fileListFolder() const;
    // Shows folder in the drive, folder and file lists.
    void showSourceFolder(const QString& folder);
    QFileSystemModel* fileModel() const { return fileModel_; }
    // The file list's entry for a file of its folder (invalid until the folder has loaded it).
    QModelIndex fileListIndex(const QString& path) const;
    // Every file of the source list in list order, with its selection.
    std::vector<texture::SourceEntry> sourceEntries() const;
    int selectedFileCount() const;
    // Reads the folder and file lists again (a file was written into them).
    void refreshSourceLists();
    PageCommands& commands() { return *commands_; }

    // Fichier > Langue: saves the choice (none: the system's language). The program speaks it
    // from its next start, which the user is told when that is not the language in use.
    void chooseLanguage(const std::optional<platform::Language>& language);
    // Checks the entry of the saved choice.
    void checkSavedLanguage();

    // The dialogs and windows the main window opens.
    AboutBox* aboutBox = nullptr;
    texture::PageWidthDialog* pageWidthDialog = nullptr;
    texture::EngineExportDialog* engineExportDialog = nullptr;
    editor::NewElementDialog* newElementDialog = nullptr;
    print::PrintDialog* printDialog = nullptr;
    print::ContactSheetWindow* contactSheetWindow = nullptr;

    // Menus.
    QMenu* fileMenu = nullptr;
    QMenu* printMenu = nullptr;
    QMenu* editMenu = nullptr;
    // Fichier > Langue: each language we have, named in its own words, then the system's.
    QMenu* languageMenu = nullptr;
    QActionGroup* languageGroup = nullptr;
    QList<QAction*> languageActions;  // in platform::AvailableLanguages() order
    QAction* systemLanguageAction = nullptr;
    QAction* newPageAction = nullptr;
    QAction* openPageAction = nullptr;
    QAction* savePageAction = nullptr;
    QAction* savePageAsAction = nullptr;
    QAction* extractElementsAction = nullptr;
    QAction* engineExportAction = nullptr;
    QAction* compactPageAction = nullptr;
    QAction* showSourcesAction = nullptr;
    QAction* quitAction = nullptr;
    QAction* printPageAction = nullptr;
    QAction* contactSheetAction = nullptr;
    QAction* editSourceAction = nullptr;
    QAction* newElementAction = nullptr;
    QAction* helpAction = nullptr;
    QAction* aboutAction = nullptr;

    // Top band.
    QGroupBox* importGroup = nullptr;
    QComboBox* importSizeCombo = nullptr;
    QGroupBox* zoomGroup = nullptr;
    StepArrows* zoomArrows = nullptr;
    QLabel* zoomLabel = nullptr;
    QPushButton* zoomResetButton = nullptr;
    QGroupBox* replaceGroup = nullptr;
    QLabel* replacePositionLabel = nullptr;
    StepArrows* replaceXFineArrows = nullptr;    // X, step 1
    StepArrows* replaceXCoarseArrows = nullptr;  // X, step 16
    StepArrows* replaceYFineArrows = nullptr;    // Y, step 1
    StepArrows* replaceYCoarseArrows = nullptr;  // Y, step 16
    QPushButton* validateButton = nullptr;
    QPushButton* abandonButton = nullptr;

    // Source panel.
    QFrame* sourceFrame = nullptr;
    QGroupBox* sourceGroup = nullptr;
    ImageBox* sourcePreview = nullptr;
    QPushButton* addButton = nullptr;
    QPushButton* replaceButton = nullptr;
    NumberLabel* selectedCountLabel = nullptr;
    QLabel* sourceSizeLabel = nullptr;
    QComboBox* driveCombo = nullptr;
    QPushButton* parentFolderButton = nullptr;  // "Dossier parent": up from the shown folder
    QTreeView* folderList = nullptr;
    QListView* fileList = nullptr;
    QPushButton* selectAllButton = nullptr;
    NumberLabel* fileIndexLabel = nullptr;
    NumberLabel* fileCountLabel = nullptr;

    // Page view.
    QGroupBox* pageGroup = nullptr;
    QScrollArea* pageScroll = nullptr;
    PageView* pageView = nullptr;  // the page picture; the replace mask is painted over it
    QProgressBar* progressBar = nullptr;
    QPushButton* stopButton = nullptr;  // "Arrêter": enabled only during a run

  public slots:
    // Start-up settings: zoom 1, file mask, open filter, cursors.
    void applyStartSettings();
    // The closing rule: answers whether the window may close (asks when the page is modified).
    bool confirmClose();

    // Fichier.
    void newPage();
    void openPage();
    // "Ouvrir une texture" for a file already chosen: the one the program was started with.
    void openPageFile(const QString& path);
    void savePage();
    void savePageAs();
    void extractElements();
    void exportForEngine();
    void compactPage();
    void showSourcePanel();
    void quit();
    // Imprimer.
    void printPage();
    void printContactSheet();
    // Edit ("Modifier le source BMP" is the preview's double click).
    void openSourceForEditing();
    void createNewElement();
    // Aide, A propos.
    void showHelp();
    void showAbout();

    // Top band.
    void changeImportSize();
    void applyZoom();
    void resetZoom();
    void moveMaskXFine();
    void moveMaskYFine();
    void moveMaskXCoarse();
    void moveMaskYCoarse();
    void validateReplacement();
    void abandonReplacement();

    // Source panel and page view.
    void addSelectedSources();
    void startReplacement();
    void toggleSelectAll();
    void openDrive();
    void openParentFolder();
    void openClickedFolder();
    void keepFolderInSight();
    // Previews the current file of the list when it is selected (a click or the keyboard).
    void previewCurrentSource();
    void previewClickedSource();
    void refreshFileCounters();
    void placeMaskAt(Qt::MouseButton button, QPoint pos);
    // "Arrêter" (or Escape): the extraction or multi-file add ends after the step in hand.
    void stopRun();
    // Escape reaches stopRun while a run lasts, whichever control has the focus.
    void watchEscape(bool on);
    // The shown folder changed on disk: the lists follow, and a folder that has gone is said
    // and replaced by its nearest existing parent.
    void shownFolderChanged();

  signals:
    // The window has closed for good: the run ends.
    void closed();
    // "Aide": the help window should be shown.
    void helpWanted();
    // Element files were written into the source folder: lists of files may have changed.
    void sourceFilesWritten();

  protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    void buildLanguageMenu();
    QWidget* buildTopBand();
    QFrame* buildSourcePanel();
    QGroupBox* buildPageView();
    void buildStatusBar();
    void connectHandlers();
    void showFileList(const QString& folder);
    // The shown folder is the one the watcher watches.
    void watchFolder(const QString& folder);
    // Lists the files of folder (an index of the file model).
    void showFolderRows(const QModelIndex& folder);
    // The file model's entry of a row of the file list.
    QModelIndex fileModelIndex(const QModelIndex& listIndex) const;
    void setStartStates();
    // The list selects the file the preview now shows (written under a new name), once its
    // folder lists it; a file of another folder leaves the list without a selection.
    void selectPreviewedSource(const QString& path, int attemptsLeft = 100);
    // Runs a command's body through the guard, then brings the title up to date.
    void runCommand(const std::function<void()>& body);
    void refreshTitle();

    Services services_;
    texture::ElementEditorHost* elementEditor_ = nullptr;
    std::unique_ptr<PageCommands> commands_;
    std::array<QLabel*, kStatusPanels> panels_{};
    QFileSystemModel* dirModel_ = nullptr;
    QFileSystemModel* fileModel_ = nullptr;
    QFileSystemWatcher* folderWatcher_ = nullptr;
    FilesOnlyModel* filesOnly_ = nullptr;
    FolderRowsModel* folderRows_ = nullptr;  // the folder's files, the file list's model
    QPersistentModelIndex previewed_;        // the file the preview shows
    int previews_ = 0;                       // previews so far; a click compares it with its press
    int previewsAtPress_ = -1;
    static constexpr int kSettleMs = 3000;
    bool keepFolderInSight_ = false;  // the shown folder is scrolled back into view
};

}  // namespace tessella::app
