#pragma once
// The main window: menus, the top band (import size, zoom, replace position), the source
// panel, the page view with its mask and progress bar, and the status bar. Controls keep
// their layout names; handlers are named after the control and the event.

#include <QMainWindow>
#include <array>
#include <memory>
#include <vector>

#include "app/AppContext.h"
#include "texture/PagePacker.h"

class QAction;
class QComboBox;
class QFileSystemModel;
class QFrame;
class QGroupBox;
class QLabel;
class QListView;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTreeView;

namespace tessella::app {

class ImageBox;
class PageCommands;
class PageView;
class TLabelNum;
class UpDown;

class TFichePrincipale : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kStatusPanels = 7;

    explicit TFichePrincipale(AppContext& context, QWidget* parent = nullptr);
    ~TFichePrincipale() override;

    AppContext& context() { return context_; }
    // Status bar panel i (0 to 6).
    QLabel* StatusPanel(int i) const { return panels_.at(static_cast<size_t>(i)); }
    // The folder shown by the file list, ending with '/'.
    QString FileListFolder() const;
    // Shows folder in the drive, folder and file lists.
    void ShowSourceFolder(const QString& folder);
    QFileSystemModel* FileModel() const { return fileModel_; }
    // Every file of the source list in list order, with its selection.
    std::vector<texture::SourceEntry> SourceEntries() const;
    int SelectedFileCount() const;
    // Reads the folder and file lists again (a file was written into them).
    void RefreshSourceLists();
    PageCommands& Commands() { return *commands_; }

    // Menus.
    QMenu* Fichier1 = nullptr;
    QMenu* Imprimer1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* NouvelletextureTGA1 = nullptr;
    QAction* OuvrirTGA1 = nullptr;
    QAction* SauverTGA1 = nullptr;
    QAction* SauverTextureSous1 = nullptr;
    QAction* ExtraireBitmaps1 = nullptr;
    QAction* FenetreSources1 = nullptr;
    QAction* Quitter1 = nullptr;
    QAction* TextureTGAenCours1 = nullptr;
    QAction* PlancheContact1 = nullptr;
    QAction* ModifierSource1 = nullptr;
    QAction* Nouveau1 = nullptr;
    QAction* Aide1 = nullptr;
    QAction* APropos1 = nullptr;

    // Top band.
    QGroupBox* GroupBoxImport = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QGroupBox* GroupBoxZoom = nullptr;
    UpDown* UpDown5 = nullptr;
    QLabel* StaticText2 = nullptr;
    QPushButton* Button1 = nullptr;
    QGroupBox* GroupBoxRemplacer = nullptr;
    QLabel* StaticText1 = nullptr;
    UpDown* UpDown1 = nullptr;  // X, step 1
    UpDown* UpDown3 = nullptr;  // X, step 16
    UpDown* UpDown2 = nullptr;  // Y, step 1
    UpDown* UpDown4 = nullptr;  // Y, step 16
    QPushButton* BtValider = nullptr;
    QPushButton* BtAbandon = nullptr;

    // Source panel.
    QFrame* Panel1 = nullptr;
    QGroupBox* GroupBoxSource = nullptr;
    ImageBox* Image2 = nullptr;
    QPushButton* BtAjouter = nullptr;
    QPushButton* BtRemplacer = nullptr;
    TLabelNum* LabelNum1 = nullptr;
    QLabel* LabelDim = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QListView* FileListBox1 = nullptr;
    QPushButton* BtTout = nullptr;
    TLabelNum* LabelNum3 = nullptr;
    TLabelNum* LabelNum2 = nullptr;

    // Page view.
    QGroupBox* GroupBoxTexture = nullptr;
    QScrollArea* ScrollBox1 = nullptr;
    PageView* Image1 = nullptr;  // the page picture; its mask is Shape1
    QProgressBar* ProgressBar1 = nullptr;

  public slots:
    // Start-up settings: zoom 1, file mask, open filter, cursors.
    void FormCreate();
    // The closing rule: answers whether the window may close (asks when the page is modified).
    bool FormClose();

    // Fichier.
    void NouvelletextureTGA1Click();
    void OuvrirTGA1Click();
    void SauverTGA1Click();
    void SauverTextureSous1Click();
    void ExtraireBitmaps1Click();
    void FenetreSources1Click();
    void Quitter1Click();
    // Imprimer.
    void TextureTGAenCours1Click();
    void PlancheContact1Click();
    // Edit ("Modifier le source BMP" is the preview's double click).
    void Image2DblClick();
    void Nouveau1Click();
    // Aide, A propos.
    void Aide1Click();
    void APropos1Click();

    // Top band.
    void ComboBox1Change();
    void UpDown5Click();
    void Button1Click();
    void UpDown1Click();
    void UpDown2Click();
    void UpDown3Click();
    void UpDown4Click();
    void BtValiderClick();
    void BtAbandonClick();

    // Source panel and page view.
    void BtAjouterClick();
    void BtRemplacerClick();
    void BtToutClick();
    void DriveComboBox1Change();
    void DirectoryListBox1Click();
    void DirectoryListBox1Loaded();
    void FileListBox1Click();
    void FileListBox1Change();
    void Image1MouseDown(Qt::MouseButton button, QPoint pos);

  signals:
    // The window has closed for good: the run ends.
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildTopBand();
    QFrame* buildSourcePanel();
    QGroupBox* buildPageView();
    void buildStatusBar();
    void connectHandlers();
    void ShowFileList(const QString& folder);
    void setStartStates();

    AppContext& context_;
    std::unique_ptr<PageCommands> commands_;
    std::array<QLabel*, kStatusPanels> panels_{};
    QFileSystemModel* dirModel_ = nullptr;
    QFileSystemModel* fileModel_ = nullptr;
    static constexpr int kSettleMs = 3000;
    bool keepFolderInSight_ = false;  // the shown folder is scrolled back into view
};

}  // namespace tessella::app
