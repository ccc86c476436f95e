#pragma once
// The help window: the program's "Tessella.rtf", or "Tessella_en.rtf" in English, in a read-only
// rich-text box, reloaded each time the window is shown, with "Imprimer" and "Fermer".

#include <QMainWindow>

#include <QString>

class QTextEdit;
class QAction;

namespace tessella::platform {
class Prompts;
}

namespace tessella::app {

class HelpWindow : public QMainWindow {
    Q_OBJECT

  public:
    static constexpr int kWidth = 592;
    static constexpr int kHeight = 364;

    // Shows helpFile (the French help), or the one of the current language beside it, read
    // again at each showing.
    HelpWindow(platform::Prompts& prompts, QString helpFile, QWidget* parent = nullptr);

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
    platform::Prompts& prompts_;
    QString helpFile_;
};

}  // namespace tessella::app
