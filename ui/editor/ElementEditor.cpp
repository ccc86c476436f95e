#include "ui/editor/ElementEditor.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <optional>

#include "editor/ElementPictures.h"
#include "editor/ViewGeometry.h"
#include "imagefile/ImageLoader.h"
#include "pixels/WorkingPicture.h"
#include "platform/Guard.h"
#include "platform/Pacer.h"
#include "platform/Prompts.h"
#include "ui/editor/DrawingTools.h"
#include "ui/editor/EditorOperations.h"
#include "ui/editor/EditorTexts.h"
#include "ui/editor/EditorView.h"
#include "ui/editor/MipmapPreview.h"
#include "ui/editor/NewElementDialog.h"
#include "ui/editor/NormalMapTools.h"
#include "ui/editor/TiledPreview.h"
#include "ui/editor/ZoneTool.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/StatusPanels.h"

namespace tessella::editor {

namespace {

constexpr std::array<int, 3> kStatusPanelWidths = {50, 100, 50};

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

}  // namespace

ElementEditor::ElementEditor(const Services& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint),
      services_(services),
      work_(services.workingPicture),
      view_(new EditorView(services.prompts, services.pacer, this)),
      operations_(new EditorOperations(services.prompts, services.programFolder,
                                       services.workingPicture, this)),
      newElementDialog_(new NewElementDialog(services.newElement, services.prompts, this)) {
    setWindowTitle(kEditorTitle);
    setModal(true);
    buildControls();
    buildMenu();
    zones_ = new ZoneTool(
        services.prompts, services.clipboard, *view_, display_,
        {editMenu, zoneAction, copyAction, copySelectionAction, pasteAsNewAction, pasteIntoAction},
        this);
    // The palette beside the editor is its child, so that the modal editor lets it work.
    drawingTools_ = new drawing::DrawingTools(services.prompts, services.cursors, *this, this);
    tiledPreview_ = new TiledPreview(this);
    mipmapPreview_ = new MipmapPreview(this);
    connectControls();
    normalMapTools_ = new NormalMapTools(*this, services.prompts, *operations_, work_);
    resize(900, 640);
}

BlurDialog* ElementEditor::blurDialog() const {
    return operations_->blurDialog();
}
ChannelDialog* ElementEditor::channelDialog() const {
    return operations_->channelDialog();
}
ResizeDialog* ElementEditor::resizeDialog() const {
    return operations_->resizeDialog();
}
pixels::ColourAdjustWindow* ElementEditor::colourWindow() const {
    return operations_->colourWindow();
}
int ElementEditor::zoom() const {
    return view_->zoom();
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
    offsetHalfButton = OperationButton(kOffsetHalfCaption, this);
    makeTileableButton = OperationButton(kMakeTileableCaption, this);
    undoButton = OperationButton(kUndoCaption, this);
    reloadButton = OperationButton(kReloadCaption, this);
    tiledPreviewButton = new QPushButton(kTiledPreviewCaption, this);
    tiledPreviewButton->setAutoDefault(false);

    auto* dimensionsGroup = new QGroupBox(kDimensionsCaption, this);
    dimensionsLabel = new QLabel(dimensionsGroup);
    dimensionsLabel->setAlignment(Qt::AlignCenter);
    dimensionsLabel->setMinimumWidth(70);
    dimensionsLabel->setAccessibleName(kDimensionsName);
    (new QHBoxLayout(dimensionsGroup))->addWidget(dimensionsLabel);

    auto* buttons = new QGridLayout;
    buttons->setSpacing(3);
    const QList<QPushButton*> panel = operationButtons() << undoButton << reloadButton;
    constexpr int kColumns = 8;
    for (int i = 0; i < panel.size(); ++i) buttons->addWidget(panel[i], i / kColumns, i % kColumns);
    auto* top = new QHBoxLayout;
    top->addLayout(buttons, 1);
    top->addWidget(view_->zoomGroup);
    top->addWidget(dimensionsGroup);
    auto* checks = new QVBoxLayout;
    checks->addWidget(view_->colourSwatch);
    checks->addWidget(view_->rulersCheck);
    checks->addWidget(tiledPreviewButton);
    top->addLayout(checks);

    QStatusBar* statusBar = widgets::NewStatusBar(this);
    statusPanels = widgets::AddNumberedStatusPanels(statusBar, kStatusPanelWidths);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addLayout(top);
    layout->addLayout(view_->area, 1);
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
    undoAction = editMenu->addAction(UndoStepCaption());
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    undoAction->setEnabled(false);
    redoAction = editMenu->addAction(kRedoStepCaption);
    redoAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    redoAction->setEnabled(false);
    editMenu->addSeparator();
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
    // What came after the menus of old goes into two menus, so that the bar fits a narrow
    // editor: the windows shown beside it, and the operations made for engines (the normal
    // map tools add theirs to both).
    viewMenu = bar->addMenu(kViewMenuCaption);
    // Brings the palette back after its close box closed it.
    drawingToolsAction = viewMenu->addAction(kDrawingToolsCaption);
    viewMenu->addSeparator();
    tiledPreviewAction = viewMenu->addAction(kTiledPreviewCaption);
    mipmapPreviewAction = viewMenu->addAction(kMipmapPreviewCaption);
    engineMenu = bar->addMenu(kEngineMenuCaption);
    colourKeyAction = engineMenu->addAction(kColourKeyCaption);
    flattenAction = engineMenu->addAction(kFlattenCaption);
    helpAction = bar->addAction(kHelpCaption);
    // The shortcuts work while the view has the focus, not only with the menu open.
    addActions({undoAction, redoAction, copyAction, copySelectionAction, pasteAsNewAction,
                pasteIntoAction});
    layout()->setMenuBar(bar);
}

void ElementEditor::connectControls() {
    EditorOperations* ops = operations_;
    const std::pair<QPushButton*, void (EditorOperations::*)()> handlers[] = {
        {rotateLeftButton, &EditorOperations::rotateLeft},
        {rotateRightButton, &EditorOperations::rotateRight},
        {symmetry2Button, &EditorOperations::makeTwoFaceSymmetry},
        {symmetry4Button, &EditorOperations::makeFourFaceSymmetry},
        {mirrorButton, &EditorOperations::mirror},
        {flipButton, &EditorOperations::flip},
        {doubleRightButton, &EditorOperations::doubleRight},
        {doubleDownButton, &EditorOperations::doubleDown},
        {swapChannelsButton, &EditorOperations::swapChannels},
        {greyButton, &EditorOperations::makeGrey},
        {negativeButton, &EditorOperations::makeNegative},
        {veilButton, &EditorOperations::addVeil},
        {fuseButton, &EditorOperations::fuseChannels},
        {adjustButton, &EditorOperations::adjustRgb},
        {blurButton, &EditorOperations::openBlur},
        {sharpenButton, &EditorOperations::sharpen},
        {softenButton, &EditorOperations::soften},
        {resizeButton, &EditorOperations::resizeElement},
        {embossButton, &EditorOperations::emboss},
        {contrastButton, &EditorOperations::adjustContrast},
        {offsetHalfButton, &EditorOperations::offsetHalf},
        {makeTileableButton, &EditorOperations::makeTileable},
        {undoButton, &EditorOperations::undo},
    };
    for (const auto& [button, slot] : handlers) connect(button, &QPushButton::clicked, ops, slot);
    connect(ops, &EditorOperations::pictureChanged, this, &ElementEditor::showWorkingPicture);
    connect(ops, &EditorOperations::historyChanged, this, &ElementEditor::showHistory);
    connect(undoAction, &QAction::triggered, ops, &EditorOperations::undo);
    connect(redoAction, &QAction::triggered, ops, &EditorOperations::redo);
    connect(tiledPreviewAction, &QAction::triggered, this, &ElementEditor::showTiledPreview);
    connect(tiledPreviewButton, &QPushButton::clicked, this, &ElementEditor::showTiledPreview);
    connect(this, &ElementEditor::pictureShown, tiledPreview_, &TiledPreview::showPicture);
    connect(this, &QDialog::finished, tiledPreview_, &QWidget::close);
    connect(mipmapPreviewAction, &QAction::triggered, this, &ElementEditor::showMipmapPreview);
    connect(this, &ElementEditor::pictureShown, mipmapPreview_, &MipmapPreview::showPicture);
    connect(this, &QDialog::finished, mipmapPreview_, &QWidget::close);
    connect(reloadButton, &QPushButton::clicked, this, &ElementEditor::reload);
    connect(colourKeyAction, &QAction::triggered, ops, &EditorOperations::makeColourTransparent);
    connect(flattenAction, &QAction::triggered, ops, &EditorOperations::removeTransparency);

    connect(view_->view, &widgets::ImageBox::mouseDown, this, &ElementEditor::pressOnView);
    connect(view_->view, &widgets::ImageBox::mouseMoved, this, &ElementEditor::moveOnView);
    connect(view_->view, &widgets::ImageBox::mouseUp, this, &ElementEditor::releaseOnView);

    connect(zones_, &ZoneTool::pointerTaken, this, [this] {
        setDrawingToolActive(false);
        emit drawingToolDropped();
    });
    connect(zones_, &ZoneTool::pasteDropped, this, [this](const QImage& pasted, QPoint at) {
        QImage merged = PasteInto(display_, pasted, at);
        operations_->run([&] { work_.load(merged); });
    });
    connect(zones_, &ZoneTool::pictureReplaced, this, [this](const QImage& picture) {
        // A step like every paste. The picture has no file of its own: nothing to reload.
        reloadPath_.clear();
        QImage replacement = picture;
        operations_->run([&] { work_.load(replacement); });
        showFileName();
    });
    connect(copyAction, &QAction::triggered, zones_, &ZoneTool::copyElement);
    connect(copySelectionAction, &QAction::triggered, zones_, &ZoneTool::copySelection);
    connect(pasteAsNewAction, &QAction::triggered, zones_, &ZoneTool::pasteAsNewPicture);
    connect(pasteIntoAction, &QAction::triggered, zones_, &ZoneTool::pasteIntoPicture);
    connect(zoneAction, &QAction::triggered, zones_, &ZoneTool::toggleZoneMode);

    connect(closeAndSaveAction, &QAction::triggered, this, &ElementEditor::closeAndSave);
    connect(closeAction, &QAction::triggered, this, &QDialog::close);
    connect(newElementAction, &QAction::triggered, this, &ElementEditor::newElement);
    connect(propertiesAction, &QAction::triggered, this, &ElementEditor::editProperties);
    connect(drawingToolsAction, &QAction::triggered, this, &ElementEditor::drawingToolsWanted);
    connect(helpAction, &QAction::triggered, this, &ElementEditor::helpWanted);
    connect(showTimer, &QTimer::timeout, this, &ElementEditor::finishShowing);

    drawing::DrawingTools* tools = drawingTools_;
    connect(this, &ElementEditor::drawingToolsWanted, tools,
            &drawing::DrawingTools::showBesideEditor);
    connect(this, &ElementEditor::drawingPressed, tools, &drawing::DrawingTools::pressOnPicture);
    connect(this, &ElementEditor::drawingMoved, tools, &drawing::DrawingTools::moveOnPicture);
    connect(this, &ElementEditor::drawingReleased, tools, &drawing::DrawingTools::releaseOnPicture);
    connect(this, &ElementEditor::colourPicked, tools, &drawing::DrawingTools::takePickedColour);
    connect(this, &ElementEditor::drawingToolDropped, tools, &drawing::DrawingTools::selectNoTool);
    connect(this, &QDialog::finished, tools, &drawing::DrawingTools::putAway);
}

QList<QPushButton*> ElementEditor::operationButtons() const {
    return {rotateLeftButton,   rotateRightButton, symmetry2Button,   symmetry4Button,
            mirrorButton,       flipButton,        doubleRightButton, doubleDownButton,
            swapChannelsButton, greyButton,        negativeButton,    veilButton,
            fuseButton,         adjustButton,      blurButton,        sharpenButton,
            softenButton,       resizeButton,      embossButton,      contrastButton,
            offsetHalfButton,   makeTileableButton};
}

// --- Hand-over, showing and closing ----------------------------------------------------

texture::EditResult ElementEditor::edit(const texture::ElementRequest& request) {
    begin(request);
    return runModal();
}

texture::EditResult ElementEditor::resume() {
    closeResult_ = texture::EditorResult::Closed;
    if (showDrawingTools_ || newElementMode_) emit drawingToolsWanted();
    showTimer->start();
    return runModal();
}

texture::EditResult ElementEditor::runModal() {
    exec();
    texture::EditResult answer;
    answer.result = closeResult_;
    answer.modified = modified();
    if (closeResult_ != texture::EditorResult::Closed) answer.picture = display_;
    return answer;
}

void ElementEditor::begin(const texture::ElementRequest& request) {
    services_.pacer.processEvents();
    closeResult_ = texture::EditorResult::Closed;
    newElementMode_ = request.newElementMode;
    // A new element has no file: "Recharger" would read another one in its place.
    reloadPath_ = newElementMode_ ? QString() : request.sourceFileName;
    showDrawingTools_ = request.showDrawingTools;
    // The history belongs to the element edited before: nothing here can bring it back.
    work_.discardUndo();
    showHistory();
    if (showDrawingTools_) {
        view_->view->update();
        emit drawingToolsWanted();
    }
    if (!newElementMode_) {
        display_ = request.picture;
        work_.load(display_);
        setOperationButtonsEnabled(true);
    } else {
        // The buttons wait for the first press with a drawing tool.
        display_ = BlankElement(request.settings.elementWidth, request.settings.elementHeight,
                                request.settings.backgroundColour, kNewElementCaption);
        work_.load(display_);
        emit drawingToolsWanted();
    }
    // The zoom kept from the last showing is the one presses are divided by: show it.
    showWorkingPicture();
    original_ = display_;
    showFileName();
    propertiesAction->setEnabled(true);
    showTimer->start();
}

void ElementEditor::finishShowing() {
    showTimer->stop();
    view_->view->update();
    showDimensions();
}

bool ElementEditor::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) zones_->clipboardChecked();
    return QDialog::event(event);
}

