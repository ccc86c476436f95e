// The long corrupt-corpus run: damaged files in all 35 extensions (truncations, bit flips,
// size fields patched to 0, -1, 65535 and 2^31) through tessella-cli info and convert. No run
// may end on a signal, take over 10 s, or peak over 1.6 x the picture's 24-bit size + 60 MB
// (for a refused file, the largest picture the pixel limit allows). info reads only the header
// of some formats: where it refuses a file, it says what the full load says. Runs only with
// TESSELLA_LONG_TESTS=1 (ctest -L long); the default suite skips it.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include "../ImageSamples.h"
#include "imagefile/ImageLoader.h"
#include "imagefile/TgaWriter.h"
#include "platform/ImageLimits.h"

extern char** environ;

using namespace imagetest;

namespace {

struct CliRun {
    int status = 0;
    double seconds = 0;
    int64_t peakBytes = 0;
    QString out;
    QString err;
};

// Runs the cli with its output in a file, and its peak memory (its children's included).
CliRun RunCli(const QStringList& args, const QString& outFile) {
    std::vector<QByteArray> storage{QByteArray(TESSELLA_CLI)};
    for (const QString& a : args) storage.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& s : storage) argv.push_back(s.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const QByteArray out = QFile::encodeName(outFile);
    posix_spawn_file_actions_addopen(&actions, 1, out.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    const QByteArray err = out + ".err";
    posix_spawn_file_actions_addopen(&actions, 2, err.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = -1;
    CliRun run;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        run.status = -1;
        return run;
    }
    posix_spawn_file_actions_destroy(&actions);
    rusage usage{};
    for (;;) {
        const pid_t done = wait4(pid, &run.status, WNOHANG, &usage);
        if (done == pid) break;
        if (clock.elapsed() > 15000) kill(pid, SIGKILL);  // reported as a signal and a long run
        QThread::msleep(5);
    }
    run.seconds = clock.elapsed() / 1000.0;
    run.peakBytes = int64_t(usage.ru_maxrss) * 1024;
    run.out = QString::fromUtf8(ReadFile(outFile));
    run.err = QString::fromUtf8(ReadFile(outFile + ".err"));
    return run;
}

// Field offsets that hold sizes, per sample family: (offset, bytes, big-endian).
struct Field {
    int at, bytes;
    bool big;
};
std::vector<Field> SizeFields(const QString& family, const QByteArray& d) {
    if (family == "tga") return {{12, 2, false}, {14, 2, false}, {5, 2, false}};
    if (family == "bmp" || family == "rle") return {{18, 4, false}, {22, 4, false}, {10, 4, false}};
    if (family == "pic") return {{2, 2, false}, {4, 2, false}};
    if (family == "rla") return {{10, 2, true}, {14, 2, true}, {740, 4, true}};
    if (family == "emf") return {{32, 4, false}, {36, 4, false}, {92, 4, false}};
    if (family == "sgi") return {{6, 2, true}, {8, 2, true}, {10, 2, true}};
    if (family == "pcx") return {{8, 2, false}, {10, 2, false}, {66, 2, false}};
    if (family == "gif") return {{6, 2, false}, {8, 2, false}};
    if (family == "psd") return {{14, 4, true}, {18, 4, true}, {12, 2, true}};
    if (family == "cut") return {{0, 2, false}, {2, 2, false}};
    if (family == "wmf") return {{10, 2, false}, {12, 2, false}, {14, 2, false}};
    if (family == "tif") return {{4, 4, false}, {30, 4, false}};
    if (family == "jpg") {
        const qsizetype sof = d.indexOf(QByteArray("\xFF\xC0", 2));
        if (sof >= 0) return {{int(sof) + 5, 2, true}, {int(sof) + 7, 2, true}};
    }
    if (family == "pcd") return {{2048 + 8, 4, false}};
    if (family == "png") return {{16, 4, true}, {20, 4, true}};  // IHDR width, height
    if (family == "webp") return {{4, 4, false}, {26, 2, false}, {28, 2, false}};
    return {{0, 4, false}, {4, 4, false}};
}

QByteArray Patched(QByteArray d, const Field& f, int64_t value) {
    if (f.at + f.bytes > d.size()) return {};
    const QByteArray bytes = f.big ? Be(value, f.bytes) : Le(value, f.bytes);
    d.replace(f.at, f.bytes, bytes);
    return d;
}

// The damaged versions of one sample.
std::vector<QByteArray> Damaged(const QString& family, const QByteArray& good, quint32 seed) {
    std::vector<QByteArray> out;
    for (int tenth = 1; tenth < 10; tenth += 2) out.push_back(good.left(good.size() * tenth / 10));
    out.push_back(good.left(good.size() - 1));
    QRandomGenerator random(seed);
    for (int i = 0; i < 12; ++i) {
        QByteArray d = good;
        const int flips = i < 8 ? 1 : 16;
        for (int k = 0; k < flips; ++k) {
            // Headers hold most decisions: half the flips land in the first 64 bytes.
            const qsizetype at = k % 2 == 0 ? random.bounded(int(std::min<qsizetype>(64, d.size())))
                                            : random.bounded(int(d.size()));
            d[at] = char(d[at] ^ (1 << random.bounded(8)));
        }
        out.push_back(d);
    }
    // 0, -1, 65535 and 2^31 (in two bytes: 0x8000).
    for (const Field& f : SizeFields(family, good))
        for (int64_t v : {int64_t{0}, int64_t{-1}, int64_t{65535},
                          f.bytes == 4 ? int64_t{1} << 31 : int64_t{0x8000}}) {
            const QByteArray d = Patched(good, f, v);
            if (!d.isEmpty()) out.push_back(d);
        }
    return out;
}

QByteArray Convert(const QDir& dir, const QString& format) {
    const QString path = dir.filePath(QStringLiteral("sample.") + format);
    RunConvert({dir.filePath(QStringLiteral("source.png")), path});
    return ReadFile(path);
}

}  // namespace

TEST(CorruptCorpus, InfoAndConvertStayWithinTimeAndMemory) {
    if (qgetenv("TESSELLA_LONG_TESTS") != "1")
        GTEST_SKIP() << "long test: run with TESSELLA_LONG_TESTS=1 (ctest -L long)";
    QTemporaryDir dir;
    const QDir samples(dir.path());
    // One good file per family; the 35 extensions map onto them.
    QHash<QString, QByteArray> family;
    for (const char* ext : {"tif", "gif", "sgi", "tga", "pcd", "ppm", "jpg", "psd", "pcx", "bmp",
                            "cut", "wmf", "emf", "pic", "rla"})
        family[ext] = ReadFile(MakeSample(samples, QString::fromLatin1(ext)).path);
    family["pbm"] = Convert(samples, QStringLiteral("pbm"));
    family["pgm"] = Convert(samples, QStringLiteral("pgm"));
    family["png"] = ReadFile(samples.filePath(QStringLiteral("source.png")));
    family["webp"] = Convert(samples, QStringLiteral("webp"));
    family["rle"] = Bmp({.bits = 8,
                         .width = 4,
                         .height = 2,
                         .compression = 1,
                         .palette = QByteArray(1024, 0x40),
                         .pixels = Bytes({4, 1, 0, 0, 2, 2, 2, 3, 0, 1})});
    QImage tgaSource(24, 16, QImage::Format_BGR888);
    tgaSource.fill(QColor(10, 200, 30));
    family["vda"] = tessella::imagefile::WriteTga(tgaSource, true);  // run-length
    const QList<std::pair<const char*, const char*>> extensions = {
        {"TIF", "tif"}, {"TIFF", "tif"}, {"GIF", "gif"},  {"PIC", "pic"}, {"CEL", "pic"},
        {"SGI", "sgi"}, {"BW", "sgi"},   {"TGA", "tga"},  {"VST", "tga"}, {"WIN", "tga"},
        {"VDA", "vda"}, {"ICB", "tga"},  {"PCD", "pcd"},  {"PPM", "ppm"}, {"PBM", "pbm"},
        {"PGM", "pgm"}, {"CUT", "cut"},  {"JPG", "jpg"},  {"RLA", "rla"}, {"RPF", "rla"},
        {"PDD", "psd"}, {"PSD", "psd"},  {"PCX", "pcx"},  {"SCR", "pcx"}, {"PCC", "pcx"},
        {"RGB", "sgi"}, {"BMP", "bmp"},  {"DIB", "bmp"},  {"RLE", "rle"}, {"EMF", "emf"},
        {"WMF", "wmf"}, {"PNG", "png"},  {"JPEG", "jpg"}, {"JPE", "jpg"}, {"WEBP", "webp"}};
    ASSERT_EQ(extensions.size(), 35);

    constexpr int64_t kMegabyte = 1024 * 1024;
    const auto bound = [](int64_t pixels) {
        return int64_t(1.6 * 3 * double(pixels)) + 60 * kMegabyte;
    };
    const int64_t refusedBound = bound(tessella::platform::kMaxImagePixels);
    int runs = 0;
    double slowest = 0;
    int64_t peak = 0;
    double worstShare = 0;   // of the bound that applies
    int passedOnHeader = 0;  // files info measured from their header that the full load refuses
    const QString out = dir.filePath(QStringLiteral("stdout.txt"));
    const QString converted = dir.filePath(QStringLiteral("converted.bmp"));
    quint32 seed = 1;
    for (const auto& [ext, source] : extensions) {
        const QString base = QString::fromLatin1(source);
        const std::vector<QByteArray> files = Damaged(base, family[base], seed++);
        for (size_t i = 0; i < files.size(); ++i) {
            const QString path = dir.filePath(QStringLiteral("case%1.%2").arg(i).arg(ext));
            WriteFile(path, files[i]);
            for (const bool info : {true, false}) {
                const CliRun r = info ? RunCli({QStringLiteral("info"), path}, out)
                                      : RunCli({QStringLiteral("convert"), path, converted}, out);
                ++runs;
                SCOPED_TRACE(path.toStdString() + (info ? " info" : " convert"));
                EXPECT_FALSE(WIFSIGNALED(r.status)) << "signal " << WTERMSIG(r.status);
                EXPECT_TRUE(WIFEXITED(r.status) && WEXITSTATUS(r.status) <= 1) << r.status;
                EXPECT_LE(r.seconds, 10.0);
                int64_t limit = refusedBound;
                const QStringList size = r.out.section(QLatin1Char(' '), 0, 0).split('x');
                if (info && WIFEXITED(r.status) && WEXITSTATUS(r.status) == 0 && size.size() == 2)
                    limit = bound(size[0].toLongLong() * size[1].toLongLong());
                EXPECT_LE(r.peakBytes, limit) << r.out.toStdString();
                if (info && WIFEXITED(r.status)) {
                    QImage image;
                    const QString refusal =
                        ErrorOf([&] { tessella::imagefile::LoadImageByExtension(path, image); });
                    if (WEXITSTATUS(r.status) == 1) {
                        EXPECT_TRUE(refusal != kNoError && r.err.contains(refusal))
                            << r.err.toStdString() << " / " << refusal.toStdString();
                    } else if (refusal != kNoError) {
                        ++passedOnHeader;
                    }
                }
                slowest = std::max(slowest, r.seconds);
                peak = std::max(peak, r.peakBytes);
                worstShare = std::max(worstShare, double(r.peakBytes) / double(limit));
            }
            QFile::remove(path);
        }
    }
    std::printf(
        "corrupt corpus: %d runs over 35 extensions, slowest %.2f s, peak %.1f MB, "
        "worst %.0f%% of the memory bound; %d damaged past the header passed info\n",
        runs, slowest, double(peak) / kMegabyte, worstShare * 100, passedOnHeader);
}
