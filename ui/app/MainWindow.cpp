#include "ui/app/MainWindow.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ColourValue.h"
#include "platform/Guard.h"
#include "platform/ProgramFolder.h"
#include "texture/FileMasks.h"
#include "texture/PageTexts.h"
#include "ui/app/AboutBox.h"
#include "ui/app/MainWindowFileList.h"
#include "ui/app/PageCommands.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/print/ContactSheetWindow.h"
#include "ui/print/PrintDialog.h"
#include "ui/texture/EngineExportDialog.h"
#include "ui/texture/PageView.h"
#include "ui/texture/PageWidthDialog.h"
#include "ui/widgets/Cursors.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/NumberLabel.h"
#include "ui/widgets/QtPrompts.h"
#include "ui/widgets/StatusPanels.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::app {

namespace {

const QString kQuitQuestion = QStringLiteral(
    "\t          La texture a été modifiée !\n\r\nVOULEZ-VOUS VRAIMENT QUITTER SANS "
    "SAUVER ?");
const QString kProgramTitle = QStringLiteral("TESSELLA");
const QString kParentFolderCaption = QStringLiteral("Dossier parent");
const QString kNothingToPrint = QStringLiteral(
    "Vous devez sélectionner les images à imprimer\n\rdans la liste des fichiers sources !");

struct PanelSpec {
    const char* text;
    int width;
    const char* accessibleName;  // what a screen reader says of the panel
};
constexpr PanelSpec kPanels[MainWindow::kStatusPanels] = {
    {"  Fichier texture", 100, "Fichier texture"},
    {"", 200, "Nom du fichier texture"},
    {" Dimensions", 80, "Dimensions"},
    {"", 100, "Dimensions de la texture"},
    {" Nombre de textures", 120, "Nombre de textures"},
    {"", 50, "Nombre d'éléments"},
    {"", 50, "Message"}};

constexpr platform::ColourValue kPaleYellow(0x00B3FFFFu);

// A counter or readout on a coloured background, centred.
void Paint(QLabel* label, const QColor& colour) {
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

}  // namespace

QString MainWindowTitle(const texture::TexturePage& page) {
    if (!page.pageOpen || page.textureFileName.isEmpty()) return kProgramTitle;
    return QStringLiteral("%1%2 — %3")
        .arg(QFileInfo(page.textureFileName).fileName(),
             page.modified ? QStringLiteral("*") : QString(), kProgramTitle);
}

template <class Body>
void MainWindow::runCommand(Body&& body) {
    platform::Guard(services_.prompts, std::forward<Body>(body));
    // The commands are what change the page's name and modified state.
    refreshTitle();
}

void MainWindow::refreshTitle() {
    setWindowTitle(MainWindowTitle(services_.page));
}

MainWindow::MainWindow(const Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    commands_ = std::make_unique<PageCommands>(*this);
    folderWatcher_ = new QFileSystemWatcher(this);
    aboutBox = new AboutBox(this);
    pageWidthDialog = new texture::PageWidthDialog(this);
    engineExportDialog = new texture::EngineExportDialog(this);
    newElementDialog = new editor::NewElementDialog(services.newElement, services.prompts, this);
    printDialog = new print::PrintDialog(services.prompts, services.pacer, services.printer, this);
    contactSheetWindow =
        new print::ContactSheetWindow(services.prompts, services.pacer, services.printer, this);
    refreshTitle();
    buildMenus();

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);
    outer->addWidget(buildTopBand());
    auto* body = new QHBoxLayout;
    body->setSpacing(4);
    body->addWidget(buildSourcePanel());
    body->addWidget(buildPageView(), 1);
    outer->addLayout(body, 1);
    setCentralWidget(central);
    buildStatusBar();

    connectHandlers();
    setStartStates();
    resize(1000, 720);
    applyStartSettings();
}

MainWindow::~MainWindow() = default;

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