void ElementEditor::done(int result) {
    showTimer->stop();
    zones_->dropFloatingPaste();  // a paste still floating is given up with the window
    QDialog::done(result);
}

void ElementEditor::closeAndSave() {
    closeResult_ = texture::EditorResult::SaveAsked;
    close();
}

void ElementEditor::closeEvent(QCloseEvent* event) {
    if (closeResult_ == texture::EditorResult::Closed && modified()) {
        const platform::Answer answer = services_.prompts.message(
            platform::MessageKind::Confirmation, texture::kUnsavedElementQuestion,
            texture::kUnsavedElementButtons);
        if (answer == platform::Answer::Yes) {
            closeResult_ = texture::EditorResult::SaveConfirmed;
        } else if (answer != platform::Answer::No) {
            event->ignore();  // back to the editor, the edit intact
            return;
        }
    }
    QDialog::closeEvent(event);
}

void ElementEditor::keyPressEvent(QKeyEvent* event) {
    // Escape would close the window: one key too easily pressed to lose the work.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void ElementEditor::showFileName() {
    reloadButton->setEnabled(!reloadPath_.isEmpty() && QFileInfo(reloadPath_).isFile());
    // "*" after the name once the element differs from what the editor opened, as the main
    // window marks a modified page.
    const bool changed = modified();
    const QString mark = changed ? QStringLiteral("*") : QString();
    if (!reloadPath_.isEmpty())
        setWindowTitle(
            kTitleWithFile.arg(QString(kEditorTitle), QFileInfo(reloadPath_).fileName() + mark));
    else if (newElementMode_ || changed)
        setWindowTitle(kTitleWithFile.arg(QString(kEditorTitle), kUntitledName + mark));
    else
        setWindowTitle(kEditorTitle);
}

