#include "ui/editor/EditorOperations.h"

#include <QPushButton>
#include <QWidget>

#include "editor/Filters.h"
#include "editor/Geometry.h"
#include "editor/Resize.h"
#include "editor/Seamless.h"
#include "editor/Transparency.h"
#include "pixels/WorkingPicture.h"
#include "platform/Guard.h"
#include "platform/Prompts.h"
#include "ui/editor/BlurDialog.h"
#include "ui/editor/ChannelDialog.h"
#include "ui/editor/ColourAdjustWindow.h"
#include "ui/editor/ColourKeyDialog.h"
#include "ui/editor/EditorTexts.h"
#include "ui/editor/ResizeDialog.h"
#include "ui/editor/TiledPreview.h"

namespace tessella::editor {

EditorOperations::EditorOperations(platform::Prompts& prompts,
                                   const platform::ProgramFolder& programFolder,
                                   pixels::WorkingPicture& work, QWidget* window)
    : QObject(window),
      prompts_(prompts),
      work_(work),
      window_(window),
      blurDialog_(new BlurDialog(window)),
      channelDialog_(new ChannelDialog(window)),
      resizeDialog_(new ResizeDialog(prompts, window)),
      blendBandDialog_(new BlendBandDialog(window)),
      colourKeyDialog_(new ColourKeyDialog(window)),
      colourWindow_(new pixels::ColourAdjustWindow(prompts, programFolder, work, window)) {}

void EditorOperations::run(const std::function<void()>& op) {
    platform::Guard(prompts_, [&] {
        pixels::WorkingPicture::SavedStep previous = work_.saveUndo();
        try {
            op();
        } catch (...) {
            work_.putBackUndo(std::move(previous));
            throw;
        }
        emit pictureChanged();
        emit historyChanged();
    });
}

// --- Geometry and filters --------------------------------------------------------------

void EditorOperations::rotateLeft() {
    run([this] { RotateQuarter(work_, Turn::CounterClockwise); });
}

void EditorOperations::rotateRight() {
    run([this] { RotateQuarter(work_, Turn::Clockwise); });
}

void EditorOperations::makeTwoFaceSymmetry() {
    run([this] { MakeSymmetric(work_, Symmetry::TwoFaces); });
}

void EditorOperations::makeFourFaceSymmetry() {
    run([this] { MakeSymmetric(work_, Symmetry::FourFaces); });
}

void EditorOperations::mirror() {
    run([this] { MirrorHorizontal(work_); });
}

void EditorOperations::flip() {
    run([this] { FlipVertical(work_); });
}

void EditorOperations::doubleRight() {
    run([this] { DoubleTile(work_, TileDirection::Right); });
}

void EditorOperations::doubleDown() {
    run([this] { DoubleTile(work_, TileDirection::Down); });
}

void EditorOperations::makeGrey() {
    run([this] { ApplyChannelOperation(work_, ChannelOperation::Grey); });
}

void EditorOperations::makeNegative() {
    run([this] { ApplyChannelOperation(work_, ChannelOperation::Negative); });
}

void EditorOperations::sharpen() {
    run([this] { SharpenSoften(work_, Sharpness::Sharpen); });
}

void EditorOperations::soften() {
    run([this] { SharpenSoften(work_, Sharpness::Soften); });
}

void EditorOperations::swapChannels() {
    if (const auto swap = channelDialog_->askSwap())
        run([&] { ApplyChannelOperation(work_, *swap); });
}

void EditorOperations::fuseChannels() {
    if (const auto pair = channelDialog_->askFusion()) run([&] { FuseChannels(work_, *pair); });
}

void EditorOperations::addVeil() {
    std::optional<platform::ColourValue> colour;
    if (!platform::Guard(prompts_, [&] { colour = prompts_.chooseColour(veilColour_); }) || !colour)
        return;
    veilColour_ = *colour;
    run([&] { AddVeil(work_, *colour); });
}

// --- Blur ------------------------------------------------------------------------------

void EditorOperations::openBlur() {
    blurStepTaken_ = false;
    blurDialog_->undoButton->setEnabled(false);
    blurDialog_->move(window_->pos() + BlurDialog::kOffsetFromEditor);
    const auto step =
        connect(blurDialog_, &BlurDialog::stepRequested, this, &EditorOperations::applyBlurStep);
    const auto back =
        connect(blurDialog_, &BlurDialog::undoRequested, this, &EditorOperations::undoBlurSteps);
    blurDialog_->exec();
    disconnect(step);
    disconnect(back);
    emit historyChanged();
}

void EditorOperations::undoBlurSteps() {
    platform::Guard(prompts_, [this] {
        // Only this showing's step: the steps before the window stay for "Annuler".
        if (!blurStepTaken_) return;
        work_.undo();
        blurStepTaken_ = false;
        blurDialog_->undoButton->setEnabled(false);
        emit pictureChanged();
        emit historyChanged();
    });
}

void EditorOperations::applyBlurStep(pixels::BlurVariant variant) {
    platform::Guard(prompts_, [&] {
        // One step of the history for all the blur steps of a showing, taken only once there
        // is a blur step, so closing the window without one adds nothing.
        if (!blurStepTaken_) {
            work_.saveUndo();
            blurStepTaken_ = true;
            blurDialog_->undoButton->setEnabled(true);
        }
        pixels::Blur(work_.image(), variant);
        emit pictureChanged();
        emit historyChanged();
    });
}

// --- Colour adjustment window ----------------------------------------------------------

void EditorOperations::adjustRgb() {
    adjustColours(pixels::ColourAdjustment::Rgb);
}

void EditorOperations::adjustContrast() {
    adjustColours(pixels::ColourAdjustment::Contrast);
}

void EditorOperations::emboss() {
    adjustColours(pixels::ColourAdjustment::Emboss);
}

void EditorOperations::adjustColours(pixels::ColourAdjustment adjustment) {
    // Cancel leaves the element and the undo copy as they were.
    if (!colourWindow_->ask(adjustment)) return;
    run([&] {
        pixels::PixelGrid& picture = work_.image();
        pixels::ApplyColourAdjustment(adjustment, colourWindow_->settings(),
                                      colourWindow_->texture(), picture, picture, picture.width(),
                                      picture.height());
    });
}

// --- Resize and undo -------------------------------------------------------------------

void EditorOperations::resizeElement() {
    const QSize current(work_.width(), work_.height());
    const std::optional<QSize> size = resizeDialog_->ask(current);
    // The same size changes nothing, and no size below 1 gets as far as the undo copy.
    if (!size || *size == current || size->width() < 1 || size->height() < 1) return;
    run([&] { ResizeNearest(work_, size->width(), size->height()); });
}

void EditorOperations::undo() {
    platform::Guard(prompts_, [this] {
        if (!work_.undo()) return;
        emit pictureChanged();
        emit historyChanged();
    });
}

void EditorOperations::redo() {
    platform::Guard(prompts_, [this] {
        if (!work_.redo()) return;
        emit pictureChanged();
        emit historyChanged();
    });
}

// --- Seamless textures -----------------------------------------------------------------

void EditorOperations::offsetHalf() {
    run([this] { OffsetWrap(work_, work_.width() / 2, work_.height() / 2); });
}

void EditorOperations::makeTileable() {
    const std::optional<int> band = blendBandDialog_->ask(QSize(work_.width(), work_.height()));
    if (!band) return;
    run([&] { MakeTileable(work_, *band); });
}

// --- Transparency ------------------------------------------------------------------------

void EditorOperations::makeColourTransparent() {
    const std::optional<ColourKeyDialog::Choice> choice = colourKeyDialog_->ask();
    if (!choice) return;
    run([&] { MakeColourTransparent(work_, choice->colour, choice->tolerance); });
}

void EditorOperations::removeTransparency() {
    if (!work_.image().hasAlpha()) {
        platform::Guard(prompts_, [this] { prompts_.information(kNoTransparency); });
        return;
    }
    std::optional<platform::ColourValue> colour;
    if (!platform::Guard(prompts_, [&] { colour = prompts_.chooseColour(flattenColour_); }) ||
        !colour)
        return;
    flattenColour_ = *colour;
    run([&] { FlattenOnto(work_, *colour); });
}

}  // namespace tessella::editor
