#pragma once
// "Largeur de la texture ?": the maximum width of a new page, 256 or 512.

#include <QDialog>

#include "texture/WidthQuestion.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace tessella::texture {

// Room beside a dialog's caption for the title bar's icon and buttons, so the caption shows
// whole.
inline constexpr int kTitleBarRoom = 110;

class PageWidthDialog final : public QDialog, public WidthQuestion {
    Q_OBJECT

  public:
    explicit PageWidthDialog(QWidget* parent = nullptr);

    // Shows the dialog modally and answers chosenWidth, or 0 when it was closed otherwise than
    // by "Fermer".
    int32_t askWidth() override;
    // Stores chosenWidth however the dialog closes.
    void done(int result) override;

    QLabel* questionLabel;
    QRadioButton* width256Radio;
    QRadioButton* width512Radio;
    QPushButton* closeButton;
    int32_t chosenWidth = 256;

  public slots:
    void acceptChoice();
};

}  // namespace tessella::texture
