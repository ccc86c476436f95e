#pragma once
// "Largeur de la texture ?": the maximum width of a new page, 256 or 512.

#include <QDialog>

#include "texture/WidthQuestion.h"

class QPushButton;
class QRadioButton;

namespace tessella::texture {

class TFicheConfirmeLargeur final : public QDialog, public WidthQuestion {
    Q_OBJECT

  public:
    explicit TFicheConfirmeLargeur(QWidget* parent = nullptr);

    // Shows the dialog modally and answers ChosenWidth.
    int32_t askWidth() override;
    // Stores ChosenWidth however the dialog closes.
    void done(int result) override;

    QRadioButton* RadioButton256;
    QRadioButton* RadioButton512;
    QPushButton* BtFermer;
    int32_t ChosenWidth = 256;

  public slots:
    void BtFermerClick();
};

}  // namespace tessella::texture
