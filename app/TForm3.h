#pragma once
// The about box: "A PROPOS", the product line, the version line and OK.

#include <QDialog>

#include "app/AppContext.h"

class QLabel;
class QPushButton;

namespace tessella::app {

class TForm3 : public QDialog {
    Q_OBJECT

  public:
    explicit TForm3(AppContext& context, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;  // the product and its use
    QLabel* Label2 = nullptr;  // the version line
    QPushButton* BtOK = nullptr;
};

}  // namespace tessella::app
