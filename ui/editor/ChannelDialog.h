#pragma once
// "Paramètre de couleur": one channel swap or one channel fusion for the element, the editor
// enabling only the group it asks for.

#include <QDialog>
#include <optional>

#include "editor/Filters.h"

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace tessella::editor {

class ChannelDialog final : public QDialog {
    Q_OBJECT

  public:
    static constexpr int kWidth = 208;
    static constexpr int kHeight = 263;

    explicit ChannelDialog(QWidget* parent = nullptr);

    // Shown modally with only the swap group enabled; the swap chosen when closed with OK.
    std::optional<ChannelOperation> askSwap();
    // Shown modally with only the fusion group enabled; the pair chosen when closed with OK.
    std::optional<ChannelPair> askFusion();

    // The index chosen in each group at the last OK, or -1 (none chosen, or not OK).
    int swapChoice() const { return swapChoice_; }
    int fusionChoice() const { return fusionChoice_; }

    QGroupBox* swapGroup;
    QRadioButton* swapRedBlueRadio;
    QRadioButton* swapGreenBlueRadio;
    QRadioButton* swapRedGreenRadio;
    QGroupBox* fuseGroup;
    QRadioButton* fuseRedBlueRadio;
    QRadioButton* fuseGreenBlueRadio;
    QRadioButton* fuseRedGreenRadio;
    QPushButton* okButton;

  public slots:
    // Both results take their group's choice.
    void acceptChoices();

  private:
    // Clears both groups and results, enables the one asked for and shows the dialog.
    void showFor(QGroupBox* group);

    QButtonGroup* swapButtons_;
    QButtonGroup* fuseButtons_;
    int swapChoice_ = -1;
    int fusionChoice_ = -1;
};

}  // namespace tessella::editor
