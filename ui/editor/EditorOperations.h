#pragma once
// The element editor's operations on the shared working picture, each in one pattern: a step
// of the history, operation, then pictureChanged so the editor stores and shows the result at its
// zoom. On a fault the picture and the undo copy are left as they were.

#include <QObject>
#include <functional>

#include "pixels/Blur.h"
#include "platform/ColourValue.h"

class QWidget;

namespace tessella::pixels {
class ColourAdjustWindow;
class WorkingPicture;
enum class ColourAdjustment;
}  // namespace tessella::pixels
namespace tessella::platform {
class Prompts;
class ProgramFolder;
}  // namespace tessella::platform

namespace tessella::editor {

class BlendBandDialog;
class BlurDialog;
class ChannelDialog;
class ColourKeyDialog;
class ResizeDialog;

class EditorOperations final : public QObject {
    Q_OBJECT

  public:
    // The dialogs the operations ask through are made children of window.
    EditorOperations(platform::Prompts& prompts, const platform::ProgramFolder& programFolder,
                     pixels::WorkingPicture& work, QWidget* window);

    // Runs op on the working picture in the common pattern.
    void run(const std::function<void()>& op);

    BlurDialog* blurDialog() const { return blurDialog_; }
    ChannelDialog* channelDialog() const { return channelDialog_; }
    ResizeDialog* resizeDialog() const { return resizeDialog_; }
    BlendBandDialog* blendBandDialog() const { return blendBandDialog_; }
    ColourKeyDialog* colourKeyDialog() const { return colourKeyDialog_; }
    pixels::ColourAdjustWindow* colourWindow() const { return colourWindow_; }

  signals:
    // The working picture changed: the editor shows it.
    void pictureChanged();
    // The history gained or lost a step: what "Défaire", "Annuler" and "Rétablir" offer.
    void historyChanged();

  public slots:
    void rotateLeft();
    void rotateRight();
    void makeTwoFaceSymmetry();
    void makeFourFaceSymmetry();
    void mirror();
    void flip();
    void doubleRight();
    void doubleDown();
    void swapChannels();
    void makeGrey();
    void makeNegative();
    void addVeil();
    void fuseChannels();
    void sharpen();
    void soften();
    void openBlur();
    // The colour adjustment window's operations, applied to the element on its OK.
    void adjustRgb();
    void adjustContrast();
    void emboss();
    void resizeElement();
    // "Décaler de moitié": moved by half its size with wrap-around, the seams to the middle.
    void offsetHalf();
    // "Rendre raccordable", with the band asked first.
    void makeTileable();
    // "Couleur transparente…": the colour and tolerance asked, then the colour key.
    void makeColourTransparent();
    // "Supprimer la transparence…": the background colour asked (white at first), then the
    // picture blended over it; an opaque picture is only told so.
    void removeTransparency();
    // One step back, or forward again; nothing when there is none.
    void undo();
    void redo();
    void applyBlurStep(pixels::BlurVariant variant);
    // The blur window's "Défaire": the element as it was before this showing's steps.
    void undoBlurSteps();

  private:
    // Shows the colour adjustment window in adjustment's configuration; on OK its settings
    // are applied to the element in the common pattern.
    void adjustColours(pixels::ColourAdjustment adjustment);

    platform::Prompts& prompts_;
    pixels::WorkingPicture& work_;
    QWidget* window_;
    BlurDialog* blurDialog_;
    ChannelDialog* channelDialog_;
    ResizeDialog* resizeDialog_;
    BlendBandDialog* blendBandDialog_;
    ColourKeyDialog* colourKeyDialog_;
    pixels::ColourAdjustWindow* colourWindow_;
    platform::ColourValue veilColour_{};
    platform::ColourValue flattenColour_ = platform::kWhite;
    bool blurStepTaken_ = false;
};

}  // namespace tessella::editor
