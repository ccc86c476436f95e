#include "imagefile/MagickBridge.h"

#include <Magick++.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/Error.h"
#include "platform/ImageLimits.h"

// The library runs in a child process of its own: its time limit ends the process it runs in
// (the limit is a fatal error there), some of its coders print on the standard streams
// directly, and a coder stopped midway leaves its temporary files behind. The child reads the
// file, answers the picture's rows through a pipe and exits; the parent never loads the
// library's state, and removes the child's temporary folder whatever happened.

namespace tessella::imagefile {

namespace {

// A damaged file that describes a huge picture (a 60-byte WMF of 11585 x 11585) keeps the
// library busy for tens of seconds; no real picture within our limit needs this long.
constexpr int kTimeLimitSeconds = 5;
// The child is killed past this, should it loop where the library does not look at the clock.
constexpr int kHardLimitMilliseconds = 8000;

enum class Outcome : int32_t { Picture, Damaged, TooLarge };

struct Answer {
    Outcome outcome;
    int32_t width;
    int32_t height;
};

[[noreturn]] void Fail(const QString& path) {
    throw platform::TessellaError(
        QStringLiteral("Impossible de décoder l'image %1 : fichier endommagé ou format invalide")
            .arg(path));
}
[[noreturn]] void FailTooLarge(const QString& path) {
    throw platform::TessellaError(
        QStringLiteral("Impossible de décoder l'image %1 : image trop grande").arg(path));
}
[[noreturn]] void FailTooLong(const QString& path) {
    throw platform::TessellaError(
        QStringLiteral("Impossible de décoder l'image %1 : décodage trop long, fichier endommagé")
            .arg(path));
}

// ---- In the child ----

bool WriteAll(int fd, const void* data, size_t size) {
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        size -= size_t(n);
    }
    return true;
}

void SetUpLibrary(const QByteArray& temporaryFolder) {
    ::setenv("MAGICK_TEMPORARY_PATH", temporaryFolder.constData(), 1);
    Magick::InitializeMagick(nullptr);
    // Its warnings and errors come back to us as exceptions; nothing is to be printed.
    MagickCore::SetWarningHandler(nullptr);
    MagickCore::SetErrorHandler(nullptr);
    // The library refuses, before allocating, what our own limit would refuse anyway. Limits
    // only ever lower the system's policy.
    Magick::ResourceLimits::width(platform::kMaxImageSide);
    Magick::ResourceLimits::height(platform::kMaxImageSide);
    Magick::ResourceLimits::area(platform::kMaxImagePixels);
    Magick::ResourceLimits::thread(1);
    MagickCore::SetMagickResourceLimit(MagickCore::TimeResource, kTimeLimitSeconds);
}

// Reads the first frame. Warnings do not stop a read, except that the file is damaged.
void ReadFirstFrame(Magick::Image& image, const QByteArray& data, const QString& coder) {
    const Magick::Blob blob(data.constData(), static_cast<size_t>(data.size()));
    image.quiet(false);
    // Asking a Photo-CD for one scene would pick its smallest resolution, not the base one.
    if (coder != QLatin1String("PCD")) {
        image.subImage(0);
        image.subRange(1);
    }
    try {
        image.read(blob, Magick::Geometry(), coder.toStdString());
    } catch (const Magick::WarningCorruptImage&) {
        throw;
    } catch (const Magick::Warning&) {
        // A tag the coder does not know, a missing profile: the picture is complete.
    }
}

// Sends the answer, then for a picture its rows as blue, green, red, transparent parts over
// white. Answers false when the parent went away.
bool SendPicture(Magick::Image& image, int fd) {
    const size_t width = image.columns();
    const size_t height = image.rows();
    if (!platform::ImageSizeAllowed(int64_t(width), int64_t(height))) {
        const Answer answer{Outcome::TooLarge, 0, 0};
        return WriteAll(fd, &answer, sizeof answer);
    }
    image.colorSpace(Magick::sRGBColorspace);
    if (image.matte()) {
        Magick::Image white(Magick::Geometry(width, height), Magick::Color("white"));
        white.composite(image, 0, 0, Magick::OverCompositeOp);
        image = white;
    }
    const Answer answer{Outcome::Picture, int32_t(width), int32_t(height)};
    if (!WriteAll(fd, &answer, sizeof answer)) return false;
    std::vector<char> row(width * 3);
    for (size_t y = 0; y < height; ++y) {
        image.write(0, ssize_t(y), width, 1, "BGR", Magick::CharPixel, row.data());
        if (!WriteAll(fd, row.data(), row.size())) return false;
    }
    return true;
}

[[noreturn]] void RunChild(const QByteArray& data, const QString& coder, int fd,
                           const QByteArray& temporaryFolder) {
    // The library's diagnostics, and those its coders print themselves, go nowhere.
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    if (null >= 0) {
        ::dup2(null, STDOUT_FILENO);
        ::dup2(null, STDERR_FILENO);
    }
    Answer answer{Outcome::Damaged, 0, 0};
    try {
        SetUpLibrary(temporaryFolder);
        Magick::Image image;
        ReadFirstFrame(image, data, coder);
        if (image.isValid() && image.columns() > 0 && image.rows() > 0) {
            image.quiet(true);
            ::_exit(SendPicture(image, fd) ? 0 : 1);
        }
    } catch (const Magick::Exception& e) {
        // The library's own limits (its sides, its memory) refuse what it would not hold; the
        // side limit comes as an image error that only its text tells apart.
        if (dynamic_cast<const Magick::ErrorResourceLimit*>(&e) ||
            std::string_view(e.what()).find("exceeds limit") != std::string_view::npos)
            answer.outcome = Outcome::TooLarge;
    } catch (...) {
    }
    WriteAll(fd, &answer, sizeof answer);
    ::_exit(0);
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

[[noreturn]] void FailToStart(const QString& path) {
    throw platform::TessellaError(
        QStringLiteral("Impossible de décoder l'image %1 : ressources du système épuisées")
            .arg(path));
}

}  // namespace

QImage DecodeWithMagick(const QByteArray& data, const QString& coder, const QString& path) {
    if (data.isEmpty()) Fail(path);
    // Removed on the way out, with whatever the library left in it.
    QTemporaryDir temporary(QDir::tempPath() + QStringLiteral("/tessella-magick-XXXXXX"));
    if (!temporary.isValid()) FailToStart(path);
    const QByteArray temporaryFolder = QFile::encodeName(temporary.path());
    Pipe pipe;
    if (!pipe.ok()) FailToStart(path);
    const pid_t pid = ::fork();
    if (pid < 0) FailToStart(path);
    if (pid == 0) {
        pipe.CloseReading();
        RunChild(data, coder, pipe.writing(), temporaryFolder);
    }
    Child child(pid);
    pipe.CloseWriting();

    QElapsedTimer clock;
    clock.start();
    bool timedOut = false;
    Answer answer{};
    if (!ReadAll(pipe.reading(), reinterpret_cast<char*>(&answer), sizeof answer, clock,
                 timedOut)) {
        // Silent death: the library's time limit ends its process, as our deadline does.
        if (timedOut || clock.elapsed() >= kTimeLimitSeconds * 1000 - 500) FailTooLong(path);
        Fail(path);
    }
    if (answer.outcome == Outcome::TooLarge) FailTooLarge(path);
    if (answer.outcome != Outcome::Picture) Fail(path);
    platform::CheckImageSize(answer.width, answer.height, path);
    QImage out(answer.width, answer.height, QImage::Format_BGR888);
    if (out.isNull()) throw platform::TessellaError(platform::kOutOfMemoryMessage);
    const size_t rowBytes = size_t(answer.width) * 3;
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
