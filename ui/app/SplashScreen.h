#pragma once
// The splash window: borderless, on top, centred, a 332 x 313 client area framed by a raised
// bevel, showing the "Splash" JPEG picture of the program's resources.

#include <QWidget>

class QFrame;

namespace tessella::platform {
class Prompts;
}
namespace tessella::widgets {
class ImageBox;
}

namespace tessella::app {

using widgets::ImageBox;

class SplashScreen : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 332;
    static constexpr int kClientHeight = 313;

    explicit SplashScreen(platform::Prompts& prompts, QWidget* parent = nullptr);

    QFrame* bevel = nullptr;
    ImageBox* picture = nullptr;

  public slots:
    // Reads the "Splash" resource and decodes it as JPEG into the image.
    void showSplashPicture();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    platform::Prompts& prompts_;
};

}  // namespace tessella::app
