#pragma once
// The program's saved settings in a folder of the test's own while it lasts: another test
// binary running at the same moment neither sees nor changes them.

#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace tessella::testing {

class ScratchSettings {
  public:
    ScratchSettings() {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_.path());
    }
    ~ScratchSettings() {
        // Back to the place Qt itself gives (the test mode's scratch folder).
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                           QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    }
    ScratchSettings(const ScratchSettings&) = delete;
    ScratchSettings& operator=(const ScratchSettings&) = delete;

    // The file the program's settings go to.
    QString file() const { return folder_.filePath(QStringLiteral("Tessella/Tessella.ini")); }

  private:
    QTemporaryDir folder_;
};

}  // namespace tessella::testing
