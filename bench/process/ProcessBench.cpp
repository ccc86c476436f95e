// Whole processes side by side on the same files, as a user meets them: tessella-cli against
// ImageMagick's convert, GraphicsMagick's gm convert and libvips's vips doing the same work,
// and cp of the same file. libvips reads and writes BMP only through ImageMagick, so it works
// on the same picture in its own format (.v) and writes .v, or PPM where ours converts: the
// rows' names say so (mirror_v_to_v). Each run is a new process
// with fresh memory and the same input (in the page cache for all alike); times are wall
// clock, cpu_ms is the child's user + system time and peak_MiB its largest resident size (Linux
// counts the spawning benchmark's own size into it: read it as an upper bound; /usr/bin/time -v
// gives the program's alone).
//
// tessella-cli makes its files durable (written to a temporary file, synced, renamed, the
// folder synced) before it reports success; the peers and cp leave them in the page cache. The
// "_synced" peers add what ours pays: the output synced to the disk after the program ends,
// inside the measured time.
//
// Targets: every op and convert at least 2 times faster than the fastest peer (synced, as ours
// is) and within 2 times of a cp that syncs its output, on a 2048 x 2048 24-bit BMP; their peak
// under 1.6 x 12 MiB + 60 MB; extract of a 512 x 4096 page at least as fast as the peers'
// -crop 64x64. A 2048 x 2048 PNG (ImageMagick's) to PNG at least as fast as vips copy. info of
// 2048 x 2048 files within 1.5 times of --version, which only starts the program.
//
// Since the sync costs every side the same (compare BM_Cp with BM_Cp_synced), wall times under
// load are best read beside cpu_ms: run when `uptime` shows a low load.

#include <benchmark/benchmark.h>

#include <astcenc.h>
#include <fcntl.h>
#include <spawn.h>
#include <squish.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "imagefile/BgrRows.h"
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

// The first of the names found on the path; empty when none is installed.
QString Program(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) return found;
    }
    return {};
}

QImage Picture(int width, int height) {
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y) {
        uchar* row = image.scanLine(y);
        for (int i = 0; i < width * 3; ++i)
            row[i] = static_cast<uchar>(i * 7 + y * 3 + (i * y >> 9));
    }
    return image;
}

// A binary PPM of the picture, which libvips reads with its own loader.
QByteArray Ppm(const QImage& picture) {
    QByteArray bytes =
        QStringLiteral("P6\n%1 %2\n255\n").arg(picture.width()).arg(picture.height()).toLatin1();
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    for (int y = 0; y < rgb.height(); ++y)
        bytes.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
    return bytes;
}

bool Run(const QStringList& command, rusage& usage);

const char* const kHeaderFormats[] = {"bmp", "tga", "jpg", "png", "gif", "tif", "pcx"};