// --- The picture -----------------------------------------------------------------------

void ElementEditor::showWorkingPicture() {
    // Nothing else holds the picture while it is stored, so one of the same size is written
    // over in place: a fresh one costs more than the copy itself on a large element.
    view_->view->setPicture(QImage());
    tiledPreview_->dropHiddenPicture();
    try {
        work_.store(display_);
    } catch (...) {
        view_->showPicture(display_);  // memory refused: the element as it stood stays in view
        throw;
    }
    view_->showPicture(display_);
    showDimensions();
    showFileName();
    emit pictureShown(display_);
}

void ElementEditor::showHistory() {
    undoButton->setEnabled(work_.hasUndo());
    undoAction->setEnabled(work_.hasUndo());
    redoAction->setEnabled(work_.hasRedo());
}

void ElementEditor::showTiledPreview() {
    std::optional<QRect> palette;
    if (drawingTools_->isVisible()) palette = drawingTools_->frameGeometry();
    tiledPreview_->showPicture(display_);
    // The buttons end where the element's view begins.
    tiledPreview_->showBesideEditor(palette,
                                    view_->view->parentWidget()->mapToGlobal(QPoint()).y());
}

void ElementEditor::showMipmapPreview() {
    mipmapPreview_->show();
    mipmapPreview_->showPicture(display_);
    mipmapPreview_->raise();
}

