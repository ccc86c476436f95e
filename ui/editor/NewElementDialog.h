#pragma once
// "Nouvel élément de texture": size and background colour of a new blank element.

#include <QDialog>

#include "texture/NewElementSettings.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace tessella::platform {
class Prompts;
}

namespace tessella::editor {

class NewElementDialog final : public QDialog {
    Q_OBJECT

  public:
    // settings lasts for the run; the dialog reads and changes it.
    NewElementDialog(texture::NewElementSettings& settings, platform::Prompts& prompts,
                     QWidget* parent = nullptr);

    // The colours of colourCombo, in order, with their names in the language in force.
    static std::vector<std::pair<QString, platform::ColourValue>> Colours();

    QLabel* widthLabel;  // ElementWidth
    QSpinBox* widthSpin;
    QLabel* heightLabel;  // ElementHeight
    QSpinBox* heightSpin;
    QComboBox* presetCombo;
    QWidget* colourGroup;
    QComboBox* colourCombo;
    QLabel* colourSwatch;  // the background swatch
    QPushButton* otherColourButton;
    QPushButton* okButton;
    QPushButton* cancelButton;

    // "Nouvel élément de texture": size and background; true on OK.
    bool askNewElement();
    // "Propriétés de l'image": the size only, starting from size; true on OK.
    bool askSize(QSize size);

  public slots:
    void applyWidth();
    void applyHeight();
    void applyPresetSize(int index);
    void applyListColour(int index);
    void chooseOtherColour();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showSizes();
    void showColour();

    texture::NewElementSettings& settings_;
    platform::Prompts& prompts_;
};

}  // namespace tessella::editor