QWidget* MainWindow::buildTopBand() {
    auto* band = new QWidget(this);
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 0);

    importGroup = new QGroupBox(QStringLiteral("Dimensions d'importation"), band);
    auto* importLayout = new QVBoxLayout(importGroup);
    importSizeCombo = new QComboBox(importGroup);
    importSizeCombo->addItems(texture::kImportSizeEntries);
    importSizeCombo->setCurrentText(QStringLiteral("64 x 64"));
    importSizeCombo->setMinimumContentsLength(22);
    importSizeCombo->setAccessibleName(QStringLiteral("Dimensions d'importation"));
    importSizeCombo->view()->setAccessibleName(importSizeCombo->accessibleName());
    importLayout->addWidget(importSizeCombo);
    importLayout->addStretch();
    row->addWidget(importGroup);

    zoomGroup = new QGroupBox(QStringLiteral("Zoom"), band);
    auto* zoomLayout = new QHBoxLayout(zoomGroup);
    zoomArrows = new StepArrows(Qt::Vertical, 5, 50, 10, 1, zoomGroup);
    zoomLabel = new QLabel(QStringLiteral("1"), zoomGroup);
    zoomLabel->setFixedWidth(36);
    Paint(zoomLabel, Qt::white);
    zoomResetButton = new QPushButton(QStringLiteral("1"), zoomGroup);
    zoomResetButton->setFixedWidth(28);
    zoomResetButton->setToolTip(QStringLiteral("Zoom 1"));
    zoomResetButton->setAccessibleName(QStringLiteral("Zoom 1"));
    zoomArrows->setArrowNames(QStringLiteral("Zoom +"), QStringLiteral("Zoom -"));
    zoomLabel->setAccessibleName(QStringLiteral("Zoom"));
    zoomLayout->addWidget(zoomArrows);
    zoomLayout->addWidget(zoomLabel);
    zoomLayout->addWidget(zoomResetButton);
    row->addWidget(zoomGroup);

    replaceGroup = new QGroupBox(QStringLiteral("Remplacer"), band);
    auto* replace = new QHBoxLayout(replaceGroup);
    replacePositionLabel = new QLabel(QStringLiteral("0 x 0"), replaceGroup);
    replacePositionLabel->setFixedWidth(80);
    Paint(replacePositionLabel, Qt::white);
    replaceXFineArrows = new StepArrows(Qt::Horizontal, 0, 448, 0, 1, replaceGroup);
    replaceXCoarseArrows = new StepArrows(Qt::Horizontal, 0, 448, 0, 16, replaceGroup);
    replaceYFineArrows = new StepArrows(Qt::Vertical, -1024, 0, 0, 1, replaceGroup);
    replaceYCoarseArrows = new StepArrows(Qt::Vertical, -1024, 0, 0, 16, replaceGroup);
    replaceXFineArrows->setToolTip(QStringLiteral("X : pas de 1"));
    replaceXCoarseArrows->setToolTip(QStringLiteral("X : pas de 16"));
    replaceYFineArrows->setToolTip(QStringLiteral("Y : pas de 1"));
    replaceYCoarseArrows->setToolTip(QStringLiteral("Y : pas de 16"));
    // The vertical arrows hold -Y: the up arrow moves the mask up.
    replaceXFineArrows->setArrowNames(QStringLiteral("Position X +"),
                                      QStringLiteral("Position X -"));
    replaceXCoarseArrows->setArrowNames(QStringLiteral("Position X +16"),
                                        QStringLiteral("Position X -16"));
    replaceYFineArrows->setArrowNames(QStringLiteral("Position Y -"),
                                      QStringLiteral("Position Y +"));
    replaceYCoarseArrows->setArrowNames(QStringLiteral("Position Y -16"),
                                        QStringLiteral("Position Y +16"));
    replacePositionLabel->setAccessibleName(QStringLiteral("Position du masque"));
    validateButton = new QPushButton(QStringLiteral("Valider"), replaceGroup);
    abandonButton = new QPushButton(QStringLiteral("Abandon"), replaceGroup);
    replace->addWidget(replacePositionLabel);
    replace->addSpacing(6);
    replace->addWidget(new QLabel(QStringLiteral("X"), replaceGroup));
    replace->addWidget(replaceXFineArrows);
    replace->addWidget(replaceXCoarseArrows);
    replace->addSpacing(6);
    replace->addWidget(new QLabel(QStringLiteral("Y"), replaceGroup));
    replace->addWidget(replaceYFineArrows);
    replace->addWidget(replaceYCoarseArrows);
    replace->addSpacing(6);
    replace->addWidget(validateButton);
    replace->addWidget(abandonButton);
    row->addWidget(replaceGroup);
    row->addStretch(1);
    return band;
}

