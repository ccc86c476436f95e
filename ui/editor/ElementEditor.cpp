#include "ui/editor/ElementEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/editor/DrawingTools.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StatusPanels.h"
#include "ui/widgets/StepArrows.h"
#include "ui/widgets/ShapeOverlay.h"
#include "ui/editor/BlurDialog.h"
#include "ui/editor/ChannelDialog.h"
#include "ui/editor/EditorTexts.h"
#include "editor/Filters.h"
#include "editor/Geometry.h"
#include "editor/Resize.h"
#include "ui/editor/ResizeDialog.h"
#include "editor/ViewGeometry.h"
#include "imagefile/ImageLoader.h"
#include "ui/editor/ColourAdjustWindow.h"
#include "pixels/WorkingPicture.h"
#include "platform/Error.h"
#include "platform/Guard.h"
#include "platform/Clipboard.h"
#include "platform/Pacer.h"
#include "platform/ProgramFolder.h"
#include "platform/Prompts.h"
#include "platform/ImageLimits.h"
#include "ui/editor/NewElementDialog.h"

namespace tessella::editor {

namespace {

constexpr std::array<int, 3> kStatusPanelWidths = {50, 100, 50};
constexpr QSize kZoneEdgeAcross(50, 1);
constexpr QSize kZoneEdgeDown(1, 50);

// A red dash-dot-dot line one pixel thick along the widget, for the ruler lines.
class RulerLine final : public QWidget {
  public:
    explicit RulerLine(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(Qt::red, 1, Qt::DashDotDotLine));
        if (width() >= height())
            p.drawLine(0, 0, width() - 1, 0);
        else
            p.drawLine(0, 0, 0, height() - 1);
    }
};

QPushButton* OperationButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setEnabled(false);
    button->setAutoDefault(false);
    return button;
}

// A button whose glyph stands right of its caption, named for what it does.
QPushButton* GlyphButton(const QString& caption, const QString& name, QStyle::StandardPixmap glyph,
                         QWidget* parent) {
    QPushButton* button = OperationButton(caption, parent);
    button->setIcon(parent->style()->standardIcon(glyph));
    button->setLayoutDirection(Qt::RightToLeft);
    button->setAccessibleName(name);
    return button;
}

