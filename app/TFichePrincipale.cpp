#include "app/TFichePrincipale.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
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

#include "app/FileMasks.h"
#include "app/ImageBox.h"
#include "app/PageCommands.h"
#include "app/PageView.h"
#include "app/TFicheAide.h"
#include "app/TForm3.h"
#include "app/TLabelNum.h"
#include "app/UpDown.h"
#include "platform/ColourValue.h"
#include "platform/Guard.h"
#include "texture/PageTexts.h"
#include "texture/TFicheNouveau.h"

namespace tessella::app {

namespace {

const QString kQuitQuestion = QStringLiteral(
    "\t          La texture a été modifiée !\n\r\nVOULEZ VOUS VRAIMENT QUITTER SANS "
    "SAUVER ?");
const QString kNothingToPrint = QStringLiteral(
    "Vous devez sélectionner les images à imprimer\n\rdans la liste des fichiers sources !");

struct PanelSpec {
    const char* text;
    int width;
};
constexpr PanelSpec kPanels[TFichePrincipale::kStatusPanels] = {{"  Fichier texture", 100},
                                                                {"", 200},
                                                                {" Dimensions", 80},
                                                                {"", 100},
                                                                {" Nombre de textures", 120},
                                                                {"", 50},
                                                                {"", 50}};

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

TFichePrincipale::TFichePrincipale(AppContext& context, QWidget* parent)
    : QMainWindow(parent), context_(context) {
    commands_ = std::make_unique<PageCommands>(context, *this);
    setWindowTitle(QStringLiteral("TESSELLA"));
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
    FormCreate();
}

TFichePrincipale::~TFichePrincipale() = default;

void TFichePrincipale::buildMenus() {
    auto add = [](QMenu* menu, const char* text, QKeySequence key = {}) {
        QAction* a = menu->addAction(QString::fromUtf8(text));
        if (!key.isEmpty()) a->setShortcut(key);
        return a;
    };
    Fichier1 = menuBar()->addMenu(QStringLiteral("Fichier"));
    NouvelletextureTGA1 = add(Fichier1, "Nouvelle texture TGA", QKeySequence::New);
    OuvrirTGA1 = add(Fichier1, "Ouvrir une texture (TGA ou autre)", QKeySequence::Open);
    SauverTGA1 = add(Fichier1, "Sauver la texture TGA", QKeySequence::Save);
    SauverTextureSous1 =
        add(Fichier1, "Sauver la texture TGA Sous", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Fichier1->addSeparator();
    ExtraireBitmaps1 = add(Fichier1, "Extraire les images d'une texture");
    FenetreSources1 = add(Fichier1, "Ouvrir la fenêtre des sources");
    Fichier1->addSeparator();
    Quitter1 = add(Fichier1, "Quitter", QKeySequence(Qt::CTRL | Qt::Key_Q));

    Imprimer1 = menuBar()->addMenu(QStringLiteral("Imprimer"));
    TextureTGAenCours1 = add(Imprimer1, "Texture TGA en cours", QKeySequence::Print);
    PlancheContact1 = add(Imprimer1, "Planche contact des sources BMP");

    Edit1 = menuBar()->addMenu(QStringLiteral("Edit"));
    ModifierSource1 = add(Edit1, "Modifier le source BMP", QKeySequence(Qt::CTRL | Qt::Key_E));
    Nouveau1 =
        add(Edit1, "Nouvel élément de texture", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));

    Aide1 = menuBar()->addAction(QStringLiteral("Aide"));
    Aide1->setShortcut(QKeySequence(Qt::Key_F1));
    Aide1->setShortcutContext(Qt::ApplicationShortcut);
    APropos1 = menuBar()->addAction(QStringLiteral("A propos"));
}

QWidget* TFichePrincipale::buildTopBand() {
    auto* band = new QWidget(this);
    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(0, 0, 0, 0);

    GroupBoxImport = new QGroupBox(QStringLiteral("Dimensions d'importation"), band);
    auto* importLayout = new QVBoxLayout(GroupBoxImport);
    ComboBox1 = new QComboBox(GroupBoxImport);
    ComboBox1->addItems(texture::kImportSizeEntries);
    ComboBox1->setCurrentText(QStringLiteral("64 x 64"));
    ComboBox1->setMinimumContentsLength(22);
    importLayout->addWidget(ComboBox1);
    importLayout->addStretch();
    row->addWidget(GroupBoxImport);

    GroupBoxZoom = new QGroupBox(QStringLiteral("Zoom"), band);
    auto* zoomLayout = new QHBoxLayout(GroupBoxZoom);
    UpDown5 = new UpDown(Qt::Vertical, 5, 50, 10, 1, GroupBoxZoom);
    StaticText2 = new QLabel(QStringLiteral("1"), GroupBoxZoom);
    StaticText2->setFixedWidth(36);
    Paint(StaticText2, Qt::white);
    Button1 = new QPushButton(QStringLiteral("1"), GroupBoxZoom);
    Button1->setFixedWidth(28);
    Button1->setToolTip(QStringLiteral("Zoom 1"));
    zoomLayout->addWidget(UpDown5);
    zoomLayout->addWidget(StaticText2);
    zoomLayout->addWidget(Button1);
    row->addWidget(GroupBoxZoom);

    GroupBoxRemplacer = new QGroupBox(QStringLiteral("Remplacer"), band);
    auto* replace = new QHBoxLayout(GroupBoxRemplacer);
    StaticText1 = new QLabel(QStringLiteral("0 x 0"), GroupBoxRemplacer);
    StaticText1->setFixedWidth(80);
    Paint(StaticText1, Qt::white);
    UpDown1 = new UpDown(Qt::Horizontal, 0, 448, 0, 1, GroupBoxRemplacer);
    UpDown3 = new UpDown(Qt::Horizontal, 0, 448, 0, 16, GroupBoxRemplacer);
    UpDown2 = new UpDown(Qt::Vertical, -1024, 0, 0, 1, GroupBoxRemplacer);
    UpDown4 = new UpDown(Qt::Vertical, -1024, 0, 0, 16, GroupBoxRemplacer);
    UpDown1->setToolTip(QStringLiteral("X : pas de 1"));
    UpDown3->setToolTip(QStringLiteral("X : pas de 16"));
    UpDown2->setToolTip(QStringLiteral("Y : pas de 1"));
    UpDown4->setToolTip(QStringLiteral("Y : pas de 16"));
    BtValider = new QPushButton(QStringLiteral("Valider"), GroupBoxRemplacer);
    BtAbandon = new QPushButton(QStringLiteral("Abandon"), GroupBoxRemplacer);
    replace->addWidget(StaticText1);
    replace->addSpacing(6);
    replace->addWidget(new QLabel(QStringLiteral("X"), GroupBoxRemplacer));
    replace->addWidget(UpDown1);
    replace->addWidget(UpDown3);
    replace->addSpacing(6);
    replace->addWidget(new QLabel(QStringLiteral("Y"), GroupBoxRemplacer));
    replace->addWidget(UpDown2);
    replace->addWidget(UpDown4);
    replace->addSpacing(6);
    replace->addWidget(BtValider);
    replace->addWidget(BtAbandon);
    row->addWidget(GroupBoxRemplacer);
    row->addStretch(1);
    return band;
}

QFrame* TFichePrincipale::buildSourcePanel() {
    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setFixedWidth(300);
    auto* column = new QVBoxLayout(Panel1);
    column->setContentsMargins(4, 4, 4, 4);

    auto* top = new QHBoxLayout;
    GroupBoxSource = new QGroupBox(QStringLiteral(" Source "), Panel1);
    auto* sourceLayout = new QVBoxLayout(GroupBoxSource);
    sourceLayout->setContentsMargins(4, 4, 4, 4);
    auto* holder = new QWidget(GroupBoxSource);
    holder->setFixedSize(128, 128);
    auto* holderLayout = new QVBoxLayout(holder);
    holderLayout->setContentsMargins(0, 0, 0, 0);
    Image2 = new ImageBox(holder);
    Image2->setStretch(true);
    Image2->setCenter(true);
    Image2->setBoxSize(128, 128);
    Image2->setToolTip(QStringLiteral("Double click pour édition"));
    holderLayout->addWidget(Image2, 0, Qt::AlignCenter);
    sourceLayout->addWidget(holder);
    top->addWidget(GroupBoxSource);

    auto* side = new QVBoxLayout;
    BtAjouter = new QPushButton(QStringLiteral("Ajouter"), Panel1);
    BtRemplacer = new QPushButton(QStringLiteral("Remplacer"), Panel1);
    LabelNum1 = new TLabelNum(Panel1);
    Paint(LabelNum1, Qt::white);
    LabelDim = new QLabel(Panel1);
    Paint(LabelDim, kPaleYellow.toQColor());
    side->addWidget(BtAjouter);
    side->addWidget(BtRemplacer);
    side->addSpacing(4);
    side->addWidget(Caption(QStringLiteral("Sélections"), Panel1));
    side->addWidget(LabelNum1);
    side->addWidget(Caption(QStringLiteral("Dimensions"), Panel1));
    side->addWidget(LabelDim);
    side->addStretch();
    top->addLayout(side);
    column->addLayout(top);

    DriveComboBox1 = new QComboBox(Panel1);
    for (const QFileInfo& drive : QDir::drives()) DriveComboBox1->addItem(drive.absolutePath());
    if (DriveComboBox1->findText(QDir::homePath()) < 0) DriveComboBox1->addItem(QDir::homePath());
    column->addWidget(DriveComboBox1);

    dirModel_ = new QFileSystemModel(this);
    dirModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    dirModel_->setRootPath(QDir::rootPath());
    DirectoryListBox1 = new QTreeView(Panel1);
    DirectoryListBox1->setModel(dirModel_);
    DirectoryListBox1->setHeaderHidden(true);
    for (int c = 1; c < dirModel_->columnCount(); ++c) DirectoryListBox1->hideColumn(c);
    column->addWidget(DirectoryListBox1, 2);

    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files);
    fileModel_->setNameFilterDisables(false);
    FileListBox1 = new QListView(Panel1);
    FileListBox1->setModel(fileModel_);
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    column->addWidget(FileListBox1, 3);

