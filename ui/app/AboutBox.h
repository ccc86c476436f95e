#pragma once
// The about box: "À PROPOS", the product line, the version line and OK.

#include <QDialog>

class QLabel;
class QPushButton;

namespace tessella::app {

class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);

    QLabel* productLabel = nullptr;  // the product and its use
    QLabel* versionLabel = nullptr;  // the version line
    QPushButton* okButton = nullptr;
};

}  // namespace tessella::app
