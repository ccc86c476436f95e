#pragma once
// Files are written beside their target and renamed over it only when complete and on disk, so
// a failed write (full disk, lost rights, a network share refusing the data at close) never
// leaves the user with less than they had. The temporary file has no name until it is whole
// where the file system allows it, so a run killed while writing leaves nothing behind.

#include <sys/types.h>
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <cstddef>
#include <functional>
#include <limits>

namespace tessella::platform {

// Where a file's bytes go while it is being written. write() throws TessellaError when the disk
// refuses them.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual void write(const char* data, std::size_t size) = 0;
    void write(const QByteArray& bytes) { write(bytes.constData(), std::size_t(bytes.size())); }
};

// Writes what produce hands to its sink to path, through a temporary file in the same folder.
// On failure, whether the disk's or an exception of produce, the old file stays as it was, no
// temporary file is left and the exception goes on; the disk's is TessellaError("Impossible
// d'écrire le fichier <path> : <reason>"), the reason told from errno ("disque plein", ...).
// A file the process may not write is refused before anything is written (reason "fichier
// protégé en écriture"), even though the folder would let it be replaced; a replaced file
// keeps its permission bits, and its owner and group where the process may set them.
// The named temporary files that killed runs left beside the target (NAME.<random>.tmp,
// untouched for a minute, where the file system gives no unnamed ones) are removed.
void WriteFileAtomically(const QString& path, const std::function<void(ByteSink&)>& produce);
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// A batch of files written together (the elements cut from a page): while one is alive on a
// thread, WriteFileAtomically still writes each file to a temporary file and renames it into
// place complete, but leaves the disk to finish() instead of syncing every file. finish() puts
// every folder the batch wrote to on disk at once and throws TessellaError("Impossible
// d'écrire le fichier <path> : <reason>") when it cannot: report success only after it. A batch
// inside another leaves the sync to the outer one.
class SyncedBatch {
  public:
    SyncedBatch();
    ~SyncedBatch();
    SyncedBatch(const SyncedBatch&) = delete;
    SyncedBatch& operator=(const SyncedBatch&) = delete;

    void finish();

  private:
    friend struct BatchAccess;
    SyncedBatch* outer_;
    QList<QPair<QByteArray, QString>> folders_;  // each folder, and a file shown for it
    QList<QPair<QByteArray, QList<QByteArray>>> scanned_;
};

inline constexpr qint64 kNoSizeLimit = std::numeric_limits<qint64>::max();

// Reads a whole regular file of at most maxBytes. Throws TessellaError("Impossible de lire le
// fichier <path> : <reason>"), at once for a FIFO, a device, a folder or a file too large.
QByteArray ReadWholeFile(const QString& path, qint64 maxBytes = kNoSizeLimit);

namespace detail {

// The calls through which a write can fail, so tests can play a failing disk.
struct FileCalls {
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char* from, const char* to)> rename;
    std::function<int(int fd)> syncfs = nullptr;  // empty: the system's
    // An unnamed file in folder (O_TMPFILE); empty: the system's.
    std::function<int(const char* folder)> openUnnamed = nullptr;
    // Gives the unnamed file behind fd the name to; empty: the system's.
    std::function<int(int fd, const char* to)> link = nullptr;
};

// The calls in force: the system's unless a ScopedFileCalls replaces them.
const FileCalls& CurrentFileCalls();

// Replaces the calls for its lifetime; not meant for use while other threads write files.
class ScopedFileCalls {
  public:
    explicit ScopedFileCalls(FileCalls calls);
    ~ScopedFileCalls();
    ScopedFileCalls(const ScopedFileCalls&) = delete;
    ScopedFileCalls& operator=(const ScopedFileCalls&) = delete;

  private:
    FileCalls previous_;
};

}  // namespace detail

}  // namespace tessella::platform
