// The main window's source panel: the preview of the current file, the drive, folder and file
// lists, the selection and its counters.

#include "ui/app/MainWindow.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ColourValue.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "texture/PageTexts.h"
#include "ui/app/MainWindowFileList.h"
#include "ui/app/MainWindowLook.h"
#include "ui/app/PageCommands.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/NumberLabel.h"

namespace tessella::app {

namespace {

constexpr platform::ColourValue kPaleYellow(0x00B3FFFFu);

}  // namespace

QFrame* MainWindow::buildSourcePanel() {
    sourceFrame = new QFrame(this);
    sourceFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    sourceFrame->setFixedWidth(300);
    auto* column = new QVBoxLayout(sourceFrame);
    column->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    sourceGroup = new QGroupBox(tr(" Source "), sourceFrame);
    auto* sourceLayout = new QVBoxLayout(sourceGroup);
    sourceLayout->setContentsMargins(4, 4, 4, 4);
    auto* holder = new QWidget(sourceGroup);
    holder->setFixedSize(128, 128);
    auto* holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    sourcePreview = new ImageBox(holder);
    sourcePreview->setStretch(true);
    sourcePreview->setCenter(true);
    sourcePreview->setBoxSize(128, 128);
    sourcePreview->setToolTip(tr("Double click pour édition"));
    sourcePreview->setAccessibleName(tr("Aperçu de la source"));
    holderLayout->addWidget(sourcePreview, 0, Qt::AlignCenter);
    sourceLayout->addWidget(holder);
    top->addWidget(sourceGroup);

    auto* side = new QVBoxLayout;
    addButton = new QPushButton(tr("Ajouter"), sourceFrame);
    replaceButton = new QPushButton(tr("Remplacer"), sourceFrame);
    selectedCountLabel = new NumberLabel(sourceFrame);
    PaintReadout(selectedCountLabel, Qt::white);
    selectedCountLabel->setAccessibleName(tr("Sélections"));
    sourceSizeLabel = new QLabel(sourceFrame);
    PaintReadout(sourceSizeLabel, kPaleYellow.toQColor());
    sourceSizeLabel->setAccessibleName(tr("Dimensions de la source"));
    side->addWidget(addButton);
    side->addWidget(replaceButton);
    side->addSpacing(4);
    side->addWidget(CentredCaption(tr("Sélections"), sourceFrame));
    side->addWidget(selectedCountLabel);
    side->addWidget(CentredCaption(tr("Dimensions"), sourceFrame));
    side->addWidget(sourceSizeLabel);
    side->addStretch();
    top->addLayout(side);
    column->addLayout(top);

    driveCombo = new QComboBox(sourceFrame);
    for (const QFileInfo& drive : QDir::drives()) driveCombo->addItem(drive.absolutePath());
    if (driveCombo->findText(QDir::homePath()) < 0) driveCombo->addItem(QDir::homePath());
    driveCombo->setAccessibleName(tr("Lecteur"));
    driveCombo->view()->setAccessibleName(driveCombo->accessibleName());
    const QString parentFolderCaption = tr("Dossier parent");
    parentFolderButton = new QPushButton(parentFolderCaption, sourceFrame);
    parentFolderButton->setAccessibleName(parentFolderCaption);
    parentFolderButton->setToolTip(parentFolderCaption);
    auto* drives = new QHBoxLayout;
    drives->addWidget(driveCombo, 1);
    drives->addWidget(parentFolderButton);
    column->addLayout(drives);

    dirModel_ = new QFileSystemModel(this);
    dirModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    dirModel_->setRootPath(QDir::rootPath());
    folderList = new QTreeView(sourceFrame);
    folderList->setModel(dirModel_);
    folderList->setHeaderHidden(true);
    folderList->setAccessibleName(tr("Dossiers"));
    for (int c = 1; c < dirModel_->columnCount(); ++c) folderList->hideColumn(c);
    column->addWidget(folderList, 2);

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files);
    fileModel_->setNameFilterDisables(false);
    filesOnly_ = new FilesOnlyModel(this);
    filesOnly_->setSourceModel(fileModel_);
    folderRows_ = new FolderRowsModel(this);
    folderRows_->setSourceModel(filesOnly_);
    fileList = new QListView(sourceFrame);
    fileList->setModel(folderRows_);
    fileList->viewport()->installEventFilter(this);
    fileList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    fileList->setAccessibleName(tr("Fichiers sources"));
    column->addWidget(fileList, 3);

