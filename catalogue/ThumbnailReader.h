#pragma once
// The catalogue's pictures, read on a worker thread so that the window shows at once and fills
// its boxes as they arrive, and kept while each file is unchanged (same modification time and
// size), so that a page seen before shows without reading anything.

#include <QDateTime>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <cstddef>
#include <optional>

namespace tessella::catalogue {

// Reads one catalogue file; a null picture when it cannot be read as a picture.
QImage ReadCatalogueFile(const QString& path);

class ThumbnailReader final : public QObject {
    Q_OBJECT

  public:
    // Pictures beyond this many bytes push out the ones read first.
    static constexpr std::size_t kKeptBytes = std::size_t{256} << 20;

    explicit ThumbnailReader(QObject* parent = nullptr);
    // Waits for the read under way; the ones still queued are dropped.
    ~ThumbnailReader() override;

    // The picture of path as last read (null when it could not be read), when the file has not
    // changed since; nothing when it has, or when it was never read.
    std::optional<QImage> kept(const QString& path) const;
    // Reads in the background, in order, the files not kept and not already on their way;
    // urgent ones go before the others. Each one read is announced by thumbnailRead.
    void request(const QStringList& paths, bool urgent);
    // Waits until every file asked for is read and announced.
    void waitForAll();

  signals:
    void thumbnailRead(const QString& path);

  private:
    struct Stamp {
        QDateTime modified;
        qint64 size = -1;
        friend bool operator==(const Stamp&, const Stamp&) = default;
    };
    struct Entry {
        Stamp stamp;
        QImage picture;
    };
    static Stamp StampOf(const QString& path);
    static std::size_t BytesOf(const QImage& picture);
    void keep(const QString& path, const Stamp& stamp, const QImage& picture);

    QThreadPool pool_;
    QHash<QString, Entry> kept_;
    QStringList keptOrder_;  // oldest first, for the byte limit
    std::size_t keptBytes_ = 0;
    QSet<QString> onTheirWay_;
};

}  // namespace tessella::catalogue