QFrame* MainWindow::buildSourcePanel() {
    sourceFrame = new QFrame(this);
    sourceFrame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    sourceFrame->setFixedWidth(300);
    auto* column = new QVBoxLayout(sourceFrame);
    column->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    sourceGroup = new QGroupBox(QStringLiteral(" Source "), sourceFrame);
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
    sourcePreview->setToolTip(QStringLiteral("Double click pour édition"));
    sourcePreview->setAccessibleName(QString::fromUtf8("Aperçu de la source"));
    holderLayout->addWidget(sourcePreview, 0, Qt::AlignCenter);
    sourceLayout->addWidget(holder);
    top->addWidget(sourceGroup);

    auto* side = new QVBoxLayout;
    addButton = new QPushButton(QStringLiteral("Ajouter"), sourceFrame);
    replaceButton = new QPushButton(QStringLiteral("Remplacer"), sourceFrame);
    selectedCountLabel = new NumberLabel(sourceFrame);
    Paint(selectedCountLabel, Qt::white);
    selectedCountLabel->setAccessibleName(QString::fromUtf8("Sélections"));
    sourceSizeLabel = new QLabel(sourceFrame);
    Paint(sourceSizeLabel, kPaleYellow.toQColor());
    sourceSizeLabel->setAccessibleName(QStringLiteral("Dimensions de la source"));
    side->addWidget(addButton);
    side->addWidget(replaceButton);
    side->addSpacing(4);
    side->addWidget(Caption(QStringLiteral("Sélections"), sourceFrame));
    side->addWidget(selectedCountLabel);
    side->addWidget(Caption(QStringLiteral("Dimensions"), sourceFrame));
    side->addWidget(sourceSizeLabel);
    side->addStretch();
    top->addLayout(side);
    column->addLayout(top);

    driveCombo = new QComboBox(sourceFrame);
    for (const QFileInfo& drive : QDir::drives()) driveCombo->addItem(drive.absolutePath());
    if (driveCombo->findText(QDir::homePath()) < 0) driveCombo->addItem(QDir::homePath());
    driveCombo->setAccessibleName(QStringLiteral("Lecteur"));
    driveCombo->view()->setAccessibleName(driveCombo->accessibleName());
    parentFolderButton = new QPushButton(kParentFolderCaption, sourceFrame);
    parentFolderButton->setAccessibleName(kParentFolderCaption);
    parentFolderButton->setToolTip(kParentFolderCaption);
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
    folderList->setAccessibleName(QStringLiteral("Dossiers"));
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
    fileList->setAccessibleName(QStringLiteral("Fichiers sources"));
    column->addWidget(fileList, 3);

    auto* bottom = new QHBoxLayout;
    selectAllButton = new QPushButton(QStringLiteral("Tout sélectionner"), sourceFrame);
    bottom->addWidget(selectAllButton, 1);
    auto* counters = new QGridLayout;
    fileIndexLabel = new NumberLabel(sourceFrame);
    fileCountLabel = new NumberLabel(sourceFrame);
    for (NumberLabel* l : {fileIndexLabel, fileCountLabel}) {
        Paint(l, Qt::white);
        l->setMinimumWidth(40);
    }
    fileIndexLabel->setAccessibleName(QStringLiteral("Numéro du fichier"));
    fileCountLabel->setAccessibleName(QStringLiteral("Nombre de fichiers"));
    counters->addWidget(fileIndexLabel, 0, 0);
    counters->addWidget(Caption(QStringLiteral("/"), sourceFrame), 0, 1);
    counters->addWidget(fileCountLabel, 0, 2);
    counters->addWidget(Caption(QStringLiteral("Fichiers"), sourceFrame), 1, 0, 1, 3);
    bottom->addLayout(counters);
    column->addLayout(bottom);
    return sourceFrame;
}

