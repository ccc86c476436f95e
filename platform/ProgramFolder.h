#pragma once
// Where the program finds its help file and its two texture folders: in the data folder of the
// installed tree, else beside its executable (the build tree).

#include <QString>

namespace tessella::platform {

class ProgramFolder {
  public:
    // The program files' folder of the running executable.
    ProgramFolder();
    explicit ProgramFolder(const QString& folder);

    // Always ends with '/'.
    const QString& path() const { return folder_; }
    QString file(const QString& name) const;
    QString helpFile() const { return file(QStringLiteral("Tessella.rtf")); }
    QString catalogueFolder() const { return file(QStringLiteral("Clips_Textures")) + '/'; }
    QString backgroundFolder() const { return file(QStringLiteral("TextureFond")) + '/'; }

  private:
    QString folder_;
};

// share/tessella/ of the prefix above executableFolder when it exists, else executableFolder.
QString ProgramFilesFolder(const QString& executableFolder);
// The one place that joins a folder and a name: exactly one '/' between them.
QString JoinPath(const QString& folder, const QString& name);
// A folder text ending with '/'; "C:\" and empty become the user's home folder.
QString FolderWithSlash(const QString& folder);

}  // namespace tessella::platform