// The files every run reads, made once.
struct Files {
    QTemporaryDir dir;
    QString bmp, page, vips;  // vips: the same picture as the BMP, in libvips's format
    QString printed;          // a 512 x 512 page to print
    QString png;              // the photo as PNG, written by ImageMagick
    QStringList headers;      // the photo in formats whose header info reads alone
    Files() {
        bmp = dir.filePath(QStringLiteral("photo.bmp"));
        page = dir.filePath(QStringLiteral("page.tga"));
        vips = dir.filePath(QStringLiteral("photo.v"));
        printed = dir.filePath(QStringLiteral("printed.bmp"));
        platform::WriteFileAtomically(printed, imagefile::WriteBmp24(Picture(512, 512)));
        const QImage photo = Picture(2048, 2048);
        platform::WriteFileAtomically(bmp, imagefile::WriteBmp24(photo));
        platform::WriteFileAtomically(page, imagefile::WritePageTga(Picture(512, 4096)));
        const QString ppm = dir.filePath(QStringLiteral("photo.ppm"));
        platform::WriteFileAtomically(ppm, Ppm(photo));
        rusage usage{};
        if (const QString program = Program({"vips"}); !program.isEmpty())
            Run({program, QStringLiteral("copy"), ppm, vips}, usage);
        png = dir.filePath(QStringLiteral("photo.png"));
        Run({Magick(), ppm, png}, usage);
        for (const char* format : kHeaderFormats) {
            headers << dir.filePath(QStringLiteral("header.") + QLatin1String(format));
            // BMP3: a 40-byte header, as ours writes.
            const QString prefix = QLatin1String(format) == "bmp" ? "BMP3:" : "";
            Run({Magick(), ppm, prefix + headers.back()}, usage);
        }
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
// GraphicsMagick takes ImageMagick's options for this work.
QStringList Graphics(QStringList args) {
    return QStringList{Program({"gm"}), QStringLiteral("convert")} + args;
}

// Our operation and the peers' for the same work on the 2048 x 2048 BMP.
struct Work {
    const char* name;
    QStringList ours;    // op arguments before the files, or {"convert"}
    QStringList theirs;  // convert options between the files (ImageMagick and GraphicsMagick)
    const char* output;
    QStringList vips;        // the vips operation, then its arguments after the files
    const char* vipsOutput;  // what libvips writes: .v, or PPM where ours converts
    const char* vipsName;    // the row's name, with libvips's formats
};

const Work kWorks[] = {
    {"convert",
     {QStringLiteral("convert")},
     {},
     "out.tga",
     {QStringLiteral("copy")},
     "out.ppm",
     "convert_v_to_ppm"},
    {"negative",
     {QStringLiteral("op"), QStringLiteral("negative")},
     {QStringLiteral("-negate")},
     "out.bmp",
     {QStringLiteral("invert")},
     "out.v",
     "negative_v_to_v"},
    {"mirror",
     {QStringLiteral("op"), QStringLiteral("mirror")},
     {QStringLiteral("-flop")},
     "out.bmp",
     {QStringLiteral("flip"), QStringLiteral("horizontal")},
     "out.v",
     "mirror_v_to_v"},
    {"flip",
     {QStringLiteral("op"), QStringLiteral("flip")},
     {QStringLiteral("-flip")},
     "out.bmp",
     {QStringLiteral("flip"), QStringLiteral("vertical")},
     "out.v",
     "flip_v_to_v"},
    {"rotate_left",
     {QStringLiteral("op"), QStringLiteral("rotate-left")},
     {QStringLiteral("-rotate"), QStringLiteral("-90")},
     "out.bmp",
     {QStringLiteral("rot"), QStringLiteral("d270")},
     "out.v",
     "rotate_left_v_to_v"},
    {"rotate_right",
     {QStringLiteral("op"), QStringLiteral("rotate-right")},
     {QStringLiteral("-rotate"), QStringLiteral("90")},
     "out.bmp",
     {QStringLiteral("rot"), QStringLiteral("d90")},
     "out.v",
     "rotate_right_v_to_v"},
    // libvips's grey has one band where the others write three.
    {"grey",
     {QStringLiteral("op"), QStringLiteral("grey")},
     {QStringLiteral("-colorspace"), QStringLiteral("Gray"), QStringLiteral("-type"),
      QStringLiteral("TrueColor")},
     "out.bmp",
     {QStringLiteral("colourspace"), QStringLiteral("b-w")},
     "out.v",
     "grey_v_to_v_one_band"},
    {"blur",
     {QStringLiteral("op"), QStringLiteral("blur"), QStringLiteral("0")},
     {QStringLiteral("-blur"), QStringLiteral("1x1")},
     "out.bmp",
     {QStringLiteral("gaussblur"), QStringLiteral("1")},
     "out.v",
     "blur_v_to_v"},
};

void BM_Ours(benchmark::State& state, const Work& work) {
    const Files& f = Samples();
    Measure(state, Ours(work.ours + QStringList{f.bmp, f.out(work.output)}));
}

// ImageMagick (graphics false) or GraphicsMagick.
void BM_Magick(benchmark::State& state, const Work& work, bool graphics, bool synced) {
    const Files& f = Samples();
    // BMP3: the same 24-bit file with a 40-byte header.
    const QString out = QString::fromLatin1(work.output).endsWith(QLatin1String(".bmp"))
                            ? QStringLiteral("BMP3:") + f.out(work.output)
                            : f.out(work.output);
    const QStringList args = QStringList{f.bmp} + work.theirs + QStringList{out};
    Measure(state, graphics ? Graphics(args) : Theirs(args),
            synced ? QStringList{f.out(work.output)} : QStringList{});
}

void BM_Vips(benchmark::State& state, const Work& work, bool synced) {
    const Files& f = Samples();
    if (!QFile::exists(f.vips)) {
        state.SkipWithError("vips is not installed");
        return;
    }
    const QString out = f.out(work.vipsOutput);
    Measure(state, QStringList{Program({"vips"}), work.vips[0], f.vips, out} + work.vips.mid(1),
            synced ? QStringList{out} : QStringList{});
}

void BM_Cp(benchmark::State& state, bool synced) {
    const Files& f = Samples();
    Measure(state, {QStringLiteral("/bin/cp"), f.bmp, f.out("copy.bmp")},
            synced ? QStringList{f.out("copy.bmp")} : QStringList{});
}

// Starting the program alone, against info, which reads only the header of a 2048 x 2048 file.
void BM_Version_Ours(benchmark::State& state) {
    Measure(state, Ours({QStringLiteral("--version")}));
}

void BM_Info_Ours(benchmark::State& state, int format) {
    Measure(state, Ours({QStringLiteral("info"), Samples().headers[format]}));
}

// A 2048 x 2048 PNG to PNG; the peers: ImageMagick, GraphicsMagick, vips copy.
void BM_Png_Ours(benchmark::State& state) {
    const Files& f = Samples();
    Measure(state, Ours({QStringLiteral("convert"), f.png, f.out("out.png")}));
}

void BM_Png_Peer(benchmark::State& state, int peer, bool synced) {
    const Files& f = Samples();
    const QString out = f.out("out.png");
    const QStringList args{f.png, out};
    const QStringList command =
        peer == 0   ? Theirs(args)
        : peer == 1 ? Graphics(args)
                    : QStringList{Program({"vips"}), QStringLiteral("copy"), f.png, out};
    Measure(state, command, synced ? QStringList{out} : QStringList{});
}

void BM_Extract_Ours(benchmark::State& state) {
    const Files& f = Samples();
    Measure(state, Ours({QStringLiteral("extract"), f.page, f.out("ours/el.bmp")}));
}

// The page printed 150 mm wide into a PDF at 600 dpi. Target: under 100 ms and 60 MB.
void BM_Print_Ours(benchmark::State& state) {
    const Files& f = Samples();
    Measure(state, Ours({QStringLiteral("print"), f.printed, QStringLiteral("--width-mm"),
                         QStringLiteral("150"), QStringLiteral("-o"), f.out("printed.pdf")}));
}

// One contact sheet of 24 copies of the page.
void BM_ContactSheet_Ours(benchmark::State& state) {
    const Files& f = Samples();
    QStringList args{QStringLiteral("contact-sheet"), QStringLiteral("-o"), f.out("sheet.pdf")};
    for (int i = 0; i < 24; ++i) args << f.printed;
    Measure(state, Ours(args));
}

void BM_Extract_Magick(benchmark::State& state, bool graphics, bool synced) {
    const Files& f = Samples();
    QStringList made;
    if (synced)
        for (int i = 0; i < 512; ++i)
            made << f.out("theirs/") + QStringLiteral("el%1.bmp").arg(i, 3, 10, QLatin1Char('0'));
    // +adjoin: GraphicsMagick writes one file a tile only when asked.
    const QStringList args{f.page,
                           QStringLiteral("-crop"),
                           QStringLiteral("64x64"),
                           QStringLiteral("+repage"),
                           QStringLiteral("+adjoin"),
                           QStringLiteral("BMP3:") + f.out("theirs/el%03d.bmp")};
    Measure(state, graphics ? Graphics(args) : Theirs(args), made);
}

// --- Pictures with alpha --------------------------------------------------------------------
// The same ops on a 2048 x 2048 32-bit TGA (the photo's colours under a sprite's alpha: an
// opaque disc, a soft ring 255 texels wide, a transparent outside whose colours are kept) beside
// the 24-bit TGA of the same colours, and on the RGBA PNG beside the RGB PNG (both written by
// ImageMagick, PNG out). The peers work on the 32-bit TGA, libvips on the same picture in its
// own format. Targets: each op on the 32-bit TGA within 1.4 times the 24-bit one and at least 2
// times faster than the fastest peer (synced); on the RGBA PNG within 1.4 times the RGB PNG.

struct AlphaFiles {
    QTemporaryDir dir;
    QString tga24, tga32, png24, png32, vips;
    AlphaFiles() {
        const QImage photo = Picture(2048, 2048);
        std::vector<uchar> plane(std::size_t(2048) * 2048);
        for (int y = 0; y < 2048; ++y)
            for (int x = 0; x < 2048; ++x) {
                const double d = std::hypot(x - 1024.0, y - 1024.0);
                plane[std::size_t(y) * 2048 + std::size_t(x)] =
                    uchar(std::clamp(955.0 - d, 0.0, 255.0));
            }
        imagefile::BgrRows rows = imagefile::RowsOf(photo);
        tga24 = dir.filePath(QStringLiteral("photo24.tga"));
        platform::WriteFileAtomically(
            tga24, [&](platform::ByteSink& sink) { imagefile::WritePageTga(rows, sink); });
        rows.alpha = [&plane](int y) { return plane.data() + std::size_t(y) * 2048; };
        tga32 = dir.filePath(QStringLiteral("photo32.tga"));
        platform::WriteFileAtomically(
            tga32, [&](platform::ByteSink& sink) { imagefile::WritePageTga(rows, sink); });
        rusage usage{};
        png24 = dir.filePath(QStringLiteral("photo24.png"));
        png32 = dir.filePath(QStringLiteral("photo32.png"));
        Run({Magick(), tga24, png24}, usage);
        Run({Magick(), tga32, png32}, usage);
        vips = dir.filePath(QStringLiteral("photo32.v"));
        if (const QString program = Program({"vips"}); !program.isEmpty())
            Run({program, QStringLiteral("copy"), png32, vips}, usage);
    }
    QString out(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

const AlphaFiles& AlphaSamples() {
    static const AlphaFiles files;
    return files;
}

struct AlphaWork {
    const char* name;
    QStringList ours;    // op and its arguments
    QStringList theirs;  // ImageMagick's and GraphicsMagick's options; empty: no peer
    QStringList vips;    // the vips operation, then its arguments after the files
};

const AlphaWork kAlphaWorks[] = {
    {"mirror",
     {QStringLiteral("mirror")},
     {QStringLiteral("-flop")},
     {QStringLiteral("flip"), QStringLiteral("horizontal")}},
    {"rotate_left",
     {QStringLiteral("rotate-left")},
     {QStringLiteral("-rotate"), QStringLiteral("-90")},
     {QStringLiteral("rot"), QStringLiteral("d270")}},
    {"negative",
     {QStringLiteral("negative")},
     {QStringLiteral("-negate")},
     {QStringLiteral("invert")}},
    {"blur",
     {QStringLiteral("blur"), QStringLiteral("0")},
     {QStringLiteral("-blur"), QStringLiteral("1x1")},
     {QStringLiteral("gaussblur"), QStringLiteral("1")}},
    {"sharpen",
     {QStringLiteral("sharpen")},
     {QStringLiteral("-sharpen"), QStringLiteral("0x1")},
     {QStringLiteral("sharpen")}},
    // No peer makes a picture tileable by this cross-fade.
    {"make_tileable", {QStringLiteral("make-tileable"), QStringLiteral("64")}, {}, {}},
};

// input: 0 the 24-bit TGA, 1 the 32-bit TGA, 2 the RGB PNG, 3 the RGBA PNG.
void BM_Alpha_Ours(benchmark::State& state, const AlphaWork& work, int input) {
    const AlphaFiles& f = AlphaSamples();
    const QString inputs[] = {f.tga24, f.tga32, f.png24, f.png32};
    const QString out = f.out(input < 2 ? "out.tga" : "out.png");
    Measure(state,
            Ours(QStringList{QStringLiteral("op")} + work.ours + QStringList{inputs[input], out}));
}

void BM_Alpha_Magick(benchmark::State& state, const AlphaWork& work, bool graphics) {
    const AlphaFiles& f = AlphaSamples();
    const QString out = f.out("theirs.tga");
    const QStringList args = QStringList{f.tga32} + work.theirs + QStringList{out};
    Measure(state, graphics ? Graphics(args) : Theirs(args), {out});
}

void BM_Alpha_Vips(benchmark::State& state, const AlphaWork& work) {
    const AlphaFiles& f = AlphaSamples();
    if (!QFile::exists(f.vips)) {
        state.SkipWithError("vips is not installed");
        return;
    }
    const QString out = f.out("theirs.v");
    Measure(state, QStringList{Program({"vips"}), work.vips[0], f.vips, out} + work.vips.mid(1),
            {out});
}

// --- GPU textures --------------------------------------------------------------------------
// BC1 files with every level: ours (convert IN OUT.dds) against NVIDIA Texture Tools'
// nvcompress -bc1, its output synced as ours is, on the catalogue's textures (made by the
// build's texture program), on a smooth 2048 x 2048 photograph (ImageMagick's plasma, blurred
// a little) and on a 2048 x 2048 low-contrast surface like a close photograph of a wall (the
// plasma blurred more, desaturated, with grain); the same on every run.
// Both read the same PNG. psnr_top: the top level read back by ImageMagick against the source;
// worst_level_psnr: the lowest of the levels of 4 x 4 or more against ImageMagick's linear-light
// box reduction of the source (read by libsquish: ImageMagick 6 reads the top level only).
// Targets: our psnr_top at least nvcompress's less 0.1 dB, our time at most nvcompress's, and
// our worst_level_psnr at least 30 dB; on the smooth photograph, where the blocks' fit is most
// of the work, our time at most 0.14 times nvcompress's.

struct Textures {
    QTemporaryDir dir;
    QStringList names, pngs;
    Textures() {
        rusage usage{};
        Run({QStringLiteral(TESSELLA_MAKE_TEXTURES), dir.path()}, usage);
        for (const char* folder : {"Clips_Textures", "TextureFond"})
            for (const QFileInfo& bmp :
                 QDir(dir.filePath(QLatin1String(folder)))
                     .entryInfoList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name)) {
                names << bmp.completeBaseName();
                pngs << dir.filePath(bmp.completeBaseName() + QStringLiteral(".png"));
                Run({Magick(), bmp.filePath(), QStringLiteral("PNG24:") + pngs.back()}, usage);
            }
        // The smooth photograph, 16 bits a channel as ImageMagick writes it.
        names << QStringLiteral("photo2048");
        pngs << dir.filePath(QStringLiteral("photo2048.png"));
        Run({Magick(), QStringLiteral("-size"), QStringLiteral("2048x2048"),
             QStringLiteral("-seed"), QStringLiteral("7"), QStringLiteral("plasma:fractal"),
             QStringLiteral("-blur"), QStringLiteral("0x1"), pngs.back()},
            usage);
        names << QStringLiteral("surface2048");
        pngs << dir.filePath(QStringLiteral("surface2048.png"));
        Run({Magick(), QStringLiteral("-size"), QStringLiteral("2048x2048"),
             QStringLiteral("-seed"), QStringLiteral("3"), QStringLiteral("plasma:fractal"),
             QStringLiteral("-blur"), QStringLiteral("0x2"), QStringLiteral("-modulate"),
             QStringLiteral("100,40"), QStringLiteral("+level"), QStringLiteral("25%,70%"),
             QStringLiteral("-attenuate"), QStringLiteral("0.3"), QStringLiteral("+noise"),
             QStringLiteral("Gaussian"), QStringLiteral("PNG24:") + pngs.back()},
            usage);
    }
};

const Textures& TextureSamples() {
    static const Textures textures;
    return textures;
}

QByteArray Output(const QStringList& command, bool standardError = false) {
    QProcess process;
    process.start(command[0], command.mid(1));
    process.waitForFinished(600000);
    return standardError ? process.readAllStandardError() : process.readAllStandardOutput();
}

double Psnr(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size() || a.isEmpty()) return 0;
    double sum = 0;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const double d = uchar(a[i]) - uchar(b[i]);
        sum += d * d;
    }
    return sum == 0 ? 99 : 10 * std::log10(255.0 * 255.0 * double(a.size()) / sum);
}

// The lowest PSNR of the BC1 DDS's levels of 4 x 4 or more against the reference chain.
double WorstLevelPsnr(const QString& dds, const QString& source) {
    QFile file(dds);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 128) return 0;
    auto u32 = [&bytes](int at) { return qFromLittleEndian<quint32>(bytes.constData() + at); };
    const int width = int(u32(16)), height = int(u32(12)), levels = int(std::max(1u, u32(28)));
    double worst = 99;
    qsizetype at = 128;
    for (int n = 0; n < levels; ++n) {
        const int w = std::max(1, width >> n), h = std::max(1, height >> n);
        const qsizetype size = qsizetype((w + 3) / 4) * ((h + 3) / 4) * 8;
        if (w < 4 || h < 4 || at + size > bytes.size()) break;
        QByteArray rgba(qsizetype(w) * h * 4, '\0');
        squish::DecompressImage(reinterpret_cast<squish::u8*>(rgba.data()), w, h,
                                bytes.constData() + at, squish::kDxt1);
        QByteArray rgb;
        for (qsizetype i = 0; i < rgba.size(); i += 4) rgb.append(rgba.constData() + i, 3);
        const QByteArray reference =
            Output({Magick(), source, QStringLiteral("-colorspace"), QStringLiteral("RGB"),
                    QStringLiteral("-scale"), QStringLiteral("%1x%2!").arg(w).arg(h),
                    QStringLiteral("-colorspace"), QStringLiteral("sRGB"), QStringLiteral("-depth"),
                    QStringLiteral("8"), QStringLiteral("rgb:-")});
        worst = std::min(worst, Psnr(rgb, reference));
        at += size;
    }
    return worst;
}

