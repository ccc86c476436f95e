#include "imagefile/MagickBridge.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <vector>

#include "imagefile/ImageFileTexts.h"
#include "imagefile/MagickProtocol.h"
#include "pixels/LargeImage.h"
#include "platform/Error.h"
#include "platform/ImageLimits.h"
#include "platform/InstalledLayout.h"

extern char** environ;

static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN);  // BGRA bytes are ARGB32's uint32s

// ImageMagick runs in tessella-decode, a process of its own (see there why); the program
// hands it the file's bytes, reads the picture's rows back, and removes the decoder's
// temporary folder whatever happened.

namespace tessella::imagefile {

namespace {

using magick::Answer;
using magick::Outcome;

// The decoder is killed past this, should it loop where the library does not look at the clock.
constexpr int kHardLimitMilliseconds = 8000;

[[noreturn]] void Fail(const QString& path) {
    throw platform::TessellaError(kDecodeFailedMessage.arg(path, kDamagedFileReason));
}
[[noreturn]] void FailTooLarge(const QString& path) {
    throw platform::TessellaError(kDecodeFailedMessage.arg(path, kTooLargeReason));
}
[[noreturn]] void FailTooLong(const QString& path) {
    throw platform::TessellaError(kDecodeFailedMessage.arg(path, kSlowDecodeReason));
}
[[noreturn]] void FailToStart(const QString& path) {
    throw platform::TessellaError(kDecodeFailedMessage.arg(path, kSystemExhaustedReason));
}
[[noreturn]] void FailNoDecoder(const QString& path, const QString& decoder) {
    throw platform::TessellaError(
        kDecodeFailedMessage.arg(path, kDecoderMissingReason.arg(decoder)));
}

// tessella-decode: named by TESSELLA_DECODER, else beside the running program or in the
// installed helper folder, else where the build made it.
QString DecoderProgram() {
    static const QString program = [] {
        const QByteArray named = qgetenv("TESSELLA_DECODER");
        if (!named.isEmpty()) return QFile::decodeName(named);
        char path[PATH_MAX];
        if (platform::FindHelperProgram("tessella-decode", path)) return QFile::decodeName(path);
        return QStringLiteral(TESSELLA_DECODER_BUILD_PATH);
    }();
    return program;
}

// ---- In the parent ----

// Reads size bytes from the child before the deadline; false when it ended or ran out of time.
bool ReadAll(int fd, char* out, size_t size, const QElapsedTimer& clock, bool& timedOut) {
    while (size > 0) {
        const qint64 left = kHardLimitMilliseconds - clock.elapsed();
        if (left <= 0) {
            timedOut = true;
            return false;
        }
        pollfd p{fd, POLLIN, 0};
        const int ready = ::poll(&p, 1, int(left));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) return false;
        if (ready == 0) {
            timedOut = true;
            return false;
        }
        const ssize_t n = ::read(fd, out, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        out += n;
        size -= size_t(n);
    }
    return true;
}

// Ends and waits for the child whatever path leaves the parent's code.
class Child {
  public:
    explicit Child(pid_t pid) : pid_(pid) {}
    ~Child() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        Wait();
    }
    void Wait() {
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        pid_ = -1;
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

  private:
    pid_t pid_;
};

class Pipe {
  public:
    Pipe() {
        if (::pipe2(fds_, O_CLOEXEC) != 0) fds_[0] = fds_[1] = -1;
    }
    ~Pipe() {
        CloseReading();
        CloseWriting();
    }
    bool ok() const { return fds_[0] >= 0; }
    int reading() const { return fds_[0]; }
    int writing() const { return fds_[1]; }
    void CloseReading() { Close(fds_[0]); }
    void CloseWriting() { Close(fds_[1]); }
    Pipe(const Pipe&) = delete;
    Pipe& operator=(const Pipe&) = delete;

  private:
    static void Close(int& fd) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
    int fds_[2];
};

// A descriptor of its own above the standard ones and the answer's, closed on exec.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd >= 0 ? ::fcntl(fd, F_DUPFD_CLOEXEC, 10) : -1) {
        if (fd >= 0) ::close(fd);
    }
    ~Descriptor() { close(); }
    int get() const { return fd_; }
    void close() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

  private:
    int fd_;
};

// A decoder killed with its program leaves its private folder behind: the folders of programs
// that no longer run go, once per run. A folder not ours, or a link, stays.
void RemoveStaleFoldersOnce() {
    static const bool done = [] {
        RemoveStaleDecoderFolders(QDir::tempPath());
        return true;
    }();
    (void)done;
}

// The file's bytes in an anonymous file the decoder reads as its standard input.
bool WriteInput(int fd, const QByteArray& data) {
    const char* p = data.constData();
    size_t left = size_t(data.size());
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= size_t(n);
    }
    return ::lseek(fd, 0, SEEK_SET) == 0;
}

}  // namespace

