#include "ui/catalogue/CatalogueWindow.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/Guard.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "ui/catalogue/CatalogueTexts.h"
#include "ui/catalogue/ThumbnailBox.h"
#include "ui/widgets/QtPrompts.h"
#include "ui/widgets/StatusPanels.h"

namespace tessella::catalogue {

namespace {

constexpr std::array<int, 3> kStatusPanelWidths = {100, 150, 50};
// The boxes, the summary line below them and the navigation bar are placed by the grid's
// own arithmetic.
constexpr QSize kGridArea(319, 269);
constexpr QRect kSummaryPlace(3, 250, 313, 17);
constexpr int kNavigationHeight = 25;

QToolButton* PageButton(QStyle::StandardPixmap glyph, const QString& name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setAutoRaise(true);
    button->setAccessibleName(name);
    button->setToolTip(name);
    return button;
}

// A folder text without its trailing '/' (a root keeps its own).
QString CleanFolder(const QString& folder) {
    return QDir::cleanPath(QDir::fromNativeSeparators(folder));
}

}  // namespace

CatalogueWindow::CatalogueWindow(platform::Prompts& prompts, const platform::ProgramFolder& program,
                                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      prompts_(prompts),
      program_(program),
      reader_(new ThumbnailReader(this)) {
    setWindowTitle(kCatalogueTitle);
    connect(reader_, &ThumbnailReader::thumbnailRead, this, &CatalogueWindow::thumbnailArrived);
    setModal(true);
    folder_ = CleanFolder(program_.path());
    buildControls();
}

void CatalogueWindow::buildControls() {
    gridPanel = new QWidget(this);
    gridPanel->setToolTip(kGridHint);
    auto* area = new QWidget(gridPanel);
    area->setFixedSize(kGridArea);
    for (int i = 0; i < kBoxCount; ++i) {
        boxes[i] = new ThumbnailBox(i + 1, area);
        boxes[i]->setGeometry(BoxGeometry(i));
        connect(boxes[i], &ThumbnailBox::clicked, this, &CatalogueWindow::showFileOf);
        connect(boxes[i], &ThumbnailBox::doubleClicked, this, &CatalogueWindow::handOver);
    }
    summaryLabel = new QLabel(area);
    summaryLabel->setGeometry(kSummaryPlace);
    summaryLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    summaryLabel->setAccessibleName(kSummaryName);

    auto* navigation = new QFrame(gridPanel);
    navigation->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    navigation->setFixedHeight(kNavigationHeight);
    firstPageButton = PageButton(QStyle::SP_MediaSkipBackward, kFirstPageName, navigation);
    previousPageButton = PageButton(QStyle::SP_MediaSeekBackward, kPreviousPageName, navigation);
    nextPageButton = PageButton(QStyle::SP_MediaSeekForward, kNextPageName, navigation);
    lastPageButton = PageButton(QStyle::SP_MediaSkipForward, kLastPageName, navigation);
    rangeLabel = new QLabel(navigation);
    rangeLabel->setMinimumWidth(55);
    rangeLabel->setAccessibleName(kRangeName);
    zoomSmallCheck = new QCheckBox(kZoomSmallCaption, navigation);
    zoomSmallCheck->setChecked(true);
    auto* navigationRow = new QHBoxLayout(navigation);
    navigationRow->setContentsMargins(4, 0, 4, 0);
    navigationRow->setSpacing(2);
    for (QWidget* w :
         std::initializer_list<QWidget*>{firstPageButton, previousPageButton, nextPageButton,
                                         lastPageButton, rangeLabel, zoomSmallCheck})
        navigationRow->addWidget(w);
    navigationRow->addStretch(1);

    auto* gridLayout = new QVBoxLayout(gridPanel);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->setSpacing(2);
    gridLayout->addWidget(area, 0, Qt::AlignHCenter);
    gridLayout->addWidget(navigation);

    QStatusBar* statusBar = widgets::NewStatusBar(this);
    statusPanels = widgets::AddNumberedStatusPanels(statusBar, kStatusPanelWidths);
    statusPanels[0]->setAlignment(Qt::AlignCenter);
    statusPanels[0]->setText(kPathPanelText);

    auto* menu = new QMenuBar(this);
    chooseFolderAction = menu->addAction(kCatalogueMenuCaption);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menu);
    layout->addWidget(gridPanel);
    layout->addWidget(statusBar);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(firstPageButton, &QToolButton::clicked, this, &CatalogueWindow::showFirstPage);
    connect(previousPageButton, &QToolButton::clicked, this, &CatalogueWindow::showPreviousPage);
    connect(nextPageButton, &QToolButton::clicked, this, &CatalogueWindow::showNextPage);
    connect(lastPageButton, &QToolButton::clicked, this, &CatalogueWindow::showLastPage);
    connect(zoomSmallCheck, &QCheckBox::toggled, this, &CatalogueWindow::refitThumbnails);
    connect(chooseFolderAction, &QAction::triggered, this, &CatalogueWindow::chooseFolder);
    enablePageButtons();
}

// --- Showing -----------------------------------------------------------------------------

void CatalogueWindow::openForEditor() {
    begin();
    widgets::ExecInFront(*this);
}

void CatalogueWindow::chooseTexture(const QString& folder) {
    begin(folder);
    widgets::ExecInFront(*this);
    colourWindowRequest_ = false;
}

void CatalogueWindow::begin(const std::optional<QString>& textureFolder) {
    colourWindowRequest_ = textureFolder.has_value();
    platform::Guard(prompts_, [&] {
        QString folder;
        bool present = true;
        if (textureFolder) {
            folder = CleanFolder(*textureFolder);
        } else {
            folder = CleanFolder(platform::JoinPath(program_.path(), kCatalogueFolderName));
            present = folderReady(folder);
        }
        // A folder declined or not created is an empty catalogue, without more words.
        if (useFolder(folder) && present && QFileInfo(folder).isDir())
            prompts_.warning(kEmptyFolderWarning);
    });
}

bool CatalogueWindow::folderReady(const QString& folder) {
    if (QFileInfo(folder).isDir()) return true;
    if (!prompts_.confirm(kMissingFolderQuestion.arg(FolderName(folder)))) return false;
    if (QDir().mkpath(folder)) return true;
    prompts_.error(kFolderNotCreated.arg(folder));
    return false;
}

bool CatalogueWindow::useFolder(const QString& folder) {
    // A texture clicked in another folder is not named under this one.
    if (folder != folder_) showFileText(QString(), QString());
    folder_ = folder;
    files_ = QFileInfo(folder_).isDir() ? BitmapFiles(folder_) : QStringList();
    summaryLabel->setText(kSummaryText.arg(FolderName(folder_)).arg(files_.size()));
    if (files_.isEmpty()) {
        clearBoxes();
        pageStart_ = 0;
        enablePageButtons();
        gridPanel->setEnabled(false);
        return true;
    }
    showFirstPage();
    gridPanel->setEnabled(true);
    return false;
}

void CatalogueWindow::refresh() {
    platform::Guard(prompts_, [&] {
        const int start = pageStart_;
        if (useFolder(folder_) || !isVisible()) return;
        // The page the user was looking at, as far as the list still reaches.
        if (start > 0 && start < files_.size()) showPage(start);
    });
}

void CatalogueWindow::chooseFolder() {
    platform::Guard(prompts_, [&] {
        const auto chosen = prompts_.chooseFolder(kCatalogueMenuCaption, folder_);
        if (!chosen) return;
        const QString folder = CleanFolder(*chosen);
        folderReady(folder);
        useFolder(folder);
    });
}

// --- Paging ------------------------------------------------------------------------------

void CatalogueWindow::clearBoxes() {
    for (ThumbnailBox* box : boxes) box->clear();
    // What arrives later for the page left behind is kept, but shown nowhere.
    waiting_.fill(QString());
    unreadable_.fill(false);
}

void CatalogueWindow::turnPage(PageMove move) {
    platform::Guard(prompts_, [&] {
        // Past either end the page stays as it is (the buttons are disabled there anyway).
        if (const auto start = PageStartAfter(move, pageStart_, files_.size())) showPage(*start);
    });
}

void CatalogueWindow::enablePageButtons() {
    const bool back = !files_.isEmpty() && pageStart_ > 0;
    const bool forward = pageStart_ + kBoxCount < files_.size();
    firstPageButton->setEnabled(back);
    previousPageButton->setEnabled(back);
    nextPageButton->setEnabled(forward);
    lastPageButton->setEnabled(forward);
}

void CatalogueWindow::showFileText(const QString& name, const QString& size) {
    statusPanels[1]->setText(name);
    statusPanels[2]->setText(size);
    // The size panel grows to its text ("128 x 128" is wider than its 50 pixels).
    const int needed = statusPanels[2]->fontMetrics().horizontalAdvance(size) +
                       2 * statusPanels[2]->frameWidth() + 2 * statusPanels[2]->margin() + 6;
    statusPanels[2]->setFixedWidth(std::max(kStatusPanelWidths[2], needed));
}

void CatalogueWindow::showPage(int start) {
    clearBoxes();
    pageStart_ = start;
    const int count = FilesOnPage(start, files_.size());
    QStringList wanted;
    for (int i = 0; i < count; ++i) {
        const QString path = platform::JoinPath(folder_, files_[start + i]);
        if (!QFileInfo::exists(path)) continue;  // gone since the list was read
        if (const auto picture = reader_->kept(path)) {
            fillBox(i, *picture);
        } else {
            waiting_[i] = path;
            wanted << path;
        }
    }
    if (count > 0) rangeLabel->setText(kRangeText.arg(start + 1).arg(start + count));
    enablePageButtons();
    reader_->request(wanted, true);
    // The pages either side, so that turning to them finds their pictures ready.
    QStringList near;
    for (int k = std::max(0, start - kBoxCount);
         k < std::min<qsizetype>(files_.size(), start + 2 * kBoxCount); ++k)
        near << platform::JoinPath(folder_, files_[k]);
    reader_->request(near, false);
    reportUnreadable();
}

void CatalogueWindow::fillBox(int index, const QImage& picture) {
    if (picture.isNull())
        unreadable_[index] = true;
    else
        boxes[index]->showFile(files_[pageStart_ + index], pageStart_ + index, picture,
                               zoomSmallCheck->isChecked());
}

void CatalogueWindow::thumbnailArrived(const QString& path) {
    platform::Guard(prompts_, [&] {
        for (int i = 0; i < kBoxCount; ++i) {
            if (waiting_[i] != path) continue;
            // Changed again since it was read: read once more.
            const auto picture = reader_->kept(path);
            if (!picture) {
                reader_->request({path}, true);
                continue;
            }
            waiting_[i].clear();
            fillBox(i, *picture);
        }
        reportUnreadable();
    });
}

void CatalogueWindow::reportUnreadable() {
    QStringList names;
    for (int i = 0; i < kBoxCount; ++i) {
        if (!waiting_[i].isEmpty()) return;
        if (unreadable_[i]) names << files_[pageStart_ + i];
    }
    if (names.isEmpty()) return;
    unreadable_.fill(false);
    prompts_.error(kUnreadableTextures.arg(names.join("\n\r")));
}

void CatalogueWindow::finishReading() {
    reader_->waitForAll();
}

void CatalogueWindow::refitThumbnails() {
    for (ThumbnailBox* box : boxes) box->refit(zoomSmallCheck->isChecked());
}

// --- Thumbnails --------------------------------------------------------------------------

void CatalogueWindow::showFileOf(ThumbnailBox* box) {
    if (box->isEmpty()) return;
    showFileText(box->title(), box->dimensionText() + QStringLiteral("  "));
}

void CatalogueWindow::handOver(ThumbnailBox* box) {
    if (box->isEmpty()) return;
    platform::Guard(prompts_, [&] {
        const QString path = platform::JoinPath(folder_, files_[box->fileIndex()]);
        // Read aside: a file that cannot be read changes nothing where it was going.
        const QImage picture = ReadCatalogueFile(path);
        if (picture.isNull()) {
            prompts_.error(kUnreadableTexture.arg(path));
            return;
        }
        if (colourWindowRequest_) {
            emit textureForColourWindow(picture, path);
            close();
        } else {
            emit textureForEditor(picture, path);
        }
    });
}

}  // namespace tessella::catalogue
