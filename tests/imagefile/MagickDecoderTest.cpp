// tessella-decode reads with the loader's coders only, and dies with the program that started it.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <cstring>

#include "ImageSamples.h"
#include "imagefile/MagickBridge.h"
#include "imagefile/MagickProtocol.h"
#include "platform/ImageLimits.h"

extern char** environ;

using namespace imagetest;
using tessella::imagefile::magick::Answer;
using tessella::imagefile::magick::Outcome;

namespace {

// Bodies that make the indirect formats read other files or URLs.
const QByteArray kMvgReadingAFile =
    "viewbox 0 0 10 10\nimage over 0,0 10,10 '/etc/passwd'\nimage over 0,0 10,10 "
    "'https://127.0.0.1:9/x.png'\n";
const QByteArray kSvgReadingAFile =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
    "width=\"10\" height=\"10\"><image xlink:href=\"/etc/passwd\" width=\"10\" height=\"10\"/>"
    "</svg>";
const QByteArray kFileList = "@/etc/passwd";

struct DecoderRun {
    bool answered = false;
    Answer answer{};
    QStringList leftInFolder;
};

// Runs tessella-decode as the loader does: body on standard input, answer on descriptor 3.
DecoderRun RunDecoder(const QByteArray& coder, const QByteArray& body, pid_t parent = getpid()) {
    QTemporaryDir work;
    const QString folder = work.filePath(QStringLiteral("private"));
    EXPECT_TRUE(QDir().mkdir(folder));
    WriteFile(work.filePath(QStringLiteral("in")), body);
    const QByteArray in = QFile::encodeName(work.filePath(QStringLiteral("in")));
    const QByteArray out = QFile::encodeName(work.filePath(QStringLiteral("out")));
    std::vector<QByteArray> args = {
        TESSELLA_DECODER,
        coder,
        QFile::encodeName(folder),
        QByteArray::number(qlonglong(tessella::platform::kMaxImageSide)),
        QByteArray::number(qlonglong(tessella::platform::kMaxImagePixels)),
        QByteArray::number(qlonglong(tessella::platform::kMaxDecodeBytes)),
        QByteArray::number(parent)};
    std::vector<char*> argv;
    for (QByteArray& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.constData(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 3, out.constData(), O_WRONLY | O_CREAT, 0600);
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0);
    int status = 0;
    waitpid(pid, &status, 0);
    DecoderRun run;
    const QByteArray answer = ReadFile(work.filePath(QStringLiteral("out")));
    run.answered = answer.size() >= qsizetype(sizeof(Answer));
    if (run.answered) std::memcpy(&run.answer, answer.constData(), sizeof(Answer));
    run.leftInFolder =
        QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    run.leftInFolder.removeAll(QStringLiteral("policy.xml"));
    return run;
}

std::vector<pid_t> ChildrenNamed(pid_t parent, const QByteArray& name) {
    std::vector<pid_t> found;
    const QString tasks = QStringLiteral("/proc/%1/task/").arg(parent);
    for (const QString& task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        for (const QByteArray& pid : ReadFile(tasks + task + "/children").split(' '))
            if (ReadFile("/proc/" + pid + "/comm").trimmed() == name) found.push_back(pid.toInt());
    return found;
}

// Gone, or a zombie not reaped yet.
bool Ended(pid_t pid) {
    const QByteArray stat = ReadFile(QStringLiteral("/proc/%1/stat").arg(pid));
    const qsizetype close = stat.lastIndexOf(')');
    return stat.isEmpty() || (close > 0 && stat.mid(close + 2, 1) == "Z");
}

QStringList DecoderFolders(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("tessella-magick-*")},
                                  QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}

}  // namespace

// Indirect formats (any case), prefixed coders, a file list as a name and a program already
// gone are refused without reading anything.
TEST(MagickDecoder, OnlyTheLoadersCodersRead) {
    QTemporaryDir dir;
    const QByteArray tiff = ReadFile(MakeSample(QDir(dir.path()), QStringLiteral("tif")).path);
    const DecoderRun good = RunDecoder("TIFF", tiff);
    ASSERT_TRUE(good.answered);
    EXPECT_EQ(good.answer.outcome, Outcome::Picture);
    EXPECT_EQ(good.answer.width, 24);
    EXPECT_EQ(good.answer.height, 16);
    const struct {
        QByteArray coder, body;
    } rows[] = {
        {"mvg", kMvgReadingAFile},       {"SVG", kSvgReadingAFile},  {"LABEL", kFileList},
        {"URL", "https://127.0.0.1:9/"}, {"MVG:TIFF", tiff},         {"TIFF:MVG", kMvgReadingAFile},
        {"@/etc/passwd", tiff},          {"TIFF", kSvgReadingAFile},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.coder.toStdString());
        const DecoderRun run = RunDecoder(row.coder, row.body);
        ASSERT_TRUE(run.answered);
        EXPECT_EQ(run.answer.outcome, Outcome::Damaged);
        EXPECT_EQ(run.leftInFolder, QStringList());
    }
    EXPECT_FALSE(RunDecoder("TIFF", tiff, getppid()).answered);
}

// A program killed mid-decode takes its decoder with it; its folder (no pixels in it) goes at
// the next clean-up, the folders of running programs and unnamed ones stay.
TEST(MagickDecoder, AKilledProgramTakesItsDecoderAndLeavesNothing) {
    QTemporaryDir dir;
    const QString temporary = dir.filePath(QStringLiteral("tmp"));
    ASSERT_TRUE(QDir().mkpath(temporary));
    // 6000 x 6000 points keep the library drawing for seconds.
    const QString slow = FileIn(dir, QStringLiteral("slow.wmf"), WmfFile(6000, 6000));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("TMPDIR"), temporary);
    process.setProcessEnvironment(env);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(QStringLiteral(TESSELLA_CLI), {QStringLiteral("info"), slow});
    ASSERT_TRUE(process.waitForStarted());
    const pid_t cli = pid_t(process.processId());
    QElapsedTimer clock;
    clock.start();
    std::vector<pid_t> decoders;
    while (decoders.empty() && clock.elapsed() < 4000) {
        QThread::msleep(20);
        decoders = ChildrenNamed(cli, "tessella-decode");
    }
    ASSERT_EQ(decoders.size(), 1u);
    QThread::msleep(300);  // well into the decode
    ASSERT_FALSE(Ended(decoders[0]));
    process.kill();
    process.waitForFinished();
    clock.restart();
    while (!Ended(decoders[0]) && clock.elapsed() < 2000) QThread::msleep(10);
    EXPECT_TRUE(Ended(decoders[0]));

    const QStringList left = DecoderFolders(temporary);
    ASSERT_EQ(left.size(), 1);
    EXPECT_TRUE(left[0].startsWith(QStringLiteral("tessella-magick-%1-").arg(cli)));
    qint64 bytes = 0;
    QDirIterator files(temporary + QLatin1Char('/') + left[0], QDir::Files | QDir::Hidden,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) bytes += QFileInfo(files.next()).size();
    EXPECT_LT(bytes, 64 * 1024);

    const QString running = QStringLiteral("tessella-magick-%1-kept").arg(getpid());
    const QString unnamed = QStringLiteral("tessella-magick-kept");
    for (const QString& name : {running, unnamed}) ASSERT_TRUE(QDir(temporary).mkdir(name));
    tessella::imagefile::RemoveStaleDecoderFolders(temporary);
    EXPECT_EQ(DecoderFolders(temporary), (QStringList{running, unnamed}));
}
