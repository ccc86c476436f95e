#include "ui/app/SplashScreen.h"

#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "imagefile/JpegDecoder.h"
#include "platform/Error.h"
#include "platform/Guard.h"
#include "platform/Prompts.h"
#include "ui/widgets/ImageBox.h"
#include "ui/widgets/Resources.h"

namespace tessella::app {

SplashScreen::SplashScreen(platform::Prompts& prompts, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      prompts_(prompts) {
    setFixedSize(kClientWidth, kClientHeight);
    bevel = new QFrame(this);
    bevel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bevel->setLineWidth(2);
    auto* inner = new QVBoxLayout(bevel);
    inner->setContentsMargins(0, 0, 0, 0);
    picture = new ImageBox(bevel);
    picture->setAutoSize(true);
    picture->setAccessibleName(QStringLiteral("TESSELLA"));
    picture->setCenter(true);
    inner->addWidget(picture, 0, Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bevel);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void SplashScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    showSplashPicture();
}

void SplashScreen::showSplashPicture() {
    platform::Guard(prompts_, [this] {
        widgets::EnsureResources();
        QFile file(QStringLiteral(":/Splash"));
        if (!file.open(QIODevice::ReadOnly))
            throw platform::TessellaError(tr("Image d'accueil introuvable"));
        picture->setPicture(imagefile::DecodeJpeg(file.readAll()));
    });
}

}  // namespace tessella::app
