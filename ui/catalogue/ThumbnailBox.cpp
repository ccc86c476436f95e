#include "ui/catalogue/ThumbnailBox.h"

#include "catalogue/CataloguePaging.h"
#include "ui/catalogue/CatalogueTexts.h"
#include "ui/widgets/ImageBox.h"

namespace tessella::catalogue {

ThumbnailBox::ThumbnailBox(int number, QWidget* parent) : QGroupBox(kEmptyBoxCaption, parent) {
    picture = new widgets::ImageBox(this);
    picture->setStretch(true);
    picture->setCenter(true);
    picture->setCursor(Qt::PointingHandCursor);
    picture->setAccessibleName(kThumbnailName.arg(number));
    picture->hide();
    connect(picture, &widgets::ImageBox::mouseDown, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton) emit clicked(this);
    });
    connect(picture, &widgets::ImageBox::doubleClicked, this, [this] { emit doubleClicked(this); });
}

void ThumbnailBox::showFile(const QString& fileName, int index, const QImage& image,
                            bool zoomSmall) {
    picture->setPicture(image);
    setTitle(fileName);
    fileIndex_ = index;
    dimensionText_ = kDimensionText.arg(image.width()).arg(image.height());
    refit(zoomSmall);
    picture->show();
}

void ThumbnailBox::clear() {
    picture->setPicture(QImage());
    picture->hide();
    setTitle(kEmptyBoxCaption);
}

void ThumbnailBox::refit(bool zoomSmall) {
    const QRect place = FitThumbnail(picture->picture().size(), zoomSmall);
    picture->move(place.topLeft());
    picture->setBoxSize(place.width(), place.height());
}

bool ThumbnailBox::isEmpty() const {
    return picture->picture().isNull();
}

}  // namespace tessella::catalogue