QImage BlankPicture(int width, int height, platform::ColourValue colour) {
    platform::CheckImageSize(width, height, kNewElementCaption);
    QImage picture(width, height, QImage::Format_BGR888);
    if (picture.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    picture.fill(colour.toQColor());
    return picture;
}

QImage RulerPicture(QSize size, const std::vector<QLine>& ticks) {
    QImage picture(size.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setPen(Qt::black);
    for (const QLine& tick : ticks) p.drawLine(tick);
    return picture;
}

}  // namespace

ElementEditor::ElementEditor(const Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      services_(services),
      work_(services.workingPicture),
      blurDialog_(new BlurDialog(this)),
      channelDialog_(new ChannelDialog(this)),
      resizeDialog_(new ResizeDialog(services.prompts, this)),
      newElementDialog_(new NewElementDialog(services.newElement, services.prompts, this)),
      colourWindow_(new pixels::ColourAdjustWindow(services.prompts, services.programFolder,
                                                   services.workingPicture, this)) {
    setWindowTitle(kEditorTitle);
    setModal(true);
    buildControls();
    buildMenu();
    connectControls();
    resize(900, 640);
    // The palette beside the editor is its child, so that the modal editor lets it work.
    drawingTools_ = new drawing::DrawingTools(services.prompts, services.cursors, *this, this);
}

void ElementEditor::buildControls() {
    rotateLeftButton = GlyphButton(kRotateCaption, kRotateLeftName, QStyle::SP_ArrowLeft, this);
    rotateRightButton = GlyphButton(kRotateCaption, kRotateRightName, QStyle::SP_ArrowRight, this);
    symmetry2Button = OperationButton(kSymmetry2Caption, this);
    symmetry4Button = OperationButton(kSymmetry4Caption, this);
    mirrorButton = OperationButton(kMirrorCaption, this);
    flipButton = OperationButton(kFlipCaption, this);
    doubleRightButton = GlyphButton(kDoubleCaption, kDoubleRightName, QStyle::SP_ArrowRight, this);
    doubleDownButton = GlyphButton(kDoubleCaption, kDoubleDownName, QStyle::SP_ArrowDown, this);
    swapChannelsButton = OperationButton(kSwapChannelsCaption, this);
    greyButton = OperationButton(kGreyCaption, this);
    negativeButton = OperationButton(kNegativeCaption, this);
    veilButton = OperationButton(kVeilCaption, this);
    fuseButton = OperationButton(kFuseCaption, this);
    adjustButton = OperationButton(kAdjustCaption, this);
    blurButton = OperationButton(kBlurCaption, this);
    sharpenButton = OperationButton(kSharpenCaption, this);
    softenButton = OperationButton(kSoftenCaption, this);
    resizeButton = OperationButton(kResizeCaption, this);
    embossButton = OperationButton(kEmbossCaption, this);
    contrastButton = OperationButton(kContrastCaption, this);
    undoButton = OperationButton(kUndoCaption, this);
    reloadButton = OperationButton(kReloadCaption, this);

    zoomArrows = new widgets::StepArrows(Qt::Vertical, kMinZoom, kMaxZoom, kMinZoom, 1, this);
    zoomArrows->setArrowNames(QStringLiteral("Zoom +"), QStringLiteral("Zoom -"));
    zoomLabel = new QLabel(QString::number(zoom_), this);
    zoomLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    zoomLabel->setAlignment(Qt::AlignCenter);
    zoomLabel->setMinimumWidth(28);
    zoomLabel->setAccessibleName(kZoomValueName);
    auto* zoomGroup = new QGroupBox(kZoomCaption, this);
    auto* zoomRow = new QHBoxLayout(zoomGroup);
    zoomRow->addWidget(zoomLabel);
    zoomRow->addWidget(zoomArrows);

    auto* dimensionsGroup = new QGroupBox(kDimensionsCaption, this);
    dimensionsLabel = new QLabel(dimensionsGroup);
    dimensionsLabel->setAlignment(Qt::AlignCenter);
    dimensionsLabel->setMinimumWidth(70);
    dimensionsLabel->setAccessibleName(kDimensionsName);
    (new QHBoxLayout(dimensionsGroup))->addWidget(dimensionsLabel);

    colourSwatch = new QLabel(this);
    colourSwatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    colourSwatch->setFixedSize(32, 32);
    colourSwatch->setAutoFillBackground(true);
    colourSwatch->setAccessibleName(kSwatchName);
    rulersCheck = new QCheckBox(kRulersCaption, this);
    rulersCheck->setChecked(true);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(3);
    const QList<QPushButton*> panel = operationButtons() << undoButton << reloadButton;
    constexpr int kColumns = 8;
    for (int i = 0; i < panel.size(); ++i) buttons->addWidget(panel[i], i / kColumns, i % kColumns);
    auto* top = new QHBoxLayout;
    top->addLayout(buttons, 1);
    top->addWidget(zoomGroup);
    top->addWidget(dimensionsGroup);
    auto* checks = new QVBoxLayout;
    checks->addWidget(colourSwatch);
    checks->addWidget(rulersCheck);
    top->addLayout(checks);

    // The rulers mark pixels of the viewport: fixed geometry, redrawn with its size.
    horizontalRuler = new widgets::ImageBox(this);
    horizontalRuler->setFixedHeight(kRulerThickness);
    horizontalRuler->setAccessibleName(kHorizontalRulerName);
    verticalRuler = new widgets::ImageBox(this);
    verticalRuler->setFixedWidth(kRulerThickness);
    verticalRuler->setAccessibleName(kVerticalRulerName);
    scrollArea = new QScrollArea(this);
    scrollArea->setFrameShape(QFrame::NoFrame);
    scrollArea->setWidgetResizable(false);

    // The view and everything drawn over it share one canvas, so their positions are view
    // coordinates however the area is scrolled.
    canvas_ = new QWidget;
    view = new widgets::ImageBox(canvas_);
    view->setStretch(true);
    view->setCursor(Qt::CrossCursor);
    view->setMouseTracking(true);
    view->setAccessibleName(kViewName);
    pasteOverlay = new widgets::ImageBox(canvas_);
    pasteOverlay->setStretch(true);
    pasteOverlay->setAccessibleName(kPasteOverlayName);
    pasteOverlay->hide();
    zoneBand = new widgets::ShapeOverlay(canvas_);
    zoneBand->setPen(QPen(Qt::black, 1, Qt::DashDotDotLine));
    zoneBand->setBrush(Qt::NoBrush);
    zoneBand->hide();
    for (size_t i = 0; i < zoneEdges.size(); ++i) {
        zoneEdges[i] = new QFrame(canvas_);
        zoneEdges[i]->setFrameShape(QFrame::Box);
        zoneEdges[i]->resize(i < 2 ? kZoneEdgeAcross : kZoneEdgeDown);
        zoneEdges[i]->hide();
    }
    verticalRulerLine = new RulerLine(canvas_);
    horizontalRulerLine = new RulerLine(canvas_);
    verticalRulerLine->setGeometry(0, 0, 1, 0);
    horizontalRulerLine->setGeometry(0, 0, 0, 1);
    pointerLabel = new widgets::ShapeOverlay(canvas_);
    pointerLabel->setShape(drawing::ShapeKind::RoundedRectangle);
    pointerLabel->setBrush(platform::ColourValue(kLabelColour).toQColor());
    QFont courier(QStringLiteral("Courier New"));
    courier.setStyleHint(QFont::Monospace);
    courier.setPointSize(8);
    pointerLabel->setFont(courier);
    pointerLabel->resize(0, 0);
    scrollArea->setWidget(canvas_);

    auto* lower = new QGridLayout;
    lower->setSpacing(0);
    lower->addWidget(horizontalRuler, 0, 0, 1, 2);
    lower->addWidget(verticalRuler, 1, 0);
    lower->addWidget(scrollArea, 1, 1);

    QStatusBar* statusBar = widgets::NewStatusBar(this);
    statusPanels = widgets::AddNumberedStatusPanels(statusBar, kStatusPanelWidths);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(top);
    layout->addLayout(lower, 1);
    layout->addWidget(statusBar);

    showTimer = new QTimer(this);
    showTimer->setSingleShot(true);
    showTimer->setInterval(kShowDelayMs);
}

void ElementEditor::buildMenu() {
    auto* bar = new QMenuBar(this);
    closeAndSaveAction = bar->addAction(kCloseAndSaveCaption);
    closeAction = bar->addAction(kCloseCaption);
    newElementAction = bar->addAction(kNewElementCaption);
    editMenu = bar->addMenu(kEditMenuCaption);
    copyAction = editMenu->addAction(kCopyCaption);
    copyAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    copySelectionAction = editMenu->addAction(kCopySelectionCaption);
    copySelectionAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    copySelectionAction->setEnabled(false);
    editMenu->addSeparator();
    pasteAsNewAction = editMenu->addAction(kPasteAsNewCaption);
    pasteAsNewAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    pasteAsNewAction->setEnabled(false);
    pasteIntoAction = editMenu->addAction(kPasteIntoCaption);
    pasteIntoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_E));
    pasteIntoAction->setEnabled(false);
    zoneAction = bar->addAction(kZoneCaption);
    zoneAction->setCheckable(true);
    propertiesAction = bar->addAction(kPropertiesCaption);
    propertiesAction->setEnabled(false);
    helpAction = bar->addAction(kHelpCaption);
    // The shortcuts work while the view has the focus, not only with the menu open.
    addActions({copyAction, copySelectionAction, pasteAsNewAction, pasteIntoAction});
    layout()->setMenuBar(bar);
}

