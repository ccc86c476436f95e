#pragma once
// Files written whole in one call, for damaged pictures, foreign files and placeholders.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace tessella::testing {

// Replaces file's contents by bytes (an empty file when bytes is empty); false on failure.
inline bool WriteBytes(const QString& file, const QByteArray& bytes = {}) {
    QFile f(file);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

}  // namespace tessella::testing
