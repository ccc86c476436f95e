#include "platform/SafeFile.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <ctime>
#include <utility>

#include "platform/Error.h"
#include "platform/FileTexts.h"

namespace tessella::platform {

namespace {
QList<QByteArray> TemporaryLookingNames(const QByteArray& folder);
}  // namespace

// The folders a batch wrote to, noted as each file is placed, and the temporary-looking names
// found in each when the batch first wrote there.
struct BatchAccess {
    static const QList<QByteArray>& temporaries(SyncedBatch& batch, const QByteArray& folder) {
        for (const auto& known : batch.scanned_)
            if (known.first == folder) return known.second;
        batch.scanned_.append({folder, TemporaryLookingNames(folder)});
        return batch.scanned_.back().second;
    }
    static void note(SyncedBatch& batch, const QByteArray& folder, const QString& shownPath) {
        for (const auto& known : batch.folders_)
            if (known.first == folder) return;
        batch.folders_.append({folder, shownPath});
    }
};

namespace detail {

namespace {
FileCalls& Calls() {
    static FileCalls calls{
        [](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); },
        [](int fd) { return ::fsync(fd); },
        [](int fd) { return ::close(fd); },
        [](const char* from, const char* to) { return std::rename(from, to); },
    };
    return calls;
}
}  // namespace

const FileCalls& CurrentFileCalls() {
    return Calls();
}

ScopedFileCalls::ScopedFileCalls(FileCalls calls)
    : previous_(std::exchange(Calls(), std::move(calls))) {}

ScopedFileCalls::~ScopedFileCalls() {
    Calls() = std::move(previous_);
}

}  // namespace detail

namespace {

// What the user can act on: free some room, pick another folder, fix the name.
QString Reason(int error, bool reading) {
    switch (error) {
        case ENOSPC:
        case EDQUOT:
            return kDiskFullReason;
        case EACCES:
        case EPERM:
        case EROFS:
            return kNoPermissionReason;
        case ENOENT:
            // When writing, the file itself may be missing: only its folder can be.
            return reading ? kFileMissingReason : kFolderMissingReason;
        case ENOTDIR:
            return kFolderMissingReason;
        case EISDIR:
            return kIsFolderReason;
        default:
            return qt_error_string(error);
    }
}

TessellaError WriteError(const QString& path, const QString& reason) {
    return TessellaError(kWriteFailedMessage.arg(path, reason));
}

TessellaError ReadError(const QString& path, const QString& reason) {
    return TessellaError(kReadFailedMessage.arg(path, reason));
}

thread_local SyncedBatch* currentBatch = nullptr;

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

// A link is kept and what it points to replaced, as users who link a texture expect.
QByteArray ResolveLinks(const QString& path) {
    QFileInfo info(path);
    if (!info.isSymLink()) return QFile::encodeName(path);
    for (int hops = 0; hops < 40 && info.isSymLink(); ++hops) info.setFile(info.symLinkTarget());
    return QFile::encodeName(info.isSymLink() ? path : info.filePath());
}

class FileSink final : public ByteSink {
  public:
    FileSink(int fd, const QString& shownPath) : fd_(fd), shownPath_(shownPath) {}

    void write(const char* data, std::size_t size) override {
        if (error_ != 0) throw WriteError(shownPath_, Reason(error_, false));
        const auto& calls = detail::CurrentFileCalls();
        while (size > 0) {
            const ssize_t n = calls.write(fd_, data, size);
            if (n < 0 && errno == EINTR) continue;
            // A regular file that takes nothing has no room left.
            error_ = n < 0 ? errno : n == 0 ? ENOSPC : 0;
            if (error_ != 0) throw WriteError(shownPath_, Reason(error_, false));
            data += n;
            size -= std::size_t(n);
            startWriteBack(std::size_t(n));
        }
    }

    // A producer that swallowed a refused write must not get a partial file renamed in place.
    void checkWhole() const {
        if (error_ != 0) throw WriteError(shownPath_, Reason(error_, false));
    }

  private:
    // The disk starts on each few megabytes as soon as they are written, so that the sync
    // before the rename waits only for the last of them. A hint: its failures change nothing.
    void startWriteBack(std::size_t written) {
        constexpr off_t kStep = off_t{4} << 20;
        written_ += off_t(written);
        if (written_ - started_ < kStep) return;
        (void)::sync_file_range(fd_, started_, written_ - started_, SYNC_FILE_RANGE_WRITE);
        started_ = written_;
    }

