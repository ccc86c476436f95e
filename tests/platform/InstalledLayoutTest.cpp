#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <climits>

#include "platform/InstalledLayout.h"
#include "platform/ProgramFolder.h"

using namespace tessella::platform;

namespace {

// Makes the files named (relative to root); those ending in '/' are folders, "*" executable.
void MakeTree(const QString& root, const QStringList& names) {
    for (QString name : names) {
        const bool executable = name.endsWith('*');
        if (executable) name.chop(1);
        if (name.endsWith('/')) {
            ASSERT_TRUE(QDir(root).mkpath(name)) << name.toStdString();
            continue;
        }
        ASSERT_TRUE(QDir(root).mkpath(QFileInfo(root + '/' + name).path()));
        QFile f(root + '/' + name);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        if (executable) f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
    }
}

}  // namespace

TEST(InstalledLayout, HelperLiesBesideElseInTheHelperFolderOfThePrefix) {
    const struct {
        QStringList tree;
        const char* self;
        const char* found;  // relative to the root; null when none
    } rows[] = {
        // The build tree: beside the launcher.
        {{"build/cli/tessella-cli*", "build/cli/tessella-cli-full*"},
         "build/cli/tessella-cli",
         "build/cli/tessella-cli-full"},
        // Installed: from bin/ to lib/tessella/ of the same prefix, not of another.
        {{"usr/bin/tessella-cli*", "usr/lib/tessella/tessella-cli-full*",
          "lib/tessella/tessella-cli-full*"},
         "usr/bin/tessella-cli",
         "usr/lib/tessella/tessella-cli-full"},
        // One helper starting another: beside it, in lib/tessella/.
        {{"usr/lib/tessella/tessella-cli-quick*", "usr/lib/tessella/tessella-cli-full*"},
         "usr/lib/tessella/tessella-cli-quick",
         "usr/lib/tessella/tessella-cli-full"},
        // Beside wins over the installed folder.
        {{"usr/bin/tessella-cli*", "usr/bin/tessella-cli-full*",
          "usr/lib/tessella/tessella-cli-full*"},
         "usr/bin/tessella-cli",
         "usr/bin/tessella-cli-full"},
        // A file that cannot be run is no helper; nor is a folder of its name elsewhere.
        {{"usr/bin/tessella-cli*", "usr/lib/tessella/tessella-cli-full"},
         "usr/bin/tessella-cli",
         nullptr},
        {{"usr/bin/tessella-cli*", "usr/tessella-cli-full*"}, "usr/bin/tessella-cli", nullptr},
    };
    for (const auto& row : rows) {
        QTemporaryDir root;
        MakeTree(root.path(), row.tree);
        const QByteArray self = QFile::encodeName(root.path() + '/' + row.self);
        char path[PATH_MAX];
        const char* found = FindHelperProgram(self.constData(), "tessella-cli-full", path);
        if (!row.found) {
            EXPECT_EQ(found, nullptr) << row.self << " found " << found;
            continue;
        }
        ASSERT_NE(found, nullptr) << row.self;
        EXPECT_EQ(QString::fromLocal8Bit(found), root.path() + '/' + row.found);
    }
}

TEST(InstalledLayout, ProgramFilesComeFromTheDataFolderWhenInstalled) {
    const struct {
        QStringList tree;
        const char* executable;
        const char* files;
    } rows[] = {
        {{"usr/bin/", "usr/share/tessella/"}, "usr/bin", "usr/share/tessella"},
        {{"build/ui/app/"}, "build/ui/app", "build/ui/app"},
        // share/tessella of the prefix, not of the executable's own folder.
        {{"usr/bin/share/tessella/"}, "usr/bin", "usr/bin"},
    };
    for (const auto& row : rows) {
        QTemporaryDir root;
        MakeTree(root.path(), row.tree);
        EXPECT_EQ(ProgramFilesFolder(root.path() + '/' + row.executable),
                  root.path() + '/' + row.files)
            << row.executable;
    }
}