void BM_Bc1(benchmark::State& state, int sample, bool ours) {
    const Textures& t = TextureSamples();
    const QString nvcompress = Program({"nvcompress"});
    if (!ours && nvcompress.isEmpty()) {
        state.SkipWithError("nvcompress is not installed (libnvtt-bin)");
        return;
    }
    const QString source = t.pngs[sample];
    const QString out = t.dir.filePath(t.names[sample] + (ours ? "-ours.dds" : "-nvcompress.dds"));
    if (ours)
        Measure(state, Ours({QStringLiteral("convert"), source, out}));
    else
        // Through a shell that silences its progress lines.
        Measure(
            state,
            {QStringLiteral("/bin/sh"), QStringLiteral("-c"),
             QStringLiteral("exec \"$0\" -bc1 \"$1\" \"$2\" >/dev/null"), nvcompress, source, out},
            {out});
    const QString compare = Program({"compare-im6.q16", "compare"});
    state.counters["psnr_top"] =
        QString::fromLatin1(Output({compare, QStringLiteral("-metric"), QStringLiteral("PSNR"),
                                    source, out, QStringLiteral("null:")},
                                   true))
            .toDouble();
    state.counters["worst_level_psnr"] = WorstLevelPsnr(out, source);
}

// --- Fast blocks, threads and ASTC on the 2048 x 2048 surface ------------------------------
// Whole processes on the same PNG. BC3 and BC5 with their mips (psnr_top for BC3 as above);
// BC1 on 1 and 2 threads beside the same run with --rgb, which does all but the blocks (the
// block encoding is the difference: target, two threads at most 0.6 times one thread's).
// ASTC level 0 (.astc) at --quality medium on 2 threads against Debian's astcenc program with
// the same block, preset and threads (`astcenc -cs IN OUT 6x6 -medium -j 2`), its output synced
// as ours is; psnr_top decodes the blocks with libastcenc against the source's pixels. Targets:
// our PSNR at least astcenc's less 0.1 dB, our time at most 1.1 times its.