    auto* bottom = new QHBoxLayout;
    selectAllButton = new QPushButton(tr("Tout sélectionner"), sourceFrame);
    bottom->addWidget(selectAllButton, 1);
    auto* counters = new QGridLayout;
    fileIndexLabel = new NumberLabel(sourceFrame);
    fileCountLabel = new NumberLabel(sourceFrame);
    for (NumberLabel* l : {fileIndexLabel, fileCountLabel}) {
        PaintReadout(l, Qt::white);
        l->setMinimumWidth(40);
    }
    fileIndexLabel->setAccessibleName(tr("Numéro du fichier"));
    fileCountLabel->setAccessibleName(tr("Nombre de fichiers"));
    counters->addWidget(fileIndexLabel, 0, 0);
    counters->addWidget(CentredCaption(QStringLiteral("/"), sourceFrame), 0, 1);
    counters->addWidget(fileCountLabel, 0, 2);
    counters->addWidget(CentredCaption(tr("Fichiers"), sourceFrame), 1, 0, 1, 3);
    bottom->addLayout(counters);
    column->addLayout(bottom);
    return sourceFrame;
}

QString MainWindow::fileListFolder() const {
    return platform::FolderWithSlash(fileModel_->rootPath());
}

void MainWindow::showSourceFolder(const QString& folder) {
    // The folder list starts at the entry of the drive list that holds the folder (the
    // closest one: the home folder before "/"), and the drive list shows that entry.
    QString drive = QDir::rootPath();
    int entry = -1;
    for (int i = 0; i < driveCombo->count(); ++i) {
        const QString path = platform::FolderWithSlash(driveCombo->itemText(i));
        if (folder.startsWith(path, Qt::CaseInsensitive) &&
            (entry < 0 || path.size() > drive.size())) {
            entry = i;
            drive = path;
        }
    }
    if (entry >= 0) driveCombo->setCurrentIndex(entry);
    folderList->setRootIndex(dirModel_->index(drive));
    const QModelIndex dir = dirModel_->index(folder);
    for (QModelIndex i = dir; i.isValid(); i = i.parent()) folderList->setExpanded(i, true);
    folderList->setCurrentIndex(dir);
    folderList->scrollTo(dir, QAbstractItemView::PositionAtCenter);
    keepFolderInSight_ = true;
    QTimer::singleShot(kSettleMs, this, [this] { keepFolderInSight_ = false; });
    showFileList(folder);
}

void MainWindow::showFileList(const QString& folder) {
    // A folder the model has not seen yet has no index until it is loaded: the list takes its
    // root again when it is (refreshFileCounters).
    previewed_ = QPersistentModelIndex();
    watchFolder(folder);
    fileModel_->setRootPath(folder);
    const QModelIndex root = fileModel_->index(fileModel_->rootPath());
    showFolderRows(root);
}

QModelIndex MainWindow::fileListIndex(const QString& path) const {
    return folderRows_->mapFromSource(filesOnly_->mapFromSource(fileModel_->index(path)));
}

void MainWindow::showFolderRows(const QModelIndex& folder) {
    filesOnly_->setFolder(folder);
    folderRows_->setFolder(filesOnly_->mapFromSource(folder));
}

QModelIndex MainWindow::fileModelIndex(const QModelIndex& listIndex) const {
    return filesOnly_->mapToSource(folderRows_->mapToSource(listIndex));
}