void ElementEditor::replacePicture(const QImage& picture) {
    QImage replacement = picture;
    work_.load(replacement);
    showWorkingPicture();
}

void ElementEditor::showDimensions() {
    dimensionsLabel->setText(kDimensionsText.arg(display_.width()).arg(display_.height()));
}

void ElementEditor::setOperationButtonsEnabled(bool on) {
    for (QPushButton* button : operationButtons()) button->setEnabled(on);
}

void ElementEditor::reload() {
    platform::Guard(services_.prompts, [this] {
        // Read aside first: an unreadable file leaves the element as it is.
        QImage loaded;
        if (!imagefile::LoadImageByExtension(reloadPath_, loaded) || loaded.isNull()) {
            services_.prompts.warning(kReloadFailed);
            return;
        }
        operations_->run([&] { work_.load(loaded); });
    });
}

void ElementEditor::newElement() {
    platform::Guard(services_.prompts, [this] {
        if (!newElementDialog_->askNewElement()) return;
        const texture::NewElementSettings& s = services_.newElement;
        replacePicture(
            BlankElement(s.elementWidth, s.elementHeight, s.backgroundColour, kNewElementCaption));
        closeResult_ = texture::EditorResult::Closed;
        newElementMode_ = true;
        reloadPath_.clear();
        view_->setZoom(kMinZoom);
        showFileName();
        emit drawingToolsWanted();
        propertiesAction->setEnabled(true);
    });
}

