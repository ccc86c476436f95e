#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>

#include "platform/Error.h"
#include "platform/SafeFile.h"

using namespace tessella::platform;
using detail::FileCalls;

namespace {

// The error's message, or "" when the call went through.
QString Failure(const std::function<void()>& call) {
    try {
        call();
    } catch (const TessellaError& e) {
        return e.message();
    }
    return {};
}

QString WriteMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Impossible d'écrire le fichier %1 : %2").arg(path, reason);
}

QString ReadMessage(const QString& path, const QString& reason) {
    return QStringLiteral("Impossible de lire le fichier %1 : %2").arg(path, reason);
}

QStringList Entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                               QDir::NoDotAndDotDot);
}

void WriteInTwoChunks(ByteSink& sink) {
    sink.write("new ", 4);
    sink.write(QByteArray("contents"));
}

auto Failing(int error) {
    return [error](auto...) {
        errno = error;
        return -1;
    };
}

}  // namespace

TEST(SafeFile, ReplacesTheTargetWholeKeepingItsRightsAndLinks) {
    QTemporaryDir dir;
    const QString page = dir.filePath("page.tga");
    WriteFileAtomically(page, "old contents");
    ASSERT_EQ(chmod(QFile::encodeName(page).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(page, dir.filePath("link.tga")));
    WriteFileAtomically(dir.filePath("link.tga"), WriteInTwoChunks);
    EXPECT_EQ(ReadWholeFile(page), "new contents");
    struct stat info {};
    stat(QFile::encodeName(page).constData(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_TRUE(QFileInfo(dir.filePath("link.tga")).isSymLink());
    EXPECT_EQ(Entries(dir.path()), (QStringList{"link.tga", "page.tga"}));
}

TEST(SafeFile, RefusedWriteKeepsTheOldFile) {
    QTemporaryDir dir;
    const QString page = dir.filePath("page.tga");
    const auto keep = [](FileCalls&) {};
    const auto ownError = [](ByteSink& sink) {
        sink.write("half", 4);
        throw TessellaError("Targa : image invalide");
    };
    const auto swallowing = [](ByteSink& sink) {
        try {
            sink.write("new", 3);
        } catch (const TessellaError&) {
        }
    };
    const struct {
        const char* what;
        std::function<void(FileCalls&)> breakIt;
        std::function<void(ByteSink&)> produce;
        QString message;
    } rows[] = {
        {"first chunk", [](FileCalls& c) { c.write = Failing(ENOSPC); }, WriteInTwoChunks,
         WriteMessage(page, "disque plein")},
        {"fsync", [](FileCalls& c) { c.fsync = Failing(EIO); }, WriteInTwoChunks,
         WriteMessage(page, QString::fromLocal8Bit(std::strerror(EIO)))},
        // NFS reports a full disk only at close, which frees the descriptor all the same.
        {"close",
         [](FileCalls& c) {
             c.close = [](int fd) {
                 close(fd);
                 return Failing(ENOSPC)();
             };
         },
         WriteInTwoChunks, WriteMessage(page, "disque plein")},
        {"rename", [](FileCalls& c) { c.rename = Failing(EACCES); }, WriteInTwoChunks,
         WriteMessage(page, "droits insuffisants")},
        {"producer's own error", keep, ownError, "Targa : image invalide"},
        {"refusal swallowed by the producer", [](FileCalls& c) { c.write = Failing(ENOSPC); },
         swallowing, WriteMessage(page, "disque plein")},
    };
    for (const auto& row : rows) {
        WriteFileAtomically(page, "old contents");
        FileCalls calls = detail::CurrentFileCalls();
        row.breakIt(calls);
        detail::ScopedFileCalls broken(calls);
        EXPECT_EQ(Failure([&] { WriteFileAtomically(page, row.produce); }), row.message)
            << row.what;
        EXPECT_EQ(ReadWholeFile(page), "old contents") << row.what;
        EXPECT_EQ(Entries(dir.path()), QStringList{"page.tga"}) << row.what;
    }
}

TEST(SafeFile, SurvivesInterruptionsShortWritesAndFoldersThatCannotSync) {
    QTemporaryDir dir;
    FileCalls calls = detail::CurrentFileCalls();
    calls.write = [real = calls.write, interrupt = false](int fd, const void* data,
                                                          std::size_t size) mutable {
        interrupt = !interrupt;
        return interrupt ? Failing(EINTR)() : real(fd, data, std::min<std::size_t>(size, 3));
    };
    calls.fsync = Failing(EINVAL);
    detail::ScopedFileCalls slow(calls);
    WriteFileAtomically(dir.filePath("page.tga"), WriteInTwoChunks);
    EXPECT_EQ(ReadWholeFile(dir.filePath("page.tga")), "new contents");
}

// A batch syncs the disk once, at finish(); a sync failing there is the batch's failure.
TEST(SafeFile, BatchPlacesEachFileAndSyncsOnce) {
    QTemporaryDir dir;
    int fileSyncs = 0, folderSyncs = 0;
    int syncError = 0;
    FileCalls calls = detail::CurrentFileCalls();
    calls.fsync = [&fileSyncs](int) { return ++fileSyncs, 0; };
    calls.syncfs = [&](int) {
        ++folderSyncs;
        errno = syncError;
        return syncError ? -1 : 0;
    };
    detail::ScopedFileCalls counted(calls);
    const QStringList names = {"el001.bmp", "el002.bmp"};
    {
        SyncedBatch batch;
        for (const QString& name : names) WriteFileAtomically(dir.filePath(name), WriteInTwoChunks);
        batch.finish();
    }
    EXPECT_EQ(fileSyncs, 0);
    EXPECT_EQ(folderSyncs, 1);
    EXPECT_EQ(Entries(dir.path()), names);
    for (const QString& name : names) EXPECT_EQ(ReadWholeFile(dir.filePath(name)), "new contents");

    syncError = EIO;
    SyncedBatch failing;
    WriteFileAtomically(dir.filePath("el004.bmp"), WriteInTwoChunks);
    EXPECT_EQ(Failure([&] { failing.finish(); }),
              WriteMessage(dir.filePath("el004.bmp"), qt_error_string(EIO)));
}

// A write-protected file is refused even to root, whom the system lets write anything.
TEST(SafeFile, RefusedTargetsAreNamedAndKept) {
    QTemporaryDir dir;
    const QString page = dir.filePath("page.tga");
    WriteFileAtomically(page, "old contents");
    ASSERT_EQ(chmod(QFile::encodeName(page).constData(), 0444), 0);
    QDir(dir.path()).mkdir("folder.tga");
    const struct {
        QString path, reason;
    } rows[] = {
        {dir.filePath("missing/x.tga"), "dossier introuvable"},
        {dir.filePath("folder.tga"), "c'est un dossier"},
        {page, "fichier protégé en écriture"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(Failure([&] { WriteFileAtomically(row.path, "new"); }),
                  WriteMessage(row.path, row.reason));
    EXPECT_EQ(ReadWholeFile(page), "old contents");
    EXPECT_EQ(Entries(dir.path()), (QStringList{"folder.tga", "page.tga"}));
}

TEST(SafeFile, ReadsOnlyRegularFilesWithinTheLimit) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath("fifo"), ten = dir.filePath("ten");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    WriteFileAtomically(ten, "0123456789");
    const QString notRegular = "ce n'est pas un fichier ordinaire", tooLarge = "fichier trop grand";
    const struct {
        QString path;
        qint64 max;
        QString outcome;
    } rows[] = {
        // A FIFO opened plainly would wait for a writer.
        {fifo, kNoSizeLimit, ReadMessage(fifo, notRegular)},
        {dir.filePath("none"), kNoSizeLimit,
         ReadMessage(dir.filePath("none"), "fichier introuvable")},
        {ten, 10, "0123456789"},
        {ten, 9, ReadMessage(ten, tooLarge)},
    };
    for (const auto& row : rows) {
        QString outcome;
        const QString error = Failure([&] { outcome = ReadWholeFile(row.path, row.max); });
        EXPECT_EQ(error.isEmpty() ? outcome : error, row.outcome);
    }
}

namespace {

// A 64 KiB tmpfs in a mount namespace of the test's own, so a crashed run leaves no mount behind.
class TinyDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        mounted_ = unshare(CLONE_NEWNS) == 0 &&
                   mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                   mount("tmpfs", folder(), "tmpfs", 0, "size=64k") == 0;
        if (!mounted_) why_ = std::strerror(errno);
    }
    void TearDown() override {
        if (mounted_) umount2(folder(), MNT_DETACH);
    }
    const char* folder() const { return native_.constData(); }
    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // Fills the disk, then gives back `spare` bytes.
    void fillLeaving(off_t spare) {
        const int fd =
            open(QFile::encodeName(path("filler")).constData(), O_WRONLY | O_CREAT, 0644);
        ASSERT_GE(fd, 0);
        const QByteArray block(4096, 'f');
        off_t size = 0;
        for (ssize_t n; (n = write(fd, block.constData(), block.size())) > 0;) size += n;
        ASSERT_EQ(errno, ENOSPC);
        ASSERT_GE(size, spare);
        ASSERT_EQ(ftruncate(fd, size - spare), 0);
        close(fd);
    }

    QTemporaryDir dir_;
    QByteArray native_ = QFile::encodeName(dir_.path());
    bool mounted_ = false;
    std::string why_;
};

}  // namespace

TEST_F(TinyDisk, FullDiskKeepsTheOldFile) {
    if (!mounted_) GTEST_SKIP() << "cannot mount a tmpfs here: " << why_;
    const QString page = path("page.tga");
    WriteFileAtomically(page, QByteArray(4096, 'o'));
    fillLeaving(8192);
    // Smaller than the 16 KiB a buffered writer holds back, where a full disk shows only at close.
    EXPECT_EQ(Failure([&] { WriteFileAtomically(page, QByteArray(12288, 'n')); }),
              WriteMessage(page, "disque plein"));
    EXPECT_EQ(ReadWholeFile(page), QByteArray(4096, 'o'));
    EXPECT_EQ(Entries(dir_.path()), (QStringList{"filler", "page.tga"}));
    ASSERT_TRUE(QFile::remove(path("filler")));
    WriteFileAtomically(page, QByteArray(12288, 'n'));
    EXPECT_EQ(ReadWholeFile(page), QByteArray(12288, 'n'));
}

namespace {

// Sets the file's last write back by `seconds`.
void Age(const QString& path, int seconds) {
    const timespec times[2] = {{time(nullptr) - seconds, 0}, {time(nullptr) - seconds, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

// True when the process has a file of folder open other than `except`.
bool HasFileOpenIn(pid_t pid, const QString& folder, const QString& except) {
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QString& fd : QDir(fds).entryList(QDir::Files | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds + '/' + fd);
        if (target.startsWith(folder + '/') && target != except) return true;
    }
    return false;
}

}  // namespace

// Where the file system has no unnamed files, what killed runs left is removed, but neither a
// temporary file still being written nor files of other names.
TEST(SafeFile, StaleTemporariesOfKilledRunsAreRemoved) {
    QTemporaryDir dir;
    const QString page = dir.filePath("page.tga");
    for (const char* name : {"page.tga.a5tiwe.tmp", "other.tga.a5tiwe.tmp", "page.tga.fresh.tmp"})
        WriteFileAtomically(dir.filePath(name), "left");
    Age(dir.filePath("page.tga.a5tiwe.tmp"), 120);
    Age(dir.filePath("other.tga.a5tiwe.tmp"), 120);
    FileCalls calls = detail::CurrentFileCalls();
    calls.openUnnamed = Failing(EOPNOTSUPP);
    detail::ScopedFileCalls named(calls);
    WriteFileAtomically(page, "new");
    EXPECT_EQ(ReadWholeFile(page), "new");
    EXPECT_EQ(Entries(dir.path()),
              (QStringList{"other.tga.a5tiwe.tmp", "page.tga", "page.tga.fresh.tmp"}));
}

// A command line killed while it writes a 48 MB picture leaves only what was there before.
TEST(SafeFile, KilledWriterLeavesNothing) {
    QTemporaryDir dir;
    const QString input = dir.filePath("in.bmp"), output = dir.filePath("out.tga");
    QImage grey(16384, 1024, QImage::Format_RGB888);
    grey.fill(Qt::gray);
    ASSERT_TRUE(grey.save(input, "BMP"));
    WriteFileAtomically(output, "old contents");
    int killedWhileWriting = 0;
    for (int attempt = 0; attempt < 10 && killedWhileWriting < 3; ++attempt) {
        QProcess cli;
        cli.start(TESSELLA_CLI, {"convert", input, output});
        ASSERT_TRUE(cli.waitForStarted());
        const pid_t pid = pid_t(cli.processId());
        while (cli.state() == QProcess::Running && !HasFileOpenIn(pid, dir.path(), input))
            cli.waitForFinished(1);
        if (cli.state() == QProcess::Running) {
            kill(pid, SIGKILL);
            ++killedWhileWriting;
        }
        cli.waitForFinished(60000);
        EXPECT_EQ(Entries(dir.path()).join(" ").toStdString(), "in.bmp out.tga");
    }
    EXPECT_GT(killedWhileWriting, 0) << "the writer always finished before it could be killed";
    const QByteArray left = ReadWholeFile(output);
    EXPECT_TRUE(left == "old contents" || left.size() == 18 + 16384 * 1024 * 3);
}
