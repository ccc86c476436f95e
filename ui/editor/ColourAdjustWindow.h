#pragma once
// "Rouge/Vert/Bleu  Lumière, contraste": the modal window behind the editor's RGB correction,
// contrast and emboss. It previews the operation on a reduced copy of the working picture and
// leaves its settings for the editor, which applies them to the element on OK.

#include <QDialog>
#include <QImage>
#include <array>

#include "pixels/ColourAdjustment.h"
#include "platform/ColourValue.h"

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QToolButton;

namespace tessella::widgets {
class ImageBox;
class NumberLabel;
}  // namespace tessella::widgets
namespace tessella::platform {
class Prompts;
class ProgramFolder;
}  // namespace tessella::platform

namespace tessella::pixels {

class WorkingPicture;

class ColourAdjustWindow final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kPanelSide = 205;
    static constexpr int kTextureSide = 32;
    // The background palette, row by row, five swatches a row.
    static const std::array<platform::ColourValue, 20> kPalette;

    // Previews work's picture; background textures come from the program's folder.
    ColourAdjustWindow(platform::Prompts& prompts, const platform::ProgramFolder& program,
                       const WorkingPicture& work, QWidget* parent = nullptr);

    // Shown modally in the configuration of adjustment; true when closed with OK.
    bool ask(ColourAdjustment adjustment);
    // Everything ask does before the modal loop: the controls of the configuration, the
    // settings reset at each showing, the preview built and computed.
    void begin(ColourAdjustment adjustment);

    const ColourAdjustSettings& settings() const { return settings_; }
    // The emboss background texture: never empty (white until one is chosen).
    const QImage& texture() const { return texture_; }
    // Where the background textures are chosen from: "TextureFond" beside the program, or the
    // program's folder without it.
    QString textureFolder() const;
    // The chooser's picture becomes the emboss background (a null picture is refused with a
    // message and the previous texture kept); the emboss preview is recomputed.
    void setTexture(const QImage& texture, const QString& path);

    const PixelGrid& previewSource() const { return previewSource_; }
    const PixelGrid& previewResult() const { return previewResult_; }

    QFrame* previewPanel;
    widgets::ImageBox* preview;
    QCheckBox* zoomCheck;
    QPushButton* okButton;
    QPushButton* cancelButton;

    QGroupBox* correctionGroup;
    QScrollBar* redBar;
    QScrollBar* greenBar;
    QScrollBar* blueBar;
    QScrollBar* allChannelsBar;
    QScrollBar* contrastBar;
    widgets::NumberLabel* redLabel;
    widgets::NumberLabel* greenLabel;
    widgets::NumberLabel* blueLabel;
    widgets::NumberLabel* allChannelsLabel;
    widgets::NumberLabel* contrastLabel;
    QFrame* progressivePanel;
    QCheckBox* progressiveCheck;
    // In the order of RgbDirectionFromIndex(1..8).
    std::array<QToolButton*, 8> directionButtons{};

    QGroupBox* embossGroup;
    QRadioButton* plainEmbossRadio;
    QRadioButton* strongInvertedEmbossRadio;
    QScrollBar* thresholdBar;
    widgets::NumberLabel* thresholdLabel;
    QGroupBox* backgroundChoiceGroup;
    QRadioButton* noBackgroundRadio;
    QRadioButton* colouredRadio;
    QRadioButton* texturedRadio;
    widgets::ImageBox* textureThumbnail;

    QGroupBox* backgroundGroup;
    std::array<QToolButton*, 20> paletteButtons{};
    QPushButton* otherColourButton;
    QLabel* chosenColourSwatch;
    QLabel* hexLabel;
    QScrollBar* saturationBar;
    QPushButton* textureButton;

  signals:
    // A background texture is wanted from folder; the chooser answers through setTexture.
    void textureWanted(const QString& folder);

  public slots:
    void setRedPercent(int percent);
    void setGreenPercent(int percent);
    void setBluePercent(int percent);
    // Moves the three channel bars together.
    void setAllChannels(int percent);
    void setContrastAmount(int amount);
    // index 1..8; without "Correction progressive" the correction stays uniform.
    void chooseDirection(int index);
    // Unticked, the correction becomes uniform again.
    void setProgressive(bool on);
    // Takes the emboss controls into the settings and recomputes the preview.
    void updateEmboss();
    void chooseBackground();
    void choosePaletteColour(int index);
    void chooseOtherColour();
    // The catalogue, or the file dialog without one, on the texture folder.
    void chooseTexture();
    // The preview's size and place for the zoom.
    void fitPreview();

  private:
    void buildControls();
    QGroupBox* buildCorrectionGroup();
    QGroupBox* buildEmbossGroup();
    QGroupBox* buildBackgroundGroup();
    void connectControls();
    void configure(ColourAdjustment adjustment);
    void resetRgb();
    void buildPreview();
    // Runs adjustment on the preview and shows it.
    void recompute(ColourAdjustment adjustment);
    void showPreview(int rows);
    void showBackgroundColour(platform::ColourValue colour);
    void setBackgroundColour(platform::ColourValue colour);

    platform::Prompts& prompts_;
    const platform::ProgramFolder& program_;
    const WorkingPicture& work_;
    ColourAdjustSettings settings_;
    QImage texture_;
    PixelGrid previewSource_;
    PixelGrid previewResult_;
    QButtonGroup* directionGroup_;
    QButtonGroup* backgroundChoice_;
};

}  // namespace tessella::pixels