void MainWindow::keepFolderInSight() {
    // The folders above the shown one load and sort in the background; keep it in sight
    // until the user takes over (a click) or the lists have settled.
    if (!keepFolderInSight_) return;
    folderList->scrollTo(folderList->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void MainWindow::previewCurrentSource() {
    runCommand([this] {
        const QModelIndex index = fileList->currentIndex();
        if (!index.isValid() || !fileList->selectionModel()->isSelected(index)) {
            previewed_ = QPersistentModelIndex();
            return;
        }
        // Moving the current file selects it too: the two signals preview it once.
        if (index == previewed_) return;
        previewed_ = index;
        ++previews_;
        fileIndexLabel->setValue(index.row());
        commands_->sourcePanel().previewSource(
            platform::JoinPath(fileListFolder(), fileModel_->fileName(fileModelIndex(index))));
        selectedCountLabel->setValue(selectedFileCount());
    });
}

void MainWindow::selectPreviewedSource(const QString& path, int attemptsLeft) {
    if (QFileInfo(path).absolutePath() != QFileInfo(fileListFolder()).absolutePath()) {
        fileList->clearSelection();
        selectedCountLabel->setValue(selectedFileCount());
        return;
    }
    const QModelIndex index = fileListIndex(path);
    if (!index.isValid()) {
        // The model lists a new file a moment after it is written.
        if (attemptsLeft > 0)
            QTimer::singleShot(50, this, [this, path, attemptsLeft] {
                selectPreviewedSource(path, attemptsLeft - 1);
            });
        return;
    }
    previewed_ = index;  // already previewed: selecting it must not read it again
    fileList->selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    fileList->scrollTo(index);
    fileIndexLabel->setValue(index.row());
    selectedCountLabel->setValue(selectedFileCount());
}

void MainWindow::previewClickedSource() {
    // A click that made its file current has previewed it; a click on the current file
    // previews it again (a page may have opened since, which enables "Ajouter").
    if (previews_ != previewsAtPress_) return;
    previewed_ = QPersistentModelIndex();
    previewCurrentSource();
}

void MainWindow::toggleSelectAll() {
    runCommand([this] {
        texture::TexturePage& page = services_.page;
        page.allSelected = !page.allSelected;
        if (page.allSelected) {
            selectAllButton->setText(tr("Tout désélectionner"));
            if (page.pageOpen) addButton->setEnabled(true);
            fileList->selectAll();
        } else {
            selectAllButton->setText(tr("Tout sélectionner"));
            fileList->clearSelection();
        }
        selectedCountLabel->setValue(selectedFileCount());
    });
}

int MainWindow::selectedFileCount() const {
    // Names only: "select all" also selects the model's size, type and date columns.
    const QModelIndexList cells = fileList->selectionModel()->selectedIndexes();
    return static_cast<int>(std::count_if(cells.begin(), cells.end(),
                                          [](const QModelIndex& i) { return i.column() == 0; }));
}

std::vector<texture::SourceEntry> MainWindow::sourceEntries() const {
    std::vector<texture::SourceEntry> entries;
    const QString folder = fileListFolder();
    const QItemSelectionModel* selection = fileList->selectionModel();
    for (int row = 0; row < folderRows_->rowCount(); ++row) {
        const QModelIndex index = folderRows_->index(row, 0);
        entries.push_back({platform::JoinPath(folder, fileModel_->fileName(fileModelIndex(index))),
                           selection->isSelected(index)});
    }
    return entries;
}

void MainWindow::refreshSourceLists() {
    // Both models watch their folders and list a new file by themselves; the counters and
    // the select-all button follow now.
    refreshFileCounters();
}

void MainWindow::openDrive() {
    runCommand([this] { showSourceFolder(platform::FolderWithSlash(driveCombo->currentText())); });
}

void MainWindow::openParentFolder() {
    runCommand([this] {
        QDir folder(fileListFolder());
        if (folder.cdUp()) showSourceFolder(platform::FolderWithSlash(folder.absolutePath()));
    });
}

void MainWindow::openClickedFolder() {
    runCommand([this] {
        keepFolderInSight_ = false;
        const QModelIndex index = folderList->currentIndex();
        if (!index.isValid()) return;
        folderList->setExpanded(index, true);
        showFileList(dirModel_->filePath(index));
    });
}

void MainWindow::watchFolder(const QString& folder) {
    const QStringList watched = folderWatcher_->directories();
    if (!watched.isEmpty()) folderWatcher_->removePaths(watched);
    if (QFileInfo(folder).isDir()) folderWatcher_->addPath(folder);
}

void MainWindow::shownFolderChanged() {
    runCommand([this] {
        const QString shown = fileListFolder();
        if (QFileInfo(shown).isDir()) {
            refreshSourceLists();
            return;
        }
        // The folder has gone: say so, then show the nearest folder that still exists.
        QString nearest = QDir::cleanPath(shown);
        while (!QFileInfo(nearest).isDir()) {
            const QString parent = QFileInfo(nearest).absolutePath();
            if (parent == nearest) break;
            nearest = parent;
        }
        nearest = platform::FolderWithSlash(nearest);
        watchFolder(nearest);  // no second message while the box is open
        services_.prompts.warning(texture::kFolderGoneWarning.arg(
            QDir::toNativeSeparators(shown), QDir::toNativeSeparators(nearest)));
        showSourceFolder(nearest);
    });
}

void MainWindow::refreshFileCounters() {
    const QModelIndex folder = fileModel_->index(fileModel_->rootPath());
    if (folderRows_->folder() != filesOnly_->mapFromSource(folder)) showFolderRows(folder);
    const int files = folderRows_->rowCount();
    selectAllButton->setEnabled(files > 0);
    fileCountLabel->setValue(files);
    services_.page.sourceFolder = fileListFolder();
}

}  // namespace tessella::app