void ElementEditor::connectControls() {
    const std::pair<QPushButton*, void (ElementEditor::*)()> handlers[] = {
        {rotateLeftButton, &ElementEditor::rotateLeft},
        {rotateRightButton, &ElementEditor::rotateRight},
        {symmetry2Button, &ElementEditor::makeTwoFaceSymmetry},
        {symmetry4Button, &ElementEditor::makeFourFaceSymmetry},
        {mirrorButton, &ElementEditor::mirror},
        {flipButton, &ElementEditor::flip},
        {doubleRightButton, &ElementEditor::doubleRight},
        {doubleDownButton, &ElementEditor::doubleDown},
        {swapChannelsButton, &ElementEditor::swapChannels},
        {greyButton, &ElementEditor::makeGrey},
        {negativeButton, &ElementEditor::makeNegative},
        {veilButton, &ElementEditor::addVeil},
        {fuseButton, &ElementEditor::fuseChannels},
        {adjustButton, &ElementEditor::adjustRgb},
        {blurButton, &ElementEditor::openBlur},
        {sharpenButton, &ElementEditor::sharpen},
        {softenButton, &ElementEditor::soften},
        {resizeButton, &ElementEditor::resizeElement},
        {embossButton, &ElementEditor::emboss},
        {contrastButton, &ElementEditor::adjustContrast},
        {undoButton, &ElementEditor::undo},
        {reloadButton, &ElementEditor::reload},
    };
    for (const auto& [button, slot] : handlers) connect(button, &QPushButton::clicked, this, slot);
    connect(zoomArrows, &widgets::StepArrows::clicked, this, &ElementEditor::applyZoomArrows);
    connect(rulersCheck, &QCheckBox::toggled, this, &ElementEditor::showRulers);
    connect(view, &widgets::ImageBox::mouseDown, this, &ElementEditor::pressOnView);
    connect(view, &widgets::ImageBox::mouseMoved, this, &ElementEditor::moveOnView);
    connect(view, &widgets::ImageBox::mouseUp, this, &ElementEditor::releaseOnView);
    connect(closeAndSaveAction, &QAction::triggered, this, &ElementEditor::closeAndSave);
    connect(closeAction, &QAction::triggered, this, &QDialog::close);
    connect(newElementAction, &QAction::triggered, this, &ElementEditor::newElement);
    connect(copyAction, &QAction::triggered, this, &ElementEditor::copyElement);
    connect(copySelectionAction, &QAction::triggered, this, &ElementEditor::copySelection);
    connect(pasteAsNewAction, &QAction::triggered, this, &ElementEditor::pasteAsNewPicture);
    connect(pasteIntoAction, &QAction::triggered, this, &ElementEditor::pasteIntoPicture);
    connect(zoneAction, &QAction::triggered, this, &ElementEditor::toggleZoneMode);
    connect(propertiesAction, &QAction::triggered, this, &ElementEditor::editProperties);
    connect(helpAction, &QAction::triggered, this, &ElementEditor::showHelp);
    connect(showTimer, &QTimer::timeout, this, &ElementEditor::finishShowing);
}