QGroupBox* MainWindow::buildPageView() {
    pageGroup = new QGroupBox(QStringLiteral(" Texture TGA "), this);
    auto* layout = new QVBoxLayout(pageGroup);
    pageScroll = new QScrollArea(pageGroup);
    pageScroll->setWidgetResizable(false);
    pageScroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pageView = new PageView;
    pageView->setAccessibleName(QStringLiteral("Texture TGA"));
    pageScroll->setAccessibleName(QStringLiteral("Vue de la texture"));
    pageScroll->setWidget(pageView);
    progressBar = new QProgressBar(pageGroup);
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    progressBar->setMaximumHeight(14);
    progressBar->setAccessibleName(QStringLiteral("Progression"));
    stopButton = new QPushButton(texture::kStopCaption, pageGroup);
    stopButton->setAccessibleName(texture::kStopName);
    stopButton->setToolTip(texture::kStopName);
    stopButton->setEnabled(false);  // only during a run
    layout->addWidget(pageScroll, 1);
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(progressBar, 1);
    progressRow->addWidget(stopButton);
    layout->addLayout(progressRow);
    return pageGroup;
}

void MainWindow::buildStatusBar() {
    // The panels keep their widths; a smaller type lets the captions fit them.
    QFont small = statusBar()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = widgets::AddStatusPanel(statusBar(), kPanels[i].width,
                                             QString::fromUtf8(kPanels[i].accessibleName),
                                             QString::fromUtf8(kPanels[i].text));
        panels_[i]->setFont(small);
    }
}