void ElementEditor::editProperties() {
    platform::Guard(services_.prompts, [this] {
        if (!newElementDialog_->askSize(display_.size())) return;
        const texture::NewElementSettings& s = services_.newElement;
        replacePicture(
            CropOrExtend(display_, QSize(s.elementWidth, s.elementHeight), kNewElementCaption));
    });
}

void ElementEditor::takeTexture(const QImage& picture, const QString& path) {
    if (reloadPath_.isEmpty()) reloadPath_ = path;
    QImage texture = picture;
    operations_->run([&] { work_.load(texture); });
    showFileName();
    showTimer->start();
}

void ElementEditor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    view_->windowResized();
}

// --- The pointer on the view -----------------------------------------------------------

void ElementEditor::pressOnView(Qt::MouseButton button, QPoint pos) {
    platform::Guard(services_.prompts, [&] {
        const QPoint pixel = view_->pixelAt(pos);
        if (!IsOnPicture(pixel, work_.width(), work_.height())) return;
        pressForDrawing(button, pixel);
        zones_->press(button, pos);
    });
}

void ElementEditor::moveOnView(Qt::MouseButtons buttons, QPoint pos) {
    platform::Guard(services_.prompts, [&] {
        const QPoint pixel = view_->pixelAt(pos);
        if (pos.x() < 0 || pos.y() < 0 || !IsOnPicture(pixel, work_.width(), work_.height()))
            return;
        view_->followPointer(pos, pixel);
        moveForDrawing(buttons, pixel);
        statusPanels[1]->setText(kStatusPosition.arg(pixel.x()).arg(pixel.y()));
        zones_->move(buttons, pos);
    });
}

