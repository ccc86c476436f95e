// tessella-decode: ImageMagick in a process of its own. The library's time limit ends the
// process it runs in (the limit is a fatal error there), some of its coders print on the
// standard streams directly, and a coder stopped midway leaves its temporary files behind;
// here none of that reaches the program, which also never loads the library itself.

#include <Magick++.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "imagefile/MagickProtocol.h"

namespace {

using namespace tessella::imagefile::magick;

struct Limits {
    int64_t maxSide;
    int64_t maxPixels;
};

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

// The file's bytes: mapped where the input is a file (the program hands an anonymous one),
// so that the library's own copy is the only one; read otherwise.
class Input {
  public:
    Input() {
        struct stat info;
        if (::fstat(STDIN_FILENO, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
            void* mapped =
                ::mmap(nullptr, size_t(info.st_size), PROT_READ, MAP_PRIVATE, STDIN_FILENO, 0);
            if (mapped != MAP_FAILED) {
                mapped_ = static_cast<const char*>(mapped);
                size_ = size_t(info.st_size);
                return;
            }
        }
        char buffer[1 << 16];
        for (;;) {
            const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            read_.append(buffer, size_t(n));
        }
    }
    ~Input() {
        if (mapped_) ::munmap(const_cast<char*>(mapped_), size_);
    }
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    const char* data() const { return mapped_ ? mapped_ : read_.data(); }
    size_t size() const { return mapped_ ? size_ : read_.size(); }

  private:
    const char* mapped_ = nullptr;
    size_t size_ = 0;
    std::string read_;
};

void SetUpLibrary(const char* temporaryFolder, const Limits& limits) {
    ::setenv("MAGICK_TEMPORARY_PATH", temporaryFolder, 1);
    Magick::InitializeMagick(nullptr);
    // Its warnings and errors come back to us as exceptions; nothing is to be printed.
    MagickCore::SetWarningHandler(nullptr);
    MagickCore::SetErrorHandler(nullptr);
    // The library refuses, before allocating, what our own limit would refuse anyway. Limits
    // only ever lower the system's policy.
    Magick::ResourceLimits::width(static_cast<MagickCore::MagickSizeType>(limits.maxSide));
    Magick::ResourceLimits::height(static_cast<MagickCore::MagickSizeType>(limits.maxSide));
    Magick::ResourceLimits::area(static_cast<MagickCore::MagickSizeType>(limits.maxPixels));
    Magick::ResourceLimits::thread(1);
    MagickCore::SetMagickResourceLimit(MagickCore::TimeResource, kTimeLimitSeconds);
}

// Reads the first frame. Warnings do not stop a read, except that the file is damaged.
void ReadFirstFrame(Magick::Image& image, const Input& input, const std::string& coder) {
    const Magick::Blob blob(input.data(), input.size());
    image.quiet(false);
    // Asking a Photo-CD for one scene would pick its smallest resolution, not the base one.
    if (coder != "PCD") {
        image.subImage(0);
        image.subRange(1);
    }
    try {
        image.read(blob, Magick::Geometry(), coder);
    } catch (const Magick::WarningCorruptImage&) {
        throw;
    } catch (const Magick::Warning&) {
        // A tag the coder does not know, a missing profile: the picture is complete.
    }
}

bool SizeAllowed(size_t width, size_t height, const Limits& limits) {
    return width >= 1 && height >= 1 && int64_t(width) <= limits.maxSide &&
           int64_t(height) <= limits.maxSide &&
           int64_t(width) * int64_t(height) <= limits.maxPixels;
}

// Sends the answer, then for a picture its rows, transparent parts over white. False when the
// program went away.
bool SendPicture(Magick::Image& image, const Limits& limits) {
    const size_t width = image.columns();
    const size_t height = image.rows();
    if (!SizeAllowed(width, height, limits)) {
        const Answer answer{Outcome::TooLarge, 0, 0};
        return WriteAll(kAnswerDescriptor, &answer, sizeof answer);
    }
    image.colorSpace(Magick::sRGBColorspace);
    if (image.matte()) {
        Magick::Image white(Magick::Geometry(width, height), Magick::Color("white"));
        white.composite(image, 0, 0, Magick::OverCompositeOp);
        image = white;
    }
    const Answer answer{Outcome::Picture, int32_t(width), int32_t(height)};
    if (!WriteAll(kAnswerDescriptor, &answer, sizeof answer)) return false;
    std::vector<char> row(width * 3);
    for (size_t y = 0; y < height; ++y) {
        image.write(0, ssize_t(y), width, 1, "BGR", Magick::CharPixel, row.data());
        if (!WriteAll(kAnswerDescriptor, row.data(), row.size())) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) return 2;
    const Limits limits{std::atoll(argv[3]), std::atoll(argv[4])};
    Answer answer{Outcome::Damaged, 0, 0};
    try {
        const Input input;
        if (input.size() > 0) {
            SetUpLibrary(argv[2], limits);
            Magick::Image image;
            ReadFirstFrame(image, input, argv[1]);
            if (image.isValid() && image.columns() > 0 && image.rows() > 0) {
                image.quiet(true);
                return SendPicture(image, limits) ? 0 : 1;
            }
        }
    } catch (const Magick::Exception& e) {
        // The library's own limits (its sides, its memory) refuse what it would not hold; the
        // side limit comes as an image error that only its text tells apart.
        if (dynamic_cast<const Magick::ErrorResourceLimit*>(&e) ||
            std::string_view(e.what()).find("exceeds limit") != std::string_view::npos)
            answer.outcome = Outcome::TooLarge;
    } catch (...) {
    }
    WriteAll(kAnswerDescriptor, &answer, sizeof answer);
    return 0;
}
