#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "platform/InstalledLayout.h"

namespace tessella::platform {

ProgramFolder::ProgramFolder()
    : ProgramFolder(ProgramFilesFolder(QCoreApplication::applicationDirPath())) {}

ProgramFolder::ProgramFolder(const QString& folder) : folder_(FolderWithSlash(folder)) {}

QString ProgramFolder::file(const QString& name) const {
    return JoinPath(folder_, name);
}

QString ProgramFilesFolder(const QString& executableFolder) {
    const QString installed = QDir::cleanPath(executableFolder + QStringLiteral("/../") +
                                              QLatin1String(kInstalledDataFolder));
    return QFileInfo(installed).isDir() ? installed : executableFolder;
}

QString JoinPath(const QString& folder, const QString& name) {
    if (folder.isEmpty()) return name;
    QString left = folder;
    while (left.size() > 1 && left.endsWith(QLatin1Char('/'))) left.chop(1);
    QString right = name;
    while (right.startsWith(QLatin1Char('/'))) right.remove(0, 1);
    if (left == QStringLiteral("/")) return left + right;
    return left + QLatin1Char('/') + right;
}

QString FolderWithSlash(const QString& folder) {
    QString f = folder;
    if (f.isEmpty() || f.compare(QStringLiteral("C:\\"), Qt::CaseInsensitive) == 0)
        f = QDir::homePath();
    f.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (!f.endsWith(QLatin1Char('/'))) f += QLatin1Char('/');
    return f;
}

}  // namespace tessella::platform
