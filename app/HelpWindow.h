#pragma once
// The help window: the program's "Tessella.rtf" in a read-only rich-text box, reloaded each
// time the window is shown, with "Imprimer" and "Fermer".

#include <QMainWindow>

#include "app/AppContext.h"

class QTextEdit;
class QAction;

namespace tessella::app {

class HelpWindow : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 592;
    static constexpr int kHeight = 364;

    explicit HelpWindow(AppContext& context, QWidget* parent = nullptr);

    QTextEdit* helpText = nullptr;
    QAction* printAction = nullptr;
    QAction* closeAction = nullptr;

  public slots:
    // Loads the help file when it exists; otherwise the box keeps what it holds.
    void loadHelpFile();
    void printHelp();
    void closeHelp();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    AppContext& context_;
};

}  // namespace tessella::app
