#pragma once
// Where the program finds its help file and its two texture folders: beside its executable.

#include <QString>

namespace tessella::platform {

class ProgramFolder {
  public:
    // The folder of the running executable.
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

// The one place that joins a folder and a name: exactly one '/' between them.
QString JoinPath(const QString& folder, const QString& name);
// A folder text ending with '/'; "C:\" and empty become the user's home folder.
QString FolderWithSlash(const QString& folder);

}  // namespace tessella::platform