QList<QPushButton*> ElementEditor::operationButtons() const {
    return {rotateLeftButton, rotateRightButton, symmetry2Button, symmetry4Button, mirrorButton,
            flipButton,       doubleRightButton, doubleDownButton, swapChannelsButton,
            greyButton,       negativeButton,    veilButton,       fuseButton,
            adjustButton,     blurButton,        sharpenButton,    softenButton,
            resizeButton,     embossButton,      contrastButton};
}

// --- Hand-over and showing -------------------------------------------------------------

texture::EditResult ElementEditor::edit(const texture::ElementRequest& request) {
    begin(request);
    const int result = exec();
    texture::EditResult answer;
    answer.modalResult = result;
    if (result == texture::kEditorSaveResult) answer.picture = display_;
    return answer;
}

void ElementEditor::begin(const texture::ElementRequest& request) {
    services_.pacer.processEvents();
    closeResult_ = texture::kEditorNoResult;
    reloadPath_ = request.sourceFileName;
    newElementMode_ = request.newElementMode;
    showDrawingTools_ = request.showDrawingTools;
    // The undo copy belongs to the element edited before: nothing here can bring it back.
    work_.discardUndo();
    undoButton->setEnabled(false);
    if (showDrawingTools_) {
        view->update();
        emit drawingToolsWanted();
    }
    if (!newElementMode_) {
        display_ = request.picture;
        work_.load(display_);
        setOperationButtonsEnabled(true);
    } else {
        // The buttons wait for the first press with a drawing tool.
        display_ = BlankPicture(request.settings.elementWidth, request.settings.elementHeight,
                                request.settings.backgroundColour);
        work_.load(display_);
        emit drawingToolsWanted();
    }
    // The zoom kept from the last showing is the one presses are divided by: show it.
    showWorkingPicture();
    propertiesAction->setEnabled(true);
    showTimer->start();
}