void ElementEditor::releaseOnView(Qt::MouseButton button, QPoint pos) {
    platform::Guard(services_.prompts, [&] {
        // Both also past the view's edge.
        if (drawingToolActive_)
            releaseForDrawing(button, view_->pixelAt(pos));
        else
            zones_->release(button, pos);
    });
}

// --- The drawing tools' side -----------------------------------------------------------

void ElementEditor::pressForDrawing(Qt::MouseButton button, QPoint pixel) {
    if (drawingToolActive_) {
        setOperationButtonsEnabled(true);
        emit drawingPressed(pixel, button);
    }
    if (colourPickPending_) {
        // A press without a move before it picks the pixel under the press: its colour only,
        // for the tools paint opaque.
        QColor colour =
            display_.pixelColor(ClampToPicture(pixel, display_.width(), display_.height()));
        colour.setAlpha(255);
        colourPickPending_ = false;
        emit colourPicked(colour);
    }
}

void ElementEditor::moveForDrawing(Qt::MouseButtons buttons, QPoint pixel) {
    if (colourPickPending_ && !display_.isNull())
        view_->showSwatch(
            display_.pixelColor(ClampToPicture(pixel, display_.width(), display_.height())));
    if (drawingToolActive_) emit drawingMoved(pixel, buttons);
}

void ElementEditor::releaseForDrawing(Qt::MouseButton button, QPoint pixel) {
    if (display_.isNull()) return;
    const bool onPicture = IsOnPicture(pixel, display_.width(), display_.height());
    emit drawingReleased(ClampToPicture(pixel, display_.width(), display_.height()), button,
                         onPicture);
}

void ElementEditor::setPointerCursor(const QCursor& cursor) {
    view_->view->setCursor(cursor);
}

void ElementEditor::keepUndoCopy() {
    work_.saveUndo();
    showHistory();
}

void ElementEditor::drawOnPicture(const std::function<void(QImage&)>& draw) {
    // The view and the preview share the shown picture: holding on, they would make each pencil
    // step copy the whole picture (24 MB for a large element) before it paints one pixel.
    view_->releasePicture();
    tiledPreview_->releasePicture();
    platform::Guard(services_.prompts, [&] { draw(display_); });
    platform::Guard(services_.prompts, [&] {
        view_->repaintPicture(display_);
        emit pictureShown(display_);
    });
}

void ElementEditor::pictureDrawn() {
    platform::Guard(services_.prompts, [this] {
        work_.load(display_);
        showHistory();
        showFileName();  // a stroke modifies the element too
        emit pictureShown(display_);
    });
}

}  // namespace tessella::editor