const QString& Surface() {
    return TextureSamples().pngs.back();
}

void BM_Blocks_Ours(benchmark::State& state, QStringList options, const char* out) {
    const QString target = TextureSamples().dir.filePath(QLatin1String(out));
    Measure(state, Ours(QStringList{QStringLiteral("convert"), Surface(), target} + options));
    if (options.contains(QStringLiteral("--bc5")) || options.contains(QStringLiteral("--rgb")))
        return;
    const QString compare = Program({"compare-im6.q16", "compare"});
    state.counters["psnr_top"] =
        QString::fromLatin1(Output({compare, QStringLiteral("-metric"), QStringLiteral("PSNR"),
                                    Surface(), target, QStringLiteral("null:")},
                                   true))
            .toDouble();
}

// The PSNR of a .astc file's blocks, decoded by libastcenc, against the source's colours.
double AstcPsnr(const QString& astcPath, const QString& source) {
    QFile file(astcPath);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 16) return 0;
    const int side = uchar(bytes[4]);
    const auto size = [&bytes](int at) {
        return int(uchar(bytes[at]) | uchar(bytes[at + 1]) << 8 | uchar(bytes[at + 2]) << 16);
    };
    const int width = size(7), height = size(10);
    const QImage picture = QImage(source).convertToFormat(QImage::Format_RGBA8888);
    if (picture.width() != width || picture.height() != height) return 0;
    astcenc_config config{};
    astcenc_context* context = nullptr;
    if (astcenc_config_init(ASTCENC_PRF_LDR_SRGB, unsigned(side), unsigned(side), 1,
                            ASTCENC_PRE_FAST, ASTCENC_FLG_DECOMPRESS_ONLY,
                            &config) != ASTCENC_SUCCESS ||
        astcenc_context_alloc(&config, 1, &context) != ASTCENC_SUCCESS)
        return 0;
    std::vector<uchar> rgba(std::size_t(width) * std::size_t(height) * 4);
    void* slices[1] = {rgba.data()};
    astcenc_image image{unsigned(width), unsigned(height), 1, ASTCENC_TYPE_U8, slices};
    const astcenc_swizzle identity{ASTCENC_SWZ_R, ASTCENC_SWZ_G, ASTCENC_SWZ_B, ASTCENC_SWZ_A};
    const astcenc_error decoded =
        astcenc_decompress_image(context, reinterpret_cast<const uint8_t*>(bytes.constData()) + 16,
                                 std::size_t(bytes.size() - 16), &image, &identity, 0);
    astcenc_context_free(context);
    if (decoded != ASTCENC_SUCCESS) return 0;
    double sum = 0;
    for (int y = 0; y < height; ++y) {
        const uchar* row = picture.constScanLine(y);
        const uchar* back = rgba.data() + std::size_t(y) * std::size_t(width) * 4;
        for (int i = 0; i < width * 4; ++i) {
            if (i % 4 == 3) continue;
            const double d = double(row[i]) - back[i];
            sum += d * d;
        }
    }
    return sum == 0 ? 99 : 10 * std::log10(255.0 * 255.0 * width * height * 3 / sum);
}

