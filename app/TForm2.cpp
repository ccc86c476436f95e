#include "app/TForm2.h"

#include <QFile>
#include <QFrame>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "app/ImageBox.h"
#include "app/Resources.h"
#include "imagefile/JpegDecoder.h"
#include "platform/Error.h"
#include "platform/Guard.h"

namespace tessella::app {

TForm2::TForm2(AppContext& context, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      context_(context) {
    setFixedSize(kClientWidth, kClientHeight);
    Bevel1 = new QFrame(this);
    Bevel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Bevel1->setLineWidth(2);
    auto* inner = new QVBoxLayout(Bevel1);
    inner->setContentsMargins(0, 0, 0, 0);
    Image1 = new ImageBox(Bevel1);
    Image1->setAutoSize(true);
    Image1->setCenter(true);
    inner->addWidget(Image1, 0, Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Bevel1);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect r(QPoint(0, 0), size());
        r.moveCenter(screen->availableGeometry().center());
        move(r.topLeft());
    }
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormShow();
}

void TForm2::FormShow() {
    platform::Guard(context_.prompts, [this] {
        EnsureResources();
        QFile file(QStringLiteral(":/Splash"));
        if (!file.open(QIODevice::ReadOnly))
            throw platform::TessellaError(QStringLiteral("Image d'accueil introuvable"));
        Image1->setPicture(imagefile::DecodeJpeg(file.readAll()));
    });
}

}  // namespace tessella::app
