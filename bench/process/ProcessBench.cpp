// Whole processes side by side on the same files, as a user meets them: tessella-cli against
// ImageMagick's convert doing the same work and cp of the same file. Each run is a new process
// with fresh memory and the same input (in the page cache for all alike); times are wall
// clock, cpu_ms is the child's user + system time and peak_MiB its largest resident size (Linux
// counts the spawning benchmark's own size into it: read it as an upper bound; /usr/bin/time -v
// gives the program's alone).
//
// tessella-cli makes its files durable (written to a temporary file, synced, renamed, the
// folder synced) before it reports success; convert and cp leave them in the page cache. The
// "_synced" peers add what ours pays: the output synced to the disk after the program ends,
// inside the measured time.
//
// Targets: every op and convert at least 5 times faster than convert and within 4 times of cp
// on a 2048 x 2048 24-bit BMP; their peak under 1.6 x 12 MiB + 60 MB; extract of a 512 x 4096
// page at least as fast as convert -crop 64x64.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QByteArray>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <vector>

#include "imagefile/BmpWriter.h"
#include "imagefile/TgaWriter.h"
#include "platform/SafeFile.h"

extern char** environ;

namespace {

using namespace tessella;

QString Magick() {
    for (const char* name : {"convert-im6.q16", "convert-im6"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) return found;
    }
    return QStringLiteral("/usr/bin/convert");
}

QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < width * 3; ++i) row[i] = static_cast<uchar>(i * 7 + y * 3 + (i * y >> 9));
    }
    return image;
}

// The files every run reads, made once.
struct Files {
    QTemporaryDir dir;
    QString bmp, page;
    Files() {
        bmp = dir.filePath(QStringLiteral("photo.bmp"));
        page = dir.filePath(QStringLiteral("page.tga"));
        platform::WriteFileAtomically(bmp, imagefile::WriteBmp24(Picture(2048, 2048)));
        platform::WriteFileAtomically(page, imagefile::WritePageTga(Picture(512, 4096)));
        QDir().mkpath(dir.filePath(QStringLiteral("ours")));
        QDir().mkpath(dir.filePath(QStringLiteral("theirs")));
    }
    QString out(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

const Files& Samples() {
    static const Files files;
    return files;
}

// Runs the program to its end; false when it could not start or failed.
bool Run(const QStringList& command, rusage& usage) {
    std::vector<QByteArray> bytes;
    for (const QString& a : command) bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes) argv.push_back(b.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) return false;
    int status = 0;
    if (wait4(pid, &status, 0, &usage) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Ms(const timeval& t) {
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

// Syncs the files' data to the disk, as our writer does before it renames.
bool SyncFiles(const QStringList& files) {
    for (const QString& file : files) {
        const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return false;
        const bool synced = ::fdatasync(fd) == 0;
        ::close(fd);
        if (!synced) return false;
    }
    return true;
}

void Measure(benchmark::State& state, const QStringList& command, const QStringList& toSync = {}) {
    double cpu = 0, peak = 0;
    for (auto _ : state) {
        rusage usage{};
        if (!Run(command, usage) || !SyncFiles(toSync)) {
            state.SkipWithError(qPrintable(QStringLiteral("failed: ") + command.join(' ')));
            return;
        }
        cpu += Ms(usage.ru_utime) + Ms(usage.ru_stime);
        peak = std::max(peak, usage.ru_maxrss / 1024.0);
    }
    state.counters["cpu_ms"] = cpu / static_cast<double>(state.iterations());
    state.counters["peak_MiB"] = peak;
}

QStringList Ours(QStringList args) {
    return QStringList{QStringLiteral(TESSELLA_CLI)} + args;
}
QStringList Theirs(QStringList args) {
    return QStringList{Magick()} + args;
}

// Our operation and ImageMagick's option for the same work on the 2048 x 2048 BMP.
struct Work {
    const char* name;
    QStringList ours;    // op arguments before the files, or {"convert"}
    QStringList theirs;  // convert options between the files
    const char* output;
};

const Work kWorks[] = {
    {"convert", {QStringLiteral("convert")}, {}, "out.tga"},
    {"negative", {QStringLiteral("op"), QStringLiteral("negative")}, {QStringLiteral("-negate")}, "out.bmp"},
    {"mirror", {QStringLiteral("op"), QStringLiteral("mirror")}, {QStringLiteral("-flop")}, "out.bmp"},
    {"rotate_left", {QStringLiteral("op"), QStringLiteral("rotate-left")},
     {QStringLiteral("-rotate"), QStringLiteral("-90")}, "out.bmp"},
    {"grey", {QStringLiteral("op"), QStringLiteral("grey")},
     {QStringLiteral("-colorspace"), QStringLiteral("Gray"), QStringLiteral("-type"), QStringLiteral("TrueColor")},
     "out.bmp"},
    {"blur", {QStringLiteral("op"), QStringLiteral("blur"), QStringLiteral("0")},
     {QStringLiteral("-blur"), QStringLiteral("1x1")}, "out.bmp"},
};

void BM_Ours(benchmark::State& state, const Work& work) {
    const Files& f = Samples();
    Measure(state, Ours(work.ours + QStringList{f.bmp, f.out(work.output)}));
}

void BM_Magick(benchmark::State& state, const Work& work, bool synced) {
    const Files& f = Samples();
    // BMP3: the same 24-bit file with a 40-byte header.
    const QString out = QString::fromLatin1(work.output).endsWith(QLatin1String(".bmp"))
                            ? QStringLiteral("BMP3:") + f.out(work.output)
                            : f.out(work.output);
    Measure(state, Theirs(QStringList{f.bmp} + work.theirs + QStringList{out}),
            synced ? QStringList{f.out(work.output)} : QStringList{});
}

void BM_Cp(benchmark::State& state, bool synced) {
    const Files& f = Samples();
    Measure(state, {QStringLiteral("/bin/cp"), f.bmp, f.out("copy.bmp")},
            synced ? QStringList{f.out("copy.bmp")} : QStringList{});
}

void BM_Extract_Ours(benchmark::State& state) {
    const Files& f = Samples();
    Measure(state, Ours({QStringLiteral("extract"), f.page, f.out("ours/el.bmp")}));
}

void BM_Extract_Magick(benchmark::State& state, bool synced) {
    const Files& f = Samples();
    QStringList made;
    if (synced)
        for (int i = 0; i < 512; ++i)
            made << f.out("theirs/") + QStringLiteral("el%1.bmp").arg(i, 3, 10, QLatin1Char('0'));
    Measure(
        state,
        Theirs({f.page, QStringLiteral("-crop"), QStringLiteral("64x64"), QStringLiteral("+repage"),
                QStringLiteral("BMP3:") + f.out("theirs/el%03d.bmp")}),
        made);
}

int Register() {
    for (const Work& w : kWorks) {
        benchmark::RegisterBenchmark((std::string("BM_Ours/") + w.name).c_str(), BM_Ours, w)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        for (const bool synced : {false, true})
            benchmark::RegisterBenchmark(
                (std::string("BM_Magick/") + w.name + (synced ? "_synced" : "")).c_str(), BM_Magick,
                w, synced)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    }
    for (const bool synced : {false, true}) {
        benchmark::RegisterBenchmark(synced ? "BM_Cp_synced" : "BM_Cp", BM_Cp, synced)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        benchmark::RegisterBenchmark(synced ? "BM_Extract_Magick_synced" : "BM_Extract_Magick",
                                     BM_Extract_Magick, synced)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
    return 0;
}
const int registered = Register();

}  // namespace

BENCHMARK(BM_Extract_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
