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

namespace tessella::texture {

class TFicheNouveau final : public QDialog {
    Q_OBJECT

  public:
    // settings lasts for the run; the dialog reads and changes it.
    TFicheNouveau(NewElementSettings& settings, platform::Prompts& prompts,
                  QWidget* parent = nullptr);

    // The colours of ColorBox1, in order, with their names.
    static const std::vector<std::pair<QString, platform::ColourValue>>& Colours();

    QLabel* StaticText1;  // ElementWidth
    QSpinBox* UpDown1;
    QLabel* StaticText2;  // ElementHeight
    QSpinBox* UpDown2;
    QComboBox* ComboBox1;
    QComboBox* ColorBox1;
    QLabel* Label4;  // the background swatch
    QPushButton* BtAutre;
    QPushButton* BtOK;
    QPushButton* BtAnnuler;

  public slots:
    void UpDown1Click();
    void UpDown2Click();
    void ComboBox1Change(int index);
    void ColorBox1Change(int index);
    void BtAutreClick();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void showSizes();
    void showColour();

    NewElementSettings& settings_;
    platform::Prompts& prompts_;
};

}  // namespace tessella::texture
