#pragma once
// "Catalogue des textures de base": the bitmaps of one folder, six at a time. A double click
// hands the texture to whoever asked: the colour adjustment window (and the catalogue closes),
// or the element editor (and the catalogue stays open for another pick).

#include <QDialog>
#include <QImage>
#include <QStringList>
#include <array>
#include <optional>

#include "catalogue/CataloguePaging.h"
#include "catalogue/ThumbnailReader.h"

class QAction;
class QCheckBox;
class QLabel;
class QToolButton;

namespace tessella::platform {
class Prompts;
class ProgramFolder;
}  // namespace tessella::platform

namespace tessella::catalogue {

class ThumbnailBox;

class CatalogueWindow final : public QDialog {
    Q_OBJECT

  public:
    CatalogueWindow(platform::Prompts& prompts, const platform::ProgramFolder& program,
                    QWidget* parent = nullptr);

    // Shown for the element editor, on the Clips_Textures folder beside the program.
    void openForEditor();
    // Shown for the colour adjustment window on folder: the texture double-clicked goes out
    // through textureForColourWindow and the catalogue closes.
    void chooseTexture(const QString& folder);
    // Everything a showing does before the modal loop; a folder makes it a colour-window
    // request on that folder.
    void begin(const std::optional<QString>& textureFolder = std::nullopt);
    // Reads the folder's list again (new element files may be there).
    void refresh();
    // The pictures of the page arrive from a worker thread; this waits until the page is whole.
    void finishReading();

    const QString& folder() const { return folder_; }
    const QStringList& files() const { return files_; }
    int pageStart() const { return pageStart_; }
    bool colourWindowRequest() const { return colourWindowRequest_; }

    QWidget* gridPanel;
    std::array<ThumbnailBox*, kBoxCount> boxes{};
    QLabel* summaryLabel;
    QToolButton* firstPageButton;
    QToolButton* previousPageButton;
    QToolButton* nextPageButton;
    QToolButton* lastPageButton;
    QLabel* rangeLabel;
    QCheckBox* zoomSmallCheck;
    std::array<QLabel*, 3> statusPanels{};
    QAction* chooseFolderAction;

  signals:
    // A texture for the element editor: the picture read from path.
    void textureForEditor(const QImage& picture, const QString& path);
    // A texture for the colour adjustment window, which asked through chooseTexture.
    void textureForColourWindow(const QImage& picture, const QString& path);

  public slots:
    void showFirstPage() { turnPage(PageMove::First); }
    void showPreviousPage() { turnPage(PageMove::Previous); }
    void showNextPage() { turnPage(PageMove::Next); }
    void showLastPage() { turnPage(PageMove::Last); }
    void refitThumbnails();
    void chooseFolder();
    void showFileOf(tessella::catalogue::ThumbnailBox* box);
    void handOver(tessella::catalogue::ThumbnailBox* box);

  private:
    void buildControls();
    void turnPage(PageMove move);
    void showPage(int start);
    // Box index shows its file's picture, or stays empty when it could not be read.
    void fillBox(int index, const QImage& picture);
    void thumbnailArrived(const QString& path);
    // Once no box waits any more, the page's unreadable files are said in one message.
    void reportUnreadable();
    void clearBoxes();
    // "Première"/"Précédente" only past the first page, "Suivante"/"Dernière" only before the
    // last.
    void enablePageButtons();
    // The clicked texture's name and size in the status bar.
    void showFileText(const QString& name, const QString& size);
    // The folder becomes the catalogue: its list read (none when it does not exist), the
    // summary written, the first page shown or the grid disabled. Answers whether it is empty.
    bool useFolder(const QString& folder);
    // Asks to create a missing folder; false when it is still missing.
    bool folderReady(const QString& folder);

    platform::Prompts& prompts_;
    const platform::ProgramFolder& program_;
    QString folder_;
    QStringList files_;
    int pageStart_ = 0;
    bool colourWindowRequest_ = false;
    ThumbnailReader* reader_;
    // The file each box of the page waits for (empty when none), and the boxes whose file
    // could not be read.
    std::array<QString, kBoxCount> waiting_;
    std::array<bool, kBoxCount> unreadable_{};
};

}  // namespace tessella::catalogue