    auto* bottom = new QHBoxLayout;
    BtTout = new QPushButton(QStringLiteral("Tout sélectionner"), Panel1);
    bottom->addWidget(BtTout, 1);
    auto* counters = new QGridLayout;
    LabelNum3 = new TLabelNum(Panel1);
    LabelNum2 = new TLabelNum(Panel1);
    for (TLabelNum* l : {LabelNum3, LabelNum2}) {
        Paint(l, Qt::white);
        l->setMinimumWidth(40);
    }
    counters->addWidget(LabelNum3, 0, 0);
    counters->addWidget(Caption(QStringLiteral("/"), Panel1), 0, 1);
    counters->addWidget(LabelNum2, 0, 2);
    counters->addWidget(Caption(QStringLiteral("Fichiers"), Panel1), 1, 0, 1, 3);
    bottom->addLayout(counters);
    column->addLayout(bottom);
    return Panel1;
}

QGroupBox* TFichePrincipale::buildPageView() {
    GroupBoxTexture = new QGroupBox(QStringLiteral(" Texture TGA "), this);
    auto* layout = new QVBoxLayout(GroupBoxTexture);
    ScrollBox1 = new QScrollArea(GroupBoxTexture);
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1 = new PageView;
    ScrollBox1->setWidget(Image1);
    ProgressBar1 = new QProgressBar(GroupBoxTexture);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMaximumHeight(14);
    layout->addWidget(ScrollBox1, 1);
    layout->addWidget(ProgressBar1);
    return GroupBoxTexture;
}

void TFichePrincipale::buildStatusBar() {
    // The panels keep their widths; a smaller type lets the captions fit them.
    QFont small = statusBar()->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    for (size_t i = 0; i < panels_.size(); ++i) {
        auto* label = new QLabel(QString::fromUtf8(kPanels[i].text), statusBar());
        label->setFont(small);
        label->setFixedWidth(kPanels[i].width);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        statusBar()->addWidget(label);
        panels_[i] = label;
    }
}

void TFichePrincipale::connectHandlers() {
    connect(NouvelletextureTGA1, &QAction::triggered, this,
            &TFichePrincipale::NouvelletextureTGA1Click);
    connect(OuvrirTGA1, &QAction::triggered, this, &TFichePrincipale::OuvrirTGA1Click);
    connect(SauverTGA1, &QAction::triggered, this, &TFichePrincipale::SauverTGA1Click);
    connect(SauverTextureSous1, &QAction::triggered, this,
            &TFichePrincipale::SauverTextureSous1Click);
    connect(ExtraireBitmaps1, &QAction::triggered, this, &TFichePrincipale::ExtraireBitmaps1Click);
    connect(FenetreSources1, &QAction::triggered, this, &TFichePrincipale::FenetreSources1Click);
    connect(Quitter1, &QAction::triggered, this, &TFichePrincipale::Quitter1Click);
    connect(TextureTGAenCours1, &QAction::triggered, this,
            &TFichePrincipale::TextureTGAenCours1Click);
    connect(PlancheContact1, &QAction::triggered, this, &TFichePrincipale::PlancheContact1Click);
    connect(ModifierSource1, &QAction::triggered, this, &TFichePrincipale::Image2DblClick);
    connect(Nouveau1, &QAction::triggered, this, &TFichePrincipale::Nouveau1Click);
    connect(Aide1, &QAction::triggered, this, &TFichePrincipale::Aide1Click);
    connect(APropos1, &QAction::triggered, this, &TFichePrincipale::APropos1Click);

    connect(ComboBox1, &QComboBox::activated, this, &TFichePrincipale::ComboBox1Change);
    connect(UpDown5, &UpDown::clicked, this, &TFichePrincipale::UpDown5Click);
    connect(Button1, &QPushButton::clicked, this, &TFichePrincipale::Button1Click);
    connect(UpDown1, &UpDown::clicked, this, &TFichePrincipale::UpDown1Click);
    connect(UpDown2, &UpDown::clicked, this, &TFichePrincipale::UpDown2Click);
    connect(UpDown3, &UpDown::clicked, this, &TFichePrincipale::UpDown3Click);
    connect(UpDown4, &UpDown::clicked, this, &TFichePrincipale::UpDown4Click);
    connect(BtValider, &QPushButton::clicked, this, &TFichePrincipale::BtValiderClick);
    connect(BtAbandon, &QPushButton::clicked, this, &TFichePrincipale::BtAbandonClick);

    connect(BtAjouter, &QPushButton::clicked, this, &TFichePrincipale::BtAjouterClick);
    connect(BtRemplacer, &QPushButton::clicked, this, &TFichePrincipale::BtRemplacerClick);
    connect(BtTout, &QPushButton::clicked, this, &TFichePrincipale::BtToutClick);
    connect(Image2, &ImageBox::doubleClicked, this, &TFichePrincipale::Image2DblClick);
    connect(Image1, &ImageBox::mouseDown, this, &TFichePrincipale::Image1MouseDown);
    connect(DriveComboBox1, &QComboBox::activated, this, &TFichePrincipale::DriveComboBox1Change);
    connect(DirectoryListBox1, &QTreeView::clicked, this,
            &TFichePrincipale::DirectoryListBox1Click);
    connect(FileListBox1, &QListView::clicked, this, &TFichePrincipale::FileListBox1Click);
    connect(dirModel_, &QFileSystemModel::directoryLoaded, this,
            &TFichePrincipale::DirectoryListBox1Loaded);
    connect(dirModel_, &QFileSystemModel::layoutChanged, this,
            &TFichePrincipale::DirectoryListBox1Loaded);
    connect(fileModel_, &QFileSystemModel::directoryLoaded, this,
            &TFichePrincipale::FileListBox1Change);
    connect(fileModel_, &QFileSystemModel::rowsInserted, this,
            &TFichePrincipale::FileListBox1Change);
    connect(fileModel_, &QFileSystemModel::rowsRemoved, this,
            &TFichePrincipale::FileListBox1Change);
    connect(fileModel_, &QFileSystemModel::rootPathChanged, this,
            &TFichePrincipale::FileListBox1Change);
    connect(FileListBox1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { LabelNum1->setValue(SelectedFileCount()); });
}

void TFichePrincipale::setStartStates() {
    for (QAction* a :
         {SauverTGA1, SauverTextureSous1, TextureTGAenCours1, ExtraireBitmaps1, ModifierSource1})
        a->setEnabled(false);
    for (QPushButton* b : {BtAjouter, BtRemplacer, BtTout, BtValider, BtAbandon})
        b->setEnabled(false);
    Image2->setEnabled(false);  // until a source is previewed
    Panel1->hide();
}

void TFichePrincipale::FormCreate() {
    platform::Guard(context_.prompts, [this] {
        context_.page.zoomFactor = 1.0;
        fileModel_->setNameFilters(SourceNameFilters());
        context_.cursors.install();
        ShowSourceFolder(platform::FolderWithSlash(context_.page.sourceFolder));
    });
}

QString TFichePrincipale::FileListFolder() const {
    return platform::FolderWithSlash(fileModel_->rootPath());
}

void TFichePrincipale::ShowSourceFolder(const QString& folder) {
    // The folder list always starts at the drive that holds the folder, so that every folder
    // above it stays reachable; the home entry of the drive list is a shortcut.
    QString drive = QDir::rootPath();
    for (const QFileInfo& d : QDir::drives()) {
        const QString path = platform::FolderWithSlash(d.absolutePath());
        if (folder.startsWith(path, Qt::CaseInsensitive) && path.size() >= drive.size())
            drive = path;
    }
    int entry = -1;
    for (int i = 0; i < DriveComboBox1->count(); ++i) {
        const QString path = platform::FolderWithSlash(DriveComboBox1->itemText(i));
        if (folder.startsWith(path, Qt::CaseInsensitive) &&
            (entry < 0 || path.size() > DriveComboBox1->itemText(entry).size()))
            entry = i;
    }
    if (entry >= 0) DriveComboBox1->setCurrentIndex(entry);
    DirectoryListBox1->setRootIndex(dirModel_->index(drive));
    const QModelIndex dir = dirModel_->index(folder);
    for (QModelIndex i = dir; i.isValid(); i = i.parent()) DirectoryListBox1->setExpanded(i, true);
    DirectoryListBox1->setCurrentIndex(dir);
    DirectoryListBox1->scrollTo(dir, QAbstractItemView::PositionAtCenter);
    keepFolderInSight_ = true;
    QTimer::singleShot(kSettleMs, this, [this] { keepFolderInSight_ = false; });
    ShowFileList(folder);
}

void TFichePrincipale::ShowFileList(const QString& folder) {
    // A folder the model has not seen yet has no index until it is loaded: the list takes its
    // root again when it is (FileListBox1Change).
    fileModel_->setRootPath(folder);
    FileListBox1->setRootIndex(fileModel_->index(fileModel_->rootPath()));
}

void TFichePrincipale::DirectoryListBox1Loaded() {
    // The folders above the shown one load and sort in the background; keep it in sight
    // until the user takes over (a click) or the lists have settled.
    if (!keepFolderInSight_) return;
    DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex(),
                                QAbstractItemView::PositionAtCenter);
}