void ElementEditor::finishShowing() {
    showTimer->stop();
    view->update();
    showDimensions();
}

bool ElementEditor::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) clipboardChecked();
    return QDialog::event(event);
}

void ElementEditor::clipboardChecked() {
    if (clipboard().hasImage()) {
        editMenu->setEnabled(true);
        pasteAsNewAction->setEnabled(true);
    }
}

void ElementEditor::done(int) {
    showTimer->stop();
    if (pastePending_) endZone();  // a paste still floating is given up with the window
    QDialog::done(closeResult_);
}

void ElementEditor::closeAndSave() {
    closeResult_ = texture::kEditorSaveResult;
    close();
}

// --- The common pattern ----------------------------------------------------------------

void ElementEditor::runOperation(const std::function<void()>& op) {
    platform::Guard(services_.prompts, [&] {
        pixels::WorkingPicture::UndoCopy previous = work_.saveUndo();
        try {
            op();
        } catch (...) {
            work_.putBackUndo(std::move(previous));
            throw;
        }
        showWorkingPicture();
        undoButton->setEnabled(true);
        reloadButton->setEnabled(true);
    });
}

void ElementEditor::showWorkingPicture() {
    work_.store(display_);
    view->setPicture(display_);
    applyZoom(zoom_);
    showDimensions();
}

void ElementEditor::applyZoom(int zoom) {
    const QSize size = ZoomedSize(work_.width(), work_.height(), zoom);
    view->setBoxSize(size.width(), size.height());
    const QImage& overlay = pasteOverlay->picture();
    const QSize overlaySize = ZoomedSize(overlay.width(), overlay.height(), zoom);
    pasteOverlay->setBoxSize(overlaySize.width(), overlaySize.height());
    if (zoneFixed_ && !pastePending_) placeZoneFrame();  // the zone keeps its element pixels
    fitCanvas();
    view->show();
    view->update();
    services_.pacer.processEvents();
}

void ElementEditor::fitCanvas() {
    canvas_->resize(view->size().expandedTo(scrollArea->viewport()->size()));
}

void ElementEditor::showDimensions() {
    dimensionsLabel->setText(kDimensionsText.arg(display_.width()).arg(display_.height()));
}

void ElementEditor::setOperationButtonsEnabled(bool on) {
    for (QPushButton* button : operationButtons()) button->setEnabled(on);
}

// --- Geometry and filters --------------------------------------------------------------

void ElementEditor::rotateLeft() {
    runOperation([this] { RotateQuarter(work_, Turn::CounterClockwise); });
}

void ElementEditor::rotateRight() {
    runOperation([this] { RotateQuarter(work_, Turn::Clockwise); });
}

void ElementEditor::makeTwoFaceSymmetry() {
    runOperation([this] { MakeSymmetric(work_, Symmetry::TwoFaces); });
}

void ElementEditor::makeFourFaceSymmetry() {
    runOperation([this] { MakeSymmetric(work_, Symmetry::FourFaces); });
}

void ElementEditor::mirror() {
    runOperation([this] { MirrorHorizontal(work_); });
}

void ElementEditor::flip() {
    runOperation([this] { FlipVertical(work_); });
}

void ElementEditor::doubleRight() {
    runOperation([this] { DoubleTile(work_, TileDirection::Right); });
}

void ElementEditor::doubleDown() {
    runOperation([this] { DoubleTile(work_, TileDirection::Down); });
}

void ElementEditor::makeGrey() {
    runOperation([this] { ApplyChannelOperation(work_, ChannelOperation::Grey); });
}

void ElementEditor::makeNegative() {
    runOperation([this] { ApplyChannelOperation(work_, ChannelOperation::Negative); });
}

void ElementEditor::sharpen() {
    runOperation([this] { SharpenSoften(work_, Sharpness::Sharpen); });
}

void ElementEditor::soften() {
    runOperation([this] { SharpenSoften(work_, Sharpness::Soften); });
}

void ElementEditor::swapChannels() {
    if (const auto swap = channelDialog()->askSwap())
        runOperation([&] { ApplyChannelOperation(work_, *swap); });
}

