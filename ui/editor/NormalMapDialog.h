#pragma once
// "Carte de normales…": the strength and the convention of the normal map that replaces the
// element, with the map shown as they change. The editor applies it on OK.

#include <QDialog>
#include <optional>

#include "editor/NormalMap.h"
#include "pixels/WorkingPicture.h"

class QCheckBox;
class QDoubleSpinBox;
class QPushButton;

namespace tessella::platform {
class Prompts;
}
namespace tessella::widgets {
class ImageBox;
}

namespace tessella::editor {

class NormalMapDialog final : public QDialog {
    Q_OBJECT

  public:
    // The preview's longer side, in pixels.
    static constexpr int kPreviewSide = 256;

    NormalMapDialog(platform::Prompts& prompts, QWidget* parent = nullptr);

    // Shows the window over element's map; answers the settings chosen with OK. Cancel puts
    // back the settings the window opened with.
    std::optional<NormalMapSettings> ask(const pixels::PixelGrid& element);
    NormalMapSettings settings() const;

    QDoubleSpinBox* strengthSpin;
    QCheckBox* directXCheck;
    widgets::ImageBox* previewBox;
    QPushButton* okButton;
    QPushButton* cancelButton;

  signals:
    // As the strength is chosen, and when Cancel puts the previous one back.
    void strengthChanged(double strength);

  private:
    void showPreview();

    platform::Prompts& prompts_;
    const pixels::PixelGrid* element_ = nullptr;
    pixels::WorkingPicture map_;
};

}  // namespace tessella::editor
