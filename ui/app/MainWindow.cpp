#include "ui/app/MainWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeView>
#include <QVBoxLayout>

#include "platform/Guard.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/Text.h"
#include "texture/FileMasks.h"
#include "ui/app/AboutBox.h"
#include "ui/app/MainWindowLook.h"
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
#include "ui/widgets/StatusPanels.h"
#include "ui/widgets/StepArrows.h"

namespace tessella::app {

namespace {

const QString kProgramTitle = QStringLiteral("TESSELLA");

struct PanelSpec {
    platform::Text text;
    int width;
    platform::Text accessibleName;  // what a screen reader says of the panel
};
constexpr PanelSpec kPanels[MainWindow::kStatusPanels] = {
    {QT_TRANSLATE_NOOP("Tessella", "  Fichier texture"), 100,
     QT_TRANSLATE_NOOP("Tessella", "Fichier texture")},
    {"", 200, QT_TRANSLATE_NOOP("Tessella", "Nom du fichier texture")},
    {QT_TRANSLATE_NOOP("Tessella", " Dimensions"), 80, QT_TRANSLATE_NOOP("Tessella", "Dimensions")},
    {"", 100, QT_TRANSLATE_NOOP("Tessella", "Dimensions de la texture")},
    {QT_TRANSLATE_NOOP("Tessella", " Nombre de textures"), 120,
     QT_TRANSLATE_NOOP("Tessella", "Nombre de textures")},
    {"", 50, QT_TRANSLATE_NOOP("Tessella", "Nombre d'éléments")},
    {"", 50, QT_TRANSLATE_NOOP("Tessella", "Message")}};

}  // namespace

void PaintReadout(QLabel* label, const QColor& colour) {
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, colour);
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->setAlignment(Qt::AlignCenter);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
}

QLabel* CentredCaption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QString MainWindowTitle(const texture::TexturePage& page) {
    if (!page.pageOpen || page.textureFileName.isEmpty()) return kProgramTitle;
    return QStringLiteral("%1%2 — %3")
        .arg(QFileInfo(page.textureFileName).fileName(),
             page.modified ? QStringLiteral("*") : QString(), kProgramTitle);
}

void MainWindow::runCommand(const std::function<void()>& body) {
    platform::Guard(services_.prompts, body);
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

void MainWindow::buildStatusBar() {
    // The panels keep their widths; a smaller type lets the captions fit them.
    QFont small = statusBar()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = widgets::AddStatusPanel(statusBar(), kPanels[i].width,
                                             kPanels[i].accessibleName, kPanels[i].text);
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

bool MainWindow::confirmClose() {
    bool mayClose = false;
    runCommand([this, &mayClose] {
        if (services_.page.modified &&
            !services_.prompts.confirmDiscard(
                tr("\t          La texture a été modifiée !\n\r\nVOULEZ-VOUS VRAIMENT QUITTER "
                   "SANS SAUVER ?")))
            return;
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

}  // namespace tessella::app