bool TFichePrincipale::FormClose() {
    bool mayClose = false;
    platform::Guard(context_.prompts, [this, &mayClose] {
        if (context_.page.modified && !context_.prompts.confirm(kQuitQuestion)) return;
        context_.page.pageBitmap = texture::PageBitmap();
        mayClose = true;
    });
    return mayClose;
}

void TFichePrincipale::closeEvent(QCloseEvent* event) {
    if (!FormClose()) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

// Printing the page comes with the print layout window.
void TFichePrincipale::TextureTGAenCours1Click() {}

void TFichePrincipale::NouvelletextureTGA1Click() {
    platform::Guard(context_.prompts, [this] { commands_->files().newPage(); });
}

void TFichePrincipale::OuvrirTGA1Click() {
    platform::Guard(context_.prompts, [this] { commands_->files().openPage(); });
}

void TFichePrincipale::SauverTGA1Click() {
    platform::Guard(context_.prompts, [this] { commands_->files().save(); });
}

void TFichePrincipale::SauverTextureSous1Click() {
    platform::Guard(context_.prompts, [this] { commands_->files().saveAs(); });
}

void TFichePrincipale::ExtraireBitmaps1Click() {
    platform::Guard(context_.prompts, [this] { commands_->files().extract(); });
}

void TFichePrincipale::Image2DblClick() {
    platform::Guard(context_.prompts, [this] { commands_->elementFlow().editSource(); });
}

void TFichePrincipale::Nouveau1Click() {
    platform::Guard(context_.prompts, [this] {
        texture::TFicheNouveau* dialog = context_.windows.ficheNouveau;
        if (!dialog || dialog->exec() != QDialog::Accepted) return;
        commands_->elementFlow().newElement(context_.newElement);
    });
}

void TFichePrincipale::ComboBox1Change() {
    platform::Guard(context_.prompts, [this] {
        commands_->sourcePanel().importSizeChanged(ComboBox1->currentText());
    });
}

void TFichePrincipale::UpDown1Click() {
    platform::Guard(context_.prompts,
                    [this] { commands_->mask().fineXClicked(UpDown1->position()); });
}

void TFichePrincipale::UpDown2Click() {
    platform::Guard(context_.prompts,
                    [this] { commands_->mask().fineYClicked(UpDown2->position()); });
}

void TFichePrincipale::UpDown3Click() {
    platform::Guard(context_.prompts,
                    [this] { commands_->mask().coarseXClicked(UpDown3->position()); });
}

void TFichePrincipale::UpDown4Click() {
    platform::Guard(context_.prompts,
                    [this] { commands_->mask().coarseYClicked(UpDown4->position()); });
}

void TFichePrincipale::BtValiderClick() {
    platform::Guard(context_.prompts, [this] { commands_->mask().validateClicked(); });
}

void TFichePrincipale::BtAbandonClick() {
    platform::Guard(context_.prompts, [this] { commands_->mask().abandonClicked(); });
}

void TFichePrincipale::BtRemplacerClick() {
    platform::Guard(context_.prompts, [this] { commands_->mask().replaceClicked(); });
}

void TFichePrincipale::BtAjouterClick() {
    platform::Guard(context_.prompts, [this] { commands_->packer().add(SourceEntries()); });
}

void TFichePrincipale::Image1MouseDown(Qt::MouseButton, QPoint pos) {
    platform::Guard(context_.prompts, [this, pos] {
        if (commands_->mask().maskVisible()) commands_->mask().pageMouseDown(pos.x(), pos.y());
    });
}

void TFichePrincipale::FileListBox1Click() {
    platform::Guard(context_.prompts, [this] {
        const QModelIndex index = FileListBox1->currentIndex();
        if (!index.isValid() || !FileListBox1->selectionModel()->isSelected(index)) return;
        LabelNum3->setValue(index.row());
        commands_->sourcePanel().previewSource(
            platform::JoinPath(FileListFolder(), fileModel_->fileName(index)));
        LabelNum1->setValue(SelectedFileCount());
    });
}

void TFichePrincipale::BtToutClick() {
    platform::Guard(context_.prompts, [this] {
        texture::TexturePage& page = context_.page;
        page.allSelected = !page.allSelected;
        if (page.allSelected) {
            BtTout->setText(QString::fromUtf8("Tout déselectionner"));
            if (page.pageOpen) BtAjouter->setEnabled(true);
            FileListBox1->selectAll();
        } else {
            BtTout->setText(QString::fromUtf8("Tout sélectionner"));
            FileListBox1->clearSelection();
        }
        LabelNum1->setValue(SelectedFileCount());
    });
}

int TFichePrincipale::SelectedFileCount() const {
    // Names only: "select all" also selects the model's size, type and date columns.
    const QModelIndexList cells = FileListBox1->selectionModel()->selectedIndexes();
    return static_cast<int>(std::count_if(cells.begin(), cells.end(),
                                          [](const QModelIndex& i) { return i.column() == 0; }));
}

std::vector<texture::SourceEntry> TFichePrincipale::SourceEntries() const {
    std::vector<texture::SourceEntry> entries;
    const QModelIndex root = fileModel_->index(fileModel_->rootPath());
    const QString folder = FileListFolder();
    const QItemSelectionModel* selection = FileListBox1->selectionModel();
    for (int row = 0; row < fileModel_->rowCount(root); ++row) {
        const QModelIndex index = fileModel_->index(row, 0, root);
        entries.push_back({platform::JoinPath(folder, fileModel_->fileName(index)),
                           selection->isSelected(index)});
    }
    return entries;
}

void TFichePrincipale::RefreshSourceLists() {
    // Both models watch their folders and list a new file by themselves; the counters and
    // the select-all button follow now.
    FileListBox1Change();
}

void TFichePrincipale::FenetreSources1Click() {
    Panel1->show();
}

void TFichePrincipale::Quitter1Click() {
    close();
}

void TFichePrincipale::PlancheContact1Click() {
    platform::Guard(context_.prompts, [this] {
        if (!FileListBox1->selectionModel()->hasSelection()) {
            context_.prompts.warning(kNothingToPrint);
            return;
        }
        // The contact-sheet window starts its run here.
    });
}

void TFichePrincipale::Aide1Click() {
    if (TFicheAide* aide = context_.windows.ficheAide) {
        aide->show();
        aide->raise();
        aide->activateWindow();
    }
}

void TFichePrincipale::APropos1Click() {
    if (TForm3* about = context_.windows.form3) about->exec();
}

void TFichePrincipale::UpDown5Click() {
    platform::Guard(context_.prompts, [this] {
        const double zoom = UpDown5->position() / 10.0;
        context_.page.zoomFactor = zoom;
        StaticText2->setText(QString::number(zoom, 'f', 1));
        Image1->applyZoom(zoom);
    });
}

void TFichePrincipale::Button1Click() {
    UpDown5->setPosition(10);
    Image1->setStretch(false);
    Image1->setAutoSize(true);
    UpDown5Click();
}

void TFichePrincipale::DriveComboBox1Change() {
    platform::Guard(context_.prompts, [this] {
        ShowSourceFolder(platform::FolderWithSlash(DriveComboBox1->currentText()));
    });
}

void TFichePrincipale::DirectoryListBox1Click() {
    platform::Guard(context_.prompts, [this] {
        keepFolderInSight_ = false;
        const QModelIndex index = DirectoryListBox1->currentIndex();
        if (!index.isValid()) return;
        DirectoryListBox1->setExpanded(index, true);
        ShowFileList(dirModel_->filePath(index));
    });
}

void TFichePrincipale::FileListBox1Change() {
    const QModelIndex root = fileModel_->index(fileModel_->rootPath());
    if (FileListBox1->rootIndex() != root) FileListBox1->setRootIndex(root);
    const int files = fileModel_->rowCount(root);
    BtTout->setEnabled(files > 0);
    LabelNum2->setValue(files);
    context_.page.sourceFolder = FileListFolder();
}

}  // namespace tessella::app