    int fd_;
    const QString& shownPath_;
    int error_ = 0;
    off_t written_ = 0;  // bytes written so far
    off_t started_ = 0;  // bytes handed to the disk so far
};

// The folder allows replacing a file its owner protected; the user meant it to stay. Root,
// whom access() always lets write, is held to the mode: a file nobody may write is protected
// (one its owner may write is not, even when root falls among the others).
bool WriteProtected(const QByteArray& target, const struct stat& file) {
    if (geteuid() == 0) return (file.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    // access() also weighs access lists; a read-only file system is the folder's refusal.
    return ::faccessat(AT_FDCWD, target.constData(), W_OK, AT_EACCESS) != 0 && errno == EACCES;
}

// NAME.<1 to 7 of [0-9a-z]>.tmp: the names TemporaryFile gives.
bool IsTemporaryName(const char* entry, const QByteArray& stem) {
    const QByteArray name(entry);
    if (!name.startsWith(stem) || !name.endsWith(".tmp")) return false;
    const QByteArray random = name.mid(stem.size(), name.size() - stem.size() - 4);
    if (random.isEmpty() || random.size() > 7) return false;
    return std::all_of(random.begin(), random.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); });
}

// The names in folder that may be temporary files (NAME.<random>.tmp).
QList<QByteArray> TemporaryLookingNames(const QByteArray& folder) {
    QList<QByteArray> names;
    DIR* entries = ::opendir(folder.constData());
    if (!entries) return names;
    while (const dirent* entry = ::readdir(entries))
        if (QByteArray(entry->d_name).endsWith(".tmp")) names.append(entry->d_name);
    ::closedir(entries);
    return names;
}

// Removes the named temporary files of this target that a killed run left: those not written
// for a minute, so that a save under way in another process keeps its own. A batch reads each
// folder once: reading it for every file would make cutting a page quadratic in its elements.
void RemoveStaleTemporaries(const QByteArray& folder, const QByteArray& stem) {
    constexpr time_t kStaleSeconds = 60;
    const QList<QByteArray> names = currentBatch ? BatchAccess::temporaries(*currentBatch, folder)
                                                 : TemporaryLookingNames(folder);
    const time_t now = ::time(nullptr);
    for (const QByteArray& name : names) {
        if (!IsTemporaryName(name.constData(), stem)) continue;
        const QByteArray path = folder + '/' + name;
        struct stat info;
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) &&
            now - info.st_mtime > kStaleSeconds)
            (void)::unlink(path.constData());
    }
}

int OpenUnnamed(const char* folder) {
    const auto& calls = detail::CurrentFileCalls();
    if (calls.openUnnamed) return calls.openUnnamed(folder);
    return ::open(folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
}

int LinkUnnamed(int fd, const char* to) {
    const auto& calls = detail::CurrentFileCalls();
    if (calls.link) return calls.link(fd, to);
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    if (::linkat(AT_FDCWD, self.constData(), AT_FDCWD, to, AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != ENOENT) return -1;
    // Without /proc: needs a privilege ordinary users lack.
    return ::linkat(fd, "", AT_FDCWD, to, AT_EMPTY_PATH);
}

// The temporary file beside the target: unnamed until it is whole where the file system
// allows, so that a killed run leaves nothing; gone again unless it replaced the target.
class TemporaryFile {
  public:
    TemporaryFile(const QString& shownPath, const QByteArray& target)
        : shownPath_(shownPath), target_(target) {
        const qsizetype slash = target.lastIndexOf('/');
        folder_ = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
        QByteArray name = target.mid(slash + 1);
        if (name.size() > 200) name = "tessella";  // leaves room for the suffix within NAME_MAX
        stem_ = name + '.';
        struct stat old;
        const bool replacing = ::stat(target_.constData(), &old) == 0 && S_ISREG(old.st_mode);
        if (replacing && WriteProtected(target_, old))
            throw WriteError(shownPath_, kWriteProtectedReason);
        RemoveStaleTemporaries(folder_, stem_);

        fd_ = OpenUnnamed(folder_.constData());
        // Older kernels and some file systems (NFS, FUSE, ...) have no unnamed files.
        if (fd_ < 0 && errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) throw fail(errno);
        if (fd_ < 0) createNamed();
        if (replacing) keepAttributes(old);
    }

    ~TemporaryFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!placed_ && !path_.isEmpty()) ::unlink(path_.constData());
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return fd_; }

    void replaceTarget() {
        const auto& calls = detail::CurrentFileCalls();
        SyncedBatch* batch = currentBatch;
        while (!batch && calls.fsync(fd_) != 0) {
            if (errno == EINTR) continue;
            // The filesystem cannot sync; close still reports data it lost.
            if (errno == EINVAL || errno == ENOTSUP) break;
            throw fail(errno);
        }
        if (path_.isEmpty()) giveName();
        // Never closed twice: Linux frees the descriptor even when close fails.
        if (calls.close(std::exchange(fd_, -1)) != 0) throw fail(errno);
        if (calls.rename(path_.constData(), target_.constData()) != 0) throw fail(errno);
        placed_ = true;
        if (batch) {
            BatchAccess::note(*batch, folder_, shownPath_);
            return;
        }
        // The rename outlives a power cut only once the folder is on disk; the file is saved
        // either way, so this is best effort.
        Descriptor folder(::open(folder_.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (folder.get() >= 0) (void)calls.fsync(folder.get());
    }

  private:
    TessellaError fail(int error) const { return WriteError(shownPath_, Reason(error, false)); }

    QByteArray randomPath() const {
        const QByteArray random = QByteArray::number(QRandomGenerator::global()->generate(), 36);
        return (folder_ == "/" ? folder_ : folder_ + '/') + stem_ + random + ".tmp";
    }

    void createNamed() {
        for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
            path_ = randomPath();
            fd_ = ::open(path_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (fd_ < 0 && errno != EEXIST && errno != EINTR) {
                path_.clear();
                throw fail(errno);
            }
        }
        if (fd_ < 0) {
            path_.clear();
            throw fail(EEXIST);
        }
    }

    // The whole unnamed file gets a name beside the target, to be renamed over it.
    void giveName() {
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray path = randomPath();
            if (LinkUnnamed(fd_, path.constData()) == 0) {
                path_ = path;
                return;
            }
            if (errno != EEXIST && errno != EINTR) throw fail(errno);
        }
        throw fail(EEXIST);
    }

    // Owner and group first: changing them may clear mode bits. A file that cannot take them
    // is still saved.
    void keepAttributes(const struct stat& old) {
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0) (void)::fchown(fd_, uid_t(-1), old.st_gid);
        (void)::fchmod(fd_, old.st_mode & 0777);
    }

    const QString& shownPath_;
    QByteArray target_;
    QByteArray folder_;
    QByteArray stem_;  // "NAME."
    QByteArray path_;  // the named temporary file; empty while unnamed
    int fd_ = -1;
    bool placed_ = false;
};

}  // namespace