void ElementEditor::fuseChannels() {
    if (const auto pair = channelDialog()->askFusion())
        runOperation([&] { FuseChannels(work_, *pair); });
}

void ElementEditor::addVeil() {
    std::optional<platform::ColourValue> colour;
    if (!platform::Guard(services_.prompts,
                         [&] { colour = services_.prompts.chooseColour(veilColour_); }) ||
        !colour)
        return;
    veilColour_ = *colour;
    runOperation([&] { AddVeil(work_, *colour); });
}

// --- Blur ------------------------------------------------------------------------------

void ElementEditor::openBlur() {
    BlurDialog* dialog = blurDialog();
    blurStepTaken_ = false;
    dialog->undoButton->setEnabled(false);
    dialog->move(pos() + BlurDialog::kOffsetFromEditor);
    const auto step = connect(dialog, &BlurDialog::stepRequested, this, &ElementEditor::applyBlurStep);
    const auto back = connect(dialog, &BlurDialog::undoRequested, this, &ElementEditor::undo);
    dialog->exec();
    disconnect(step);
    disconnect(back);
    if (blurStepTaken_) {
        undoButton->setEnabled(true);
        reloadButton->setEnabled(true);
    }
}

void ElementEditor::applyBlurStep(pixels::BlurVariant variant) {
    platform::Guard(services_.prompts, [&] {
        // One undo copy for all the steps of a showing, taken only once there is a step, so
        // closing the window without one keeps the previous operation's copy.
        if (!blurStepTaken_) {
            work_.saveUndo();
            blurStepTaken_ = true;
            blurDialog()->undoButton->setEnabled(true);
        }
        pixels::Blur(work_.image(), variant);
        showWorkingPicture();
        undoButton->setEnabled(true);
    });
}

// --- Colour adjustment window ----------------------------------------------------------

void ElementEditor::adjustRgb() {
    adjustColours(pixels::ColourAdjustment::Rgb);
}

void ElementEditor::adjustContrast() {
    adjustColours(pixels::ColourAdjustment::Contrast);
}

void ElementEditor::emboss() {
    adjustColours(pixels::ColourAdjustment::Emboss);
}

void ElementEditor::adjustColours(pixels::ColourAdjustment adjustment) {
    pixels::ColourAdjustWindow* colourWindow = colourWindow_;
    // Cancel leaves the element and the undo copy as they were.
    if (!colourWindow->ask(adjustment)) return;
    runOperation([&] {
        pixels::PixelGrid& picture = work_.image();
        pixels::ApplyColourAdjustment(adjustment, colourWindow->settings(),
                                      colourWindow->texture(), picture, picture, picture.width(),
                                      picture.height());
    });
}

// --- Resize ----------------------------------------------------------------------------

void ElementEditor::resizeElement() {
    const QSize current(work_.width(), work_.height());
    const std::optional<QSize> size = resizeDialog()->ask(current);
    // The same size changes nothing, and no size below 1 gets as far as the undo copy.
    if (!size || *size == current || size->width() < 1 || size->height() < 1) return;
    runOperation([&] { ResizeNearest(work_, size->width(), size->height()); });
}

// --- Undo, reload, zoom ----------------------------------------------------------------

void ElementEditor::undo() {
    platform::Guard(services_.prompts, [this] {
        if (!work_.hasUndo()) return;
        work_.restoreUndo();
        showWorkingPicture();
        undoButton->setEnabled(false);
        reloadButton->setEnabled(true);
    });
}

void ElementEditor::reload() {
    platform::Guard(services_.prompts, [this] {
        // Read aside first: an unreadable file leaves the element as it is.
        QImage loaded;
        if (!imagefile::LoadImageByExtension(reloadPath_, loaded) || loaded.isNull()) {
            services_.prompts.warning(kReloadFailed);
            return;
        }
        work_.load(loaded);
        display_ = loaded;
        showWorkingPicture();
    });
}

void ElementEditor::applyZoomArrows() {
    platform::Guard(services_.prompts, [this] {
        zoom_ = zoomArrows->position();
        zoomLabel->setText(QString::number(zoom_));
        applyZoom(zoom_);
    });
}

// --- Menu ------------------------------------------------------------------------------