void RemoveStaleDecoderFolders(const QString& folder) {
    const QString prefix = QString::fromLatin1(magick::kPrivateFolderPrefix.data(),
                                               qsizetype(magick::kPrivateFolderPrefix.size()));
    QDirIterator entries(folder, {prefix + QLatin1Char('*')},
                         QDir::Dirs | QDir::NoSymLinks | QDir::Hidden);
    while (entries.hasNext()) {
        const QFileInfo entry(entries.nextFileInfo());
        const QString rest = entry.fileName().mid(prefix.size());
        bool isNumber = false;
        const qint64 pid = rest.section(QLatin1Char('-'), 0, 0).toLongLong(&isNumber);
        if (!isNumber || pid <= 0 || pid > INT_MAX || entry.isSymLink() ||
            entry.ownerId() != ::getuid())
            continue;
        if (::kill(pid_t(pid), 0) == 0 || errno != ESRCH) continue;
        QDir(entry.absoluteFilePath()).removeRecursively();
    }
}

QImage DecodeWithMagick(const QByteArray& data, const QString& coder, const QString& path) {
    if (data.isEmpty()) Fail(path);
    RemoveStaleFoldersOnce();
    // Removed on the way out, with whatever the library left in it. Named with our pid, so
    // that a later run removes it should we be killed first.
    QTemporaryDir temporary(QDir::tempPath() + QLatin1Char('/') +
                            QLatin1String(magick::kPrivateFolderPrefix.data(),
                                          qsizetype(magick::kPrivateFolderPrefix.size())) +
                            QString::number(::getpid()) + QStringLiteral("-XXXXXX"));
    if (!temporary.isValid()) FailToStart(path);
    const QByteArray temporaryFolder = QFile::encodeName(temporary.path());
    const QString program = DecoderProgram();
    if (!QFileInfo(program).isExecutable()) FailNoDecoder(path, program);
    const Descriptor input(::memfd_create("tessella-picture", MFD_CLOEXEC));
    if (input.get() < 0 || !WriteInput(input.get(), data)) FailToStart(path);
    Pipe pipe;
    if (!pipe.ok()) FailToStart(path);
    Descriptor answerEnd(::dup(pipe.writing()));
    pipe.CloseWriting();
    if (answerEnd.get() < 0) FailToStart(path);

    const QByteArray programName = QFile::encodeName(program);
    const QByteArray coderName = coder.toLatin1();
    const QByteArray maxSide = QByteArray::number(qlonglong(platform::kMaxImageSide));
    const QByteArray maxPixels = QByteArray::number(qlonglong(platform::kMaxImagePixels));
    const QByteArray maxBytes = QByteArray::number(qlonglong(platform::kMaxDecodeBytes));
    const QByteArray parent = QByteArray::number(qlonglong(::getpid()));
    char* argv[] = {
        const_cast<char*>(programName.constData()),     const_cast<char*>(coderName.constData()),
        const_cast<char*>(temporaryFolder.constData()), const_cast<char*>(maxSide.constData()),
        const_cast<char*>(maxPixels.constData()),       const_cast<char*>(maxBytes.constData()),
        const_cast<char*>(parent.constData()),          nullptr};
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) FailToStart(path);
    // What the library and its coders print goes nowhere.
    posix_spawn_file_actions_adddup2(&actions, input.get(), STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawn_file_actions_adddup2(&actions, answerEnd.get(), magick::kAnswerDescriptor);
    pid_t pid = -1;
    const int spawned =
        ::posix_spawn(&pid, programName.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) FailToStart(path);
    Child child(pid);
    answerEnd.close();  // the decoder holds the only writing end: its end is ours to see
    QElapsedTimer clock;
    clock.start();
    bool timedOut = false;
    Answer answer{};
    if (!ReadAll(pipe.reading(), reinterpret_cast<char*>(&answer), sizeof answer, clock,
                 timedOut)) {
        // Silent death: the library's time limit ends its process, as our deadline does.
        if (timedOut || clock.elapsed() >= magick::kTimeLimitSeconds * 1000 - 500)
            FailTooLong(path);
        Fail(path);
    }
    if (answer.outcome == Outcome::TooLarge) FailTooLarge(path);
    if (answer.outcome != Outcome::Picture) Fail(path);
    platform::CheckImageSize(answer.width, answer.height, path);
    // Blue, green, red, alpha bytes are non-premultiplied ARGB32 as it lies in memory.
    const bool alpha = answer.alpha != 0;
    QImage out = pixels::NewImage(answer.width, answer.height,
                                  alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
    if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    const size_t rowBytes = size_t(answer.width) * (alpha ? 4 : 3);
    for (int y = 0; y < out.height(); ++y) {
        if (!ReadAll(pipe.reading(), reinterpret_cast<char*>(out.scanLine(y)), rowBytes, clock,
                     timedOut)) {
            if (timedOut) FailTooLong(path);
            Fail(path);
        }
    }
    child.Wait();
    return out;
}

}  // namespace tessella::imagefile
