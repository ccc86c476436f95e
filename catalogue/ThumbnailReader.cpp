#include "catalogue/ThumbnailReader.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>

#include "imagefile/ImageLoader.h"
#include "platform/Error.h"

namespace tessella::catalogue {

QImage ReadCatalogueFile(const QString& path) {
    QImage picture;
    try {
        if (!imagefile::LoadImageByExtension(path, picture)) return {};
    } catch (const platform::TessellaError&) {
        return {};
    } catch (const std::bad_alloc&) {
        return {};
    }
    return picture.width() > 0 && picture.height() > 0 ? picture : QImage();
}

ThumbnailReader::ThumbnailReader(QObject* parent) : QObject(parent) {
    // One file at a time: the current page's files arrive in the order of its boxes.
    pool_.setMaxThreadCount(1);
}

ThumbnailReader::~ThumbnailReader() {
    pool_.clear();
    pool_.waitForDone();
}

ThumbnailReader::Stamp ThumbnailReader::StampOf(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return {};
    return {info.lastModified(), info.size()};
}

std::size_t ThumbnailReader::BytesOf(const QImage& picture) {
    return static_cast<std::size_t>(picture.sizeInBytes());
}

std::optional<QImage> ThumbnailReader::kept(const QString& path) const {
    const auto found = kept_.constFind(path);
    if (found == kept_.constEnd() || !(found->stamp == StampOf(path))) return std::nullopt;
    return found->picture;
}

void ThumbnailReader::request(const QStringList& paths, bool urgent) {
    for (const QString& path : paths) {
        if (onTheirWay_.contains(path) || kept(path)) continue;
        onTheirWay_.insert(path);
        pool_.start(
            [this, path] {
                // The stamp before the reading: a file changed meanwhile is read again later.
                const Stamp stamp = StampOf(path);
                const QImage picture = ReadCatalogueFile(path);
                QMetaObject::invokeMethod(
                    this, [this, path, stamp, picture] { keep(path, stamp, picture); },
                    Qt::QueuedConnection);
            },
            urgent ? 1 : 0);
    }
}

void ThumbnailReader::keep(const QString& path, const Stamp& stamp, const QImage& picture) {
    onTheirWay_.remove(path);
    if (const auto old = kept_.constFind(path); old != kept_.constEnd()) {
        keptBytes_ -= BytesOf(old->picture);
        keptOrder_.removeOne(path);
    }
    kept_.insert(path, Entry{stamp, picture});
    keptOrder_.append(path);
    keptBytes_ += BytesOf(picture);
    // The newest picture stays, however large.
    while (keptBytes_ > kKeptBytes && keptOrder_.size() > 1) {
        const QString oldest = keptOrder_.takeFirst();
        keptBytes_ -= BytesOf(kept_.take(oldest).picture);
    }
    emit thumbnailRead(path);
}

void ThumbnailReader::waitForAll() {
    while (!onTheirWay_.isEmpty()) {
        pool_.waitForDone();
        QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    }
}

}  // namespace tessella::catalogue