void MainWindow::connectHandlers() {
    connect(newPageAction, &QAction::triggered, this, &MainWindow::newPage);
    connect(openPageAction, &QAction::triggered, this, &MainWindow::openPage);
    connect(savePageAction, &QAction::triggered, this, &MainWindow::savePage);
    connect(savePageAsAction, &QAction::triggered, this, &MainWindow::savePageAs);
    connect(extractElementsAction, &QAction::triggered, this, &MainWindow::extractElements);
    connect(engineExportAction, &QAction::triggered, this, &MainWindow::exportForEngine);
    connect(compactPageAction, &QAction::triggered, this, &MainWindow::compactPage);
    connect(showSourcesAction, &QAction::triggered, this, &MainWindow::showSourcePanel);
    connect(quitAction, &QAction::triggered, this, &MainWindow::quit);
    connect(printPageAction, &QAction::triggered, this, &MainWindow::printPage);
    connect(contactSheetAction, &QAction::triggered, this, &MainWindow::printContactSheet);
    connect(editSourceAction, &QAction::triggered, this, &MainWindow::openSourceForEditing);
    connect(newElementAction, &QAction::triggered, this, &MainWindow::createNewElement);
    connect(helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    connect(importSizeCombo, &QComboBox::activated, this, &MainWindow::changeImportSize);
    connect(zoomArrows, &StepArrows::clicked, this, &MainWindow::applyZoom);
    connect(zoomResetButton, &QPushButton::clicked, this, &MainWindow::resetZoom);
    connect(replaceXFineArrows, &StepArrows::clicked, this, &MainWindow::moveMaskXFine);
    connect(replaceYFineArrows, &StepArrows::clicked, this, &MainWindow::moveMaskYFine);
    connect(replaceXCoarseArrows, &StepArrows::clicked, this, &MainWindow::moveMaskXCoarse);
    connect(replaceYCoarseArrows, &StepArrows::clicked, this, &MainWindow::moveMaskYCoarse);
    connect(validateButton, &QPushButton::clicked, this, &MainWindow::validateReplacement);
    connect(abandonButton, &QPushButton::clicked, this, &MainWindow::abandonReplacement);

    connect(stopButton, &QPushButton::clicked, this, &MainWindow::stopRun);
    connect(folderWatcher_, &QFileSystemWatcher::directoryChanged, this,
            &MainWindow::shownFolderChanged);

    connect(addButton, &QPushButton::clicked, this, &MainWindow::addSelectedSources);
    connect(replaceButton, &QPushButton::clicked, this, &MainWindow::startReplacement);
    connect(selectAllButton, &QPushButton::clicked, this, &MainWindow::toggleSelectAll);
    connect(sourcePreview, &ImageBox::doubleClicked, this, &MainWindow::openSourceForEditing);
    connect(pageView, &ImageBox::mouseDown, this, &MainWindow::placeMaskAt);
    connect(driveCombo, &QComboBox::activated, this, &MainWindow::openDrive);
    connect(parentFolderButton, &QPushButton::clicked, this, &MainWindow::openParentFolder);
    // A click opens a folder; so do Enter and a double click.
    connect(folderList, &QTreeView::clicked, this, &MainWindow::openClickedFolder);
    connect(folderList, &QTreeView::activated, this, &MainWindow::openClickedFolder);
    connect(fileList, &QListView::clicked, this, &MainWindow::previewClickedSource);
    // The keyboard moves the current file as a click does, and previews it the same way.
    connect(fileList->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &MainWindow::previewCurrentSource);
    connect(dirModel_, &QFileSystemModel::directoryLoaded, this, &MainWindow::keepFolderInSight);
    connect(dirModel_, &QFileSystemModel::layoutChanged, this, &MainWindow::keepFolderInSight);
    connect(fileModel_, &QFileSystemModel::directoryLoaded, this, &MainWindow::refreshFileCounters);
    connect(fileModel_, &QFileSystemModel::rowsInserted, this, &MainWindow::refreshFileCounters);
    connect(fileModel_, &QFileSystemModel::rowsRemoved, this, &MainWindow::refreshFileCounters);
    connect(fileModel_, &QFileSystemModel::rootPathChanged, this, &MainWindow::refreshFileCounters);
    connect(fileList->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                selectedCountLabel->setValue(selectedFileCount());
                if (selected.contains(fileList->currentIndex())) previewCurrentSource();
            });
}

void MainWindow::setStartStates() {
    for (QAction* a : {savePageAction, savePageAsAction, printPageAction, extractElementsAction,
                       engineExportAction, compactPageAction, editSourceAction})
        a->setEnabled(false);
    for (QPushButton* b :
         {addButton, replaceButton, selectAllButton, validateButton, abandonButton})
        b->setEnabled(false);
    sourcePreview->setEnabled(false);  // until a source is previewed
    sourceFrame->hide();
}