void BM_Astc(benchmark::State& state, const char* sides, bool ours) {
    const QString out = TextureSamples().dir.filePath(QStringLiteral("surface-%1-%2.astc")
                                                          .arg(QLatin1String(sides))
                                                          .arg(ours ? "ours" : "astcenc"));
    if (ours) {
        Measure(state,
                Ours({QStringLiteral("convert"), Surface(), out, QStringLiteral("--astc"),
                      QLatin1String(sides), QStringLiteral("--quality"), QStringLiteral("medium"),
                      QStringLiteral("--threads"), QStringLiteral("2")}));
    } else {
        const QString astcenc = Program({"astcenc", "astcenc-native", "astcenc-sse4.1"});
        if (astcenc.isEmpty()) {
            state.SkipWithError("astcenc is not installed (package astcenc)");
            return;
        }
        Measure(state,
                {QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                 QStringLiteral("exec \"$0\" -cs \"$1\" \"$2\" $3 -medium -j 2 -silent >/dev/null"),
                 astcenc, Surface(), out, QLatin1String(sides)},
                {out});
    }
    state.counters["psnr_top"] = AstcPsnr(out, Surface());
}

void RegisterAlpha() {
    static const char* const kInputs[] = {"tga24", "tga32", "png24", "png32"};
    for (const AlphaWork& w : kAlphaWorks) {
        for (int input = 0; input < 4; ++input)
            benchmark::RegisterBenchmark(
                (std::string("BM_Alpha_Ours/") + w.name + "/" + kInputs[input]).c_str(),
                BM_Alpha_Ours, w, input)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        if (w.theirs.isEmpty()) continue;
        for (const bool graphics : {false, true})
            benchmark::RegisterBenchmark(
                ((graphics ? "BM_Alpha_GraphicsMagick_synced/" : "BM_Alpha_Magick_synced/") +
                 std::string(w.name) + "/tga32")
                    .c_str(),
                BM_Alpha_Magick, w, graphics)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        benchmark::RegisterBenchmark(
            ("BM_Alpha_Vips_synced/" + std::string(w.name) + "/v_to_v").c_str(), BM_Alpha_Vips, w)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

int Register() {
    RegisterAlpha();
    for (const Work& w : kWorks) {
        benchmark::RegisterBenchmark((std::string("BM_Ours/") + w.name).c_str(), BM_Ours, w)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        for (const bool synced : {false, true}) {
            const std::string suffix = synced ? "_synced" : "";
            for (const bool graphics : {false, true})
                benchmark::RegisterBenchmark(
                    ((graphics ? "BM_GraphicsMagick/" : "BM_Magick/") + (w.name + suffix)).c_str(),
                    BM_Magick, w, graphics, synced)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime();
            benchmark::RegisterBenchmark(("BM_Vips/" + (w.vipsName + suffix)).c_str(), BM_Vips, w,
                                         synced)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    }
    for (const bool synced : {false, true}) {
        benchmark::RegisterBenchmark(synced ? "BM_Cp_synced" : "BM_Cp", BM_Cp, synced)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
        for (const bool graphics : {false, true})
            benchmark::RegisterBenchmark(
                (std::string(graphics ? "BM_Extract_GraphicsMagick" : "BM_Extract_Magick") +
                 (synced ? "_synced" : ""))
                    .c_str(),
                BM_Extract_Magick, graphics, synced)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    }
    for (int i = 0; i < int(std::size(kHeaderFormats)); ++i)
        benchmark::RegisterBenchmark((std::string("BM_Info_Ours/") + kHeaderFormats[i]).c_str(),
                                     BM_Info_Ours, i)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    for (const bool synced : {false, true})
        for (int peer = 0; peer < 3; ++peer) {
            static const char* const kPeers[] = {"BM_Png_Magick", "BM_Png_GraphicsMagick",
                                                 "BM_Png_VipsCopy"};
            benchmark::RegisterBenchmark(
                (std::string(kPeers[peer]) + (synced ? "_synced" : "")).c_str(), BM_Png_Peer, peer,
                synced)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
        }
    for (int i = 0; i < int(TextureSamples().names.size()); ++i)
        for (const bool ours : {true, false})
            benchmark::RegisterBenchmark(((ours ? "BM_Bc1_Ours/" : "BM_Bc1_Nvcompress_synced/") +
                                          TextureSamples().names[i].toStdString())
                                             .c_str(),
                                         BM_Bc1, i, ours)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    const struct {
        const char* name;
        QStringList options;
        const char* out;
    } blocks[] = {
        {"bc3", {QStringLiteral("--bc3")}, "surface-bc3.dds"},
        {"bc5", {QStringLiteral("--bc5")}, "surface-bc5.dds"},
        {"bc1_threads_1", {QStringLiteral("--threads"), QStringLiteral("1")}, "surface-t1.dds"},
        {"bc1_threads_2", {QStringLiteral("--threads"), QStringLiteral("2")}, "surface-t2.dds"},
        {"rgb_no_blocks", {QStringLiteral("--rgb")}, "surface-rgb.dds"},
    };
    for (const auto& b : blocks)
        benchmark::RegisterBenchmark((std::string("BM_Blocks_Ours/") + b.name).c_str(),
                                     BM_Blocks_Ours, b.options, b.out)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    for (const char* sides : {"4x4", "6x6", "8x8"})
        for (const bool ours : {true, false})
            benchmark::RegisterBenchmark(
                ((ours ? "BM_Astc_Ours/" : "BM_Astc_Astcenc_synced/") + std::string(sides)).c_str(),
                BM_Astc, sides, ours)
                ->Unit(benchmark::kMillisecond)
                ->UseRealTime();
    return 0;
}
const int registered = Register();

}  // namespace

BENCHMARK(BM_Version_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Png_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Extract_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Print_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ContactSheet_Ours)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
