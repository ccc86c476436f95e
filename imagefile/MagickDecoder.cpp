// tessella-decode: ImageMagick in a process of its own. The library's time limit ends the
// process it runs in (the limit is a fatal error there), some of its coders print on the
// standard streams directly, and a coder stopped midway leaves its temporary files behind;
// here none of that reaches the program, which also never loads the library itself.
// It runs locked down: an ImageMagick policy of its own allows only the coders the loader
// forces, no delegate, no file but those of its private folder, and keeps the pixel cache in
// memory; it dies with the program.

#include <Magick++.h>
#include <signal.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
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
    int64_t maxBytes;
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

std::string UpperCase(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool CoderAllowed(const std::string& coder) {
    return std::find(std::begin(kAllowedCoders), std::end(kAllowedCoders), coder) !=
           std::end(kAllowedCoders);
}

// The library's policy, read before any other from the private folder. Resource values of the
// first policy read win over the system's; rights are the last matching rule's, and the
// system's rules only ever take rights away. The pixel cache stays in memory within our bound,
// never on disk; no delegate program runs; no coder but ours reads; no path but the private
// folder's is opened (nor an @file list, an URL or another file named inside a picture).
std::string PolicyText(const std::string& folder, const Limits& limits) {
    std::string coders;
    for (std::string_view coder : kAllowedCoders) {
        if (!coders.empty()) coders += ',';
        coders += coder;
    }
    auto resource = [](const char* name, int64_t value) {
        return std::string("  <policy domain=\"resource\" name=\"") + name + "\" value=\"" +
               std::to_string(value) + "\"/>\n";
    };
    return "<policymap>\n" + resource("memory", limits.maxBytes) +
           resource("map", limits.maxBytes) + resource("disk", 0) +
           resource("width", limits.maxSide) + resource("height", limits.maxSide) +
           resource("area", limits.maxPixels) + resource("thread", 1) +
           resource("time", kTimeLimitSeconds) +
           "  <policy domain=\"delegate\" rights=\"none\" pattern=\"*\"/>\n"
           "  <policy domain=\"filter\" rights=\"none\" pattern=\"*\"/>\n"
           "  <policy domain=\"coder\" rights=\"none\" pattern=\"*\"/>\n"
           "  <policy domain=\"coder\" rights=\"read\" pattern=\"{" +
           coders +
           "}\"/>\n"
           "  <policy domain=\"path\" rights=\"none\" pattern=\"*\"/>\n"
           "  <policy domain=\"path\" rights=\"read|write\" pattern=\"" +
           folder +
           "/*\"/>\n"
           // CUT looks for its palette as "CUT:.PAL" (then .pal, then none) in the current
           // folder, the private one, and reads it from the picture's own bytes anyway, as it
           // reads from memory; the library refuses "../" in any path.
           "  <policy domain=\"path\" rights=\"read\" pattern=\"CUT:*\"/>\n"
           "</policymap>\n";
}

bool WritePolicy(const std::string& folder, const Limits& limits) {
    const std::string text = PolicyText(folder, limits);
    std::FILE* file = std::fopen((folder + "/policy.xml").c_str(), "wx");
    if (!file) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

// True once the library holds our policy: a coder outside ours refused, no disk for pixels.
bool PolicyInForce() {
    return !MagickCore::IsRightsAuthorized(MagickCore::CoderPolicyDomain,
                                           MagickCore::ReadPolicyRights, "MVG") &&
           !MagickCore::IsRightsAuthorized(MagickCore::DelegatePolicyDomain,
                                           MagickCore::ExecutePolicyRights, "svg:decode") &&
           MagickCore::IsRightsAuthorized(MagickCore::CoderPolicyDomain,
                                          MagickCore::ReadPolicyRights, "TIFF") &&
           MagickCore::GetMagickResourceLimit(MagickCore::DiskResource) == 0;
}

// False when the library could not be locked down; nothing may then be read.
bool SetUpLibrary(const std::string& folder, const Limits& limits) {
    // The configuration, temporary files and current folder are the private folder's alone:
    // the user's own configuration cannot loosen the policy, other coder modules cannot be
    // named, and a coder that looks for a companion file (CUT's palette) finds nothing.
    for (const char* name :
         {"MAGICK_CODER_MODULE_PATH", "MAGICK_CODER_FILTER_PATH", "MAGICK_HOME", "MAGICK_FONT_PATH",
          "MAGICK_MEMORY_LIMIT", "MAGICK_MAP_LIMIT", "MAGICK_DISK_LIMIT", "MAGICK_AREA_LIMIT"})
        ::unsetenv(name);
    ::setenv("MAGICK_CONFIGURE_PATH", folder.c_str(), 1);
    ::setenv("MAGICK_TEMPORARY_PATH", folder.c_str(), 1);
    ::setenv("HOME", folder.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    if (::chdir(folder.c_str()) != 0 || !WritePolicy(folder, limits)) return false;
    Magick::InitializeMagick(nullptr);
    // Its warnings and errors come back to us as exceptions; nothing is to be printed.
    MagickCore::SetWarningHandler(nullptr);
    MagickCore::SetErrorHandler(nullptr);
    return PolicyInForce();
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

// Sends the answer, then for a picture its rows: blue, green, red, and alpha apart where the
// picture has it, never composited over a background. False when the program went away.
bool SendPicture(Magick::Image& image, const Limits& limits) {
    const size_t width = image.columns();
    const size_t height = image.rows();
    if (!SizeAllowed(width, height, limits)) {
        const Answer answer{Outcome::TooLarge, 0, 0, 0};
        return WriteAll(kAnswerDescriptor, &answer, sizeof answer);
    }
    image.colorSpace(Magick::sRGBColorspace);
    const bool alpha = image.matte();
    const Answer answer{Outcome::Picture, int32_t(width), int32_t(height), alpha ? 1 : 0};
    if (!WriteAll(kAnswerDescriptor, &answer, sizeof answer)) return false;
    const char* channels = alpha ? "BGRA" : "BGR";
    std::vector<char> row(width * (alpha ? 4 : 3));
    for (size_t y = 0; y < height; ++y) {
        image.write(0, ssize_t(y), width, 1, channels, Magick::CharPixel, row.data());
        if (!WriteAll(kAnswerDescriptor, row.data(), row.size())) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) return 2;
    // Dies with the program; a program already gone before this took hold is checked after.
    if (::prctl(PR_SET_PDEATHSIG, SIGKILL) != 0 || ::getppid() != pid_t(std::atoll(argv[6])))
        return 1;
    const std::string coder = UpperCase(argv[1]);
    const std::string folder = argv[2];
    const Limits limits{std::atoll(argv[3]), std::atoll(argv[4]), std::atoll(argv[5])};
    Answer answer{Outcome::Damaged, 0, 0, 0};
    try {
        const Input input;
        if (input.size() > 0 && CoderAllowed(coder) && !folder.empty() && folder[0] == '/' &&
            SetUpLibrary(folder, limits)) {
            Magick::Image image;
            ReadFirstFrame(image, input, coder);
            if (image.isValid() && image.columns() > 0 && image.rows() > 0) {
                image.quiet(true);
                return SendPicture(image, limits) ? 0 : 1;
            }
        }
    } catch (const Magick::Exception& e) {
        // The library's own limits (its sides, its memory) refuse what it would not hold: a
        // pixel cache beyond our memory, which may not go to disk, is a picture too large.
        // The side limit comes as an image error that only its text tells apart.
        const std::string_view text(e.what());
        if (dynamic_cast<const Magick::ErrorResourceLimit*>(&e) ||
            text.find("exceeds limit") != std::string_view::npos ||
            (dynamic_cast<const Magick::ErrorCache*>(&e) &&
             text.find("resources exhausted") != std::string_view::npos))
            answer.outcome = Outcome::TooLarge;
    } catch (...) {
    }
    WriteAll(kAnswerDescriptor, &answer, sizeof answer);
    return 0;
}
