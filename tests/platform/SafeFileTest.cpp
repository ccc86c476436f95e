#include <gtest/gtest.h>

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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

mode_t ModeOf(const QString& path) {
    struct stat info {};
    stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 0777;
}

}  // namespace

TEST(SafeFile, ReplacesTheTargetWholeKeepingItsRightsAndLinks) {
    QTemporaryDir dir;
    const QString page = dir.filePath("page.tga");
    const mode_t umaskWas = umask(022);
    WriteFileAtomically(page, "old contents");
    umask(umaskWas);
    EXPECT_EQ(ModeOf(page), 0644u);
    ASSERT_EQ(chmod(QFile::encodeName(page).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(page, dir.filePath("link.tga")));
    WriteFileAtomically(dir.filePath("link.tga"), WriteInTwoChunks);
    EXPECT_EQ(ReadWholeFile(page), "new contents");
    EXPECT_EQ(ModeOf(page), 0640u);
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
        {"second chunk",
         [](FileCalls& c) {
             c.write = [real = c.write, calls = 0](int fd, const void* data,
                                                   std::size_t size) mutable {
                 return ++calls == 1 ? real(fd, data, size) : Failing(EDQUOT)();
             };
         },
         WriteInTwoChunks, WriteMessage(page, "disque plein")},
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

// Within a batch every file is still placed whole under its name, but the disk is synced once,
// at finish(), for the whole folder; a sync that fails there is the batch's failure. Batches
// inside another and writes after it sync as before.
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
    const QStringList names = {"el001.bmp", "el002.bmp", "el003.bmp"};
    {
        SyncedBatch batch;
        SyncedBatch inner;
        for (const QString& name : names) WriteFileAtomically(dir.filePath(name), WriteInTwoChunks);
        inner.finish();
        EXPECT_EQ(folderSyncs, 0);
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
    WriteFileAtomically(dir.filePath("after.bmp"), WriteInTwoChunks);
    EXPECT_GE(fileSyncs, 1);
}

TEST(SafeFile, MissingFolderIsNamed) {
    QTemporaryDir dir;
    const QString page = dir.filePath("page.tga");
    WriteFileAtomically(page, "old contents");
    QDir(dir.path()).mkdir("folder.tga");
    const struct {
        QString path, reason;
    } rows[] = {
        {dir.filePath("missing/x.tga"), "dossier introuvable"},
        {page + "/x.tga", "dossier introuvable"},
        {dir.filePath("folder.tga"), "c'est un dossier"},
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
    const QString proc = "/proc/self/stat";  // tells a size of 0
    const struct {
        QString path;
        qint64 max;
        QString outcome;
    } rows[] = {
        // A FIFO opened plainly would wait for a writer.
        {fifo, kNoSizeLimit, ReadMessage(fifo, notRegular)},
        {"/dev/zero", kNoSizeLimit, ReadMessage("/dev/zero", notRegular)},
        {dir.path(), kNoSizeLimit, ReadMessage(dir.path(), notRegular)},
        {dir.filePath("none"), kNoSizeLimit,
         ReadMessage(dir.filePath("none"), "fichier introuvable")},
        {ten, 10, "0123456789"},
        {ten, 9, ReadMessage(ten, tooLarge)},
        {proc, 4, ReadMessage(proc, tooLarge)},
    };
    for (const auto& row : rows) {
        QString outcome;
        const QString error = Failure([&] { outcome = ReadWholeFile(row.path, row.max); });
        EXPECT_EQ(error.isEmpty() ? outcome : error, row.outcome);
    }
    EXPECT_TRUE(ReadWholeFile(proc).startsWith(QByteArray::number(getpid()) + " ("));
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
        chmod(folder(), 0755);  // lets the folder go after a read-only row
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

TEST_F(TinyDisk, ReadOnlyFolderIsRefused) {
    const QString page = path("page.tga");
    WriteFileAtomically(page, "old contents");
    if (geteuid() != 0)
        ASSERT_EQ(chmod(folder(), 0555), 0);
    else if (!mounted_ || mount(nullptr, folder(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
        GTEST_SKIP() << "root ignores the folder's rights and cannot remount it read-only here";
    EXPECT_EQ(Failure([&] { WriteFileAtomically(page, "new"); }),
              WriteMessage(page, "droits insuffisants"));
    EXPECT_EQ(ReadWholeFile(page), "old contents");
    EXPECT_EQ(Entries(dir_.path()), QStringList{"page.tga"});
}