SyncedBatch::SyncedBatch() : outer_(currentBatch) {
    if (!outer_) currentBatch = this;
}

SyncedBatch::~SyncedBatch() {
    if (currentBatch == this) currentBatch = nullptr;
}

void SyncedBatch::finish() {
    if (currentBatch != this) return;
    currentBatch = nullptr;
    const auto& calls = detail::CurrentFileCalls();
    // One sync of each folder's file system writes every file of the batch and the renames.
    for (const auto& [folder, shownPath] : std::exchange(folders_, {})) {
        Descriptor fd(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (fd.get() < 0) throw WriteError(shownPath, Reason(errno, false));
        while ((calls.syncfs ? calls.syncfs(fd.get()) : ::syncfs(fd.get())) != 0) {
            if (errno == EINTR) continue;
            throw WriteError(shownPath, Reason(errno, false));
        }
    }
}

void WriteFileAtomically(const QString& path, const std::function<void(ByteSink&)>& produce) {
    TemporaryFile file(path, ResolveLinks(path));
    FileSink sink(file.fd(), path);
    produce(sink);
    sink.checkWhole();
    file.replaceTarget();
}

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    WriteFileAtomically(path, [&bytes](ByteSink& sink) { sink.write(bytes); });
}

QByteArray ReadWholeFile(const QString& path, qint64 maxBytes) {
    const QByteArray native = QFile::encodeName(path);
    const QString notRegular = kNotRegularFileReason;
    const QString tooLarge = kFileTooLargeReason;
    // Looked at before opening: opening a device can have effects of its own.
    struct stat info;
    if (::stat(native.constData(), &info) != 0) throw ReadError(path, Reason(errno, true));
    if (!S_ISREG(info.st_mode)) throw ReadError(path, notRegular);
    if (info.st_size > maxBytes) throw ReadError(path, tooLarge);
    // Should a FIFO have taken the file's place since, opening must not wait for a writer.
    Descriptor fd(::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (fd.get() < 0) throw ReadError(path, Reason(errno, true));
    if (::fstat(fd.get(), &info) != 0) throw ReadError(path, Reason(errno, true));
    if (!S_ISREG(info.st_mode)) throw ReadError(path, notRegular);
    if (info.st_size > maxBytes) throw ReadError(path, tooLarge);

    // One byte past the limit is enough to know a file grew too large while read.
    const qint64 cap = maxBytes < kNoSizeLimit ? maxBytes + 1 : kNoSizeLimit;
    QByteArray bytes(qsizetype(std::min<qint64>(info.st_size + 1, cap)), Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            // Grown since, or a file that tells no size, like those of /proc.
            if (filled >= cap) throw ReadError(path, tooLarge);
            bytes.resize(
                qsizetype(std::min<qint64>(filled + std::max<qsizetype>(filled, 65536), cap)));
        }
        const ssize_t n =
            ::read(fd.get(), bytes.data() + filled, std::size_t(bytes.size() - filled));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw ReadError(path, Reason(errno, true));
        if (n == 0) break;
        filled += n;
    }
    bytes.truncate(filled);
    return bytes;
}

}  // namespace tessella::platform