void MainWindow::applyStartSettings() {
    runCommand([this] {
        services_.page.zoomFactor = 1.0;
        fileModel_->setNameFilters(texture::SourceNameFilters());
        services_.cursors.install();
        showSourceFolder(platform::FolderWithSlash(services_.page.sourceFolder));
    });
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

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fileList->viewport() && event->type() == QEvent::MouseButtonPress)
        previewsAtPress_ = previews_;
    // During a run Escape in this window stops it, whichever control has the focus (a list
    // or a combo box would keep the key for itself).
    if (event->type() == QEvent::KeyPress && stopButton->isEnabled() &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this) {
            stopRun();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keepFolderInSight() {
    // The folders above the shown one load and sort in the background; keep it in sight
    // until the user takes over (a click) or the lists have settled.
    if (!keepFolderInSight_) return;
    folderList->scrollTo(folderList->currentIndex(), QAbstractItemView::PositionAtCenter);
}

bool MainWindow::confirmClose() {
    bool mayClose = false;
    runCommand([this, &mayClose] {
        if (services_.page.modified && !services_.prompts.confirmDiscard(kQuitQuestion)) return;
        services_.page.pageBitmap = texture::PageBitmap();
        mayClose = true;
    });
    return mayClose;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!confirmClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

// Printing the page comes with the print layout window.
void MainWindow::printPage() {
    printDialog->printPage(services_.page.pageBitmap.image(), services_.page.textureFileName);
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

void MainWindow::stopRun() {
    commands_->requestStop();
}

void MainWindow::watchEscape(bool on) {
    if (on)
        qApp->installEventFilter(this);
    else
        qApp->removeEventFilter(this);
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

void MainWindow::openSourceForEditing() {
    runCommand([this] { commands_->elementFlow().editSource(); });
}

void MainWindow::createNewElement() {
    runCommand([this] {
        if (!newElementDialog->askNewElement()) return;
        commands_->elementFlow().newElement(services_.newElement);
    });
}

void MainWindow::changeImportSize() {
    runCommand(
        [this] { commands_->sourcePanel().importSizeChanged(importSizeCombo->currentText()); });
}

void MainWindow::moveMaskXFine() {
    runCommand([this] { commands_->mask().moveToX(replaceXFineArrows->position()); });
}

void MainWindow::moveMaskYFine() {
    runCommand([this] { commands_->mask().moveToY(replaceYFineArrows->position()); });
}

void MainWindow::moveMaskXCoarse() {
    runCommand([this] { commands_->mask().moveToXCoarse(replaceXCoarseArrows->position()); });
}

void MainWindow::moveMaskYCoarse() {
    runCommand([this] { commands_->mask().moveToYCoarse(replaceYCoarseArrows->position()); });
}

void MainWindow::validateReplacement() {
    runCommand([this] { commands_->mask().validate(); });
}

void MainWindow::abandonReplacement() {
    runCommand([this] { commands_->mask().abandon(); });
}

void MainWindow::startReplacement() {
    runCommand([this] { commands_->mask().start(); });
}

void MainWindow::addSelectedSources() {
    runCommand([this] { commands_->packer().add(sourceEntries()); });
}

void MainWindow::placeMaskAt(Qt::MouseButton, QPoint pos) {
    runCommand([this, pos] {
        if (commands_->mask().maskVisible()) commands_->mask().placeAtViewPoint(pos.x(), pos.y());
    });
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
            selectAllButton->setText(QString::fromUtf8("Tout désélectionner"));
            if (page.pageOpen) addButton->setEnabled(true);
            fileList->selectAll();
        } else {
            selectAllButton->setText(QString::fromUtf8("Tout sélectionner"));
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

void MainWindow::showSourcePanel() {
    sourceFrame->show();
}

void MainWindow::quit() {
    close();
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

void MainWindow::showHelp() {
    emit helpWanted();
}

void MainWindow::showAbout() {
    widgets::ExecInFront(*aboutBox);
}

void MainWindow::applyZoom() {
    runCommand([this] {
        const double zoom = zoomArrows->position() / 10.0;
        services_.page.zoomFactor = zoom;
        zoomLabel->setText(QString::number(zoom, 'f', 1));
        pageView->applyZoom(zoom);
    });
}

void MainWindow::resetZoom() {
    zoomArrows->setPosition(10);
    pageView->setStretch(false);
    pageView->setAutoSize(true);
    applyZoom();
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