void ElementEditor::newElement() {
    platform::Guard(services_.prompts, [this] {
        if (!newElementDialog_->askNewElement()) return;
        const texture::NewElementSettings& s = services_.newElement;
        QImage blank = BlankPicture(s.elementWidth, s.elementHeight, s.backgroundColour);
        work_.load(blank);
        display_ = blank;
        closeResult_ = texture::kEditorNoResult;
        newElementMode_ = true;
        zoom_ = kMinZoom;
        zoomArrows->setPosition(zoom_);
        zoomLabel->setText(QString::number(zoom_));
        showWorkingPicture();
        emit drawingToolsWanted();
        propertiesAction->setEnabled(true);
    });
}

void ElementEditor::editProperties() {
    platform::Guard(services_.prompts, [this] {
        if (!newElementDialog_->askSize(display_.size())) return;
        const int w = services_.newElement.elementWidth, h = services_.newElement.elementHeight;
        // Cropped or extended, never scaled; the added area is white.
        QImage resized = BlankPicture(w, h, platform::kWhite);
        {
            QPainter p(&resized);
            p.drawImage(0, 0, display_);
        }
        work_.load(resized);
        display_ = resized;
        showWorkingPicture();
    });
}

void ElementEditor::showHelp() {
    emit helpWanted();
}

void ElementEditor::pictureDrawn() {
    platform::Guard(services_.prompts, [this] {
        work_.load(display_);
        undoButton->setEnabled(true);
        reloadButton->setEnabled(true);
    });
}

// --- Rulers and pointer ----------------------------------------------------------------

void ElementEditor::showRulers() {
    const bool on = rulersCheck->isChecked();
    verticalRulerLine->setVisible(on);
    horizontalRulerLine->setVisible(on);
    pointerLabel->setVisible(on);
    if (on) drawRulers();
}

void ElementEditor::drawRulers() {
    const QSize box = scrollArea->size();
    horizontalRuler->setPicture(RulerPicture(QSize(horizontalRuler->width(), kRulerThickness),
                                             HorizontalRulerTicks(box.width())));
    verticalRuler->setPicture(
        RulerPicture(QSize(kRulerThickness, box.height()), VerticalRulerTicks(box.height())));
}

void ElementEditor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    fitCanvas();
    if (rulersCheck->isChecked()) drawRulers();
}

void ElementEditor::pressOnView(Qt::MouseButton button, QPoint pos) {
    platform::Guard(services_.prompts, [&] {
        const QPoint pixel = ViewToPixel(pos, zoom_);
        if (!IsOnPicture(pixel, work_.width(), work_.height())) return;
        pressForDrawing(button, pixel);
        pressForZone(button, pos);
    });
}

void ElementEditor::moveOnView(Qt::MouseButtons buttons, QPoint pos) {
    platform::Guard(services_.prompts, [&] {
        const QPoint pixel = ViewToPixel(pos, zoom_);
        if (pos.x() < 0 || pos.y() < 0 || !IsOnPicture(pixel, work_.width(), work_.height()))
            return;
        if (rulersCheck->isChecked()) {
            const RulerLines lines = RulerLinesAt(pos);
            verticalRulerLine->setGeometry(lines.vertical);
            horizontalRulerLine->setGeometry(lines.horizontal);
            pointerLabel->setCaption(kLabelPosition.arg(pixel.x()).arg(pixel.y()));
            const QRect text = pointerLabel->fontMetrics().boundingRect(pointerLabel->caption());
            pointerLabel->setGeometry(QRect(lines.labelTopLeft, text.size() + QSize(10, 4)));
            pointerLabel->raise();
        }
        moveForDrawing(buttons, pixel);
        statusPanels[1]->setText(kStatusPosition.arg(pixel.x()).arg(pixel.y()));
        moveForZone(buttons, pos);
    });
}

void ElementEditor::releaseOnView(Qt::MouseButton button, QPoint pos) {
    platform::Guard(services_.prompts, [&] {
        const QPoint pixel = ViewToPixel(pos, zoom_);
        if (!drawingToolActive_) releaseForZone(button, pos);  // also past the view's edge
        if (drawingToolActive_) releaseForDrawing(button, pixel);  // also past the view's edge
    });
}

}  // namespace tessella::editor
