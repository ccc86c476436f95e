#pragma once
// The splash window: borderless, on top, centred, a 332 x 313 client area framed by a raised
// bevel, showing the "Splash" JPEG picture of the program's resources.

#include <QWidget>

#include "app/AppContext.h"

class QFrame;

namespace tessella::app {

class ImageBox;

class SplashScreen : public QWidget {
    Q_OBJECT

  public:
    static constexpr int kClientWidth = 332;
    static constexpr int kClientHeight = 313;

    explicit SplashScreen(AppContext& context, QWidget* parent = nullptr);

    QFrame* bevel = nullptr;
    ImageBox* picture = nullptr;

  public slots:
    // Reads the "Splash" resource and decodes it as JPEG into the image.
    void showSplashPicture();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    AppContext& context_;
};

}  // namespace tessella::app
