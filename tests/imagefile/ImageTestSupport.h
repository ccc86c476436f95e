#pragma once
// Shared by the image file tests: byte builders and ImageMagick's own command line, the
// independent tool that makes samples and decodes them for comparison.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <ostream>

#include "platform/Error.h"

// Failure messages show texts, not UTF-16 code units.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << text.toStdString();
}

namespace imagetest {

inline void Le16(QByteArray& out, int v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}
inline void Le32(QByteArray& out, int64_t v) {
    for (int i = 0; i < 4; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
inline QByteArray Bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v));
    return out;
}

// The message of the TessellaError that f throws, or "(no error)".
inline QString ErrorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const tessella::platform::TessellaError& e) {
        return e.message();
    }
    return QStringLiteral("(no error)");
}

// ImageMagick 6's convert (the versioned name: a plain "convert" may be something else).
inline QString MagickConvert() {
    for (const char* name : {"convert-im6.q16", "convert-im6"}) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!found.isEmpty()) return found;
    }
    return QStringLiteral("/usr/bin/convert");
}

// Runs convert with args; answers its standard output, failing the test on a non-zero exit.
inline QByteArray RunConvert(const QStringList& args) {
    QProcess p;
    p.start(MagickConvert(), args);
    const bool finished = p.waitForFinished(60000);
    EXPECT_TRUE(finished && p.exitCode() == 0) << "convert " << args.join(' ').toStdString() << ": "
                                               << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// ImageMagick's decoding of file with its coder (as "TGA"), as w x h blue-green-red bytes,
// transparency over white. ImageMagick keeps a TGA's origin as an orientation tag:
// -auto-orient applies it. The first frame, except for a Photo-CD whose first "frame" is its
// smallest resolution.
inline QByteArray MagickBgr(const QString& file, const QString& coder) {
    const QString frame = coder == QLatin1String("PCD") ? QString() : QStringLiteral("[0]");
    return RunConvert({coder + QLatin1Char(':') + file + frame, QStringLiteral("-auto-orient"),
                       QStringLiteral("-background"), QStringLiteral("white"),
                       QStringLiteral("-flatten"), QStringLiteral("-depth"), QStringLiteral("8"),
                       QStringLiteral("bgr:-")});
}

// The picture's pixels as tightly packed blue-green-red bytes.
inline QByteArray PackedBgr(const QImage& image) {
    const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
    QByteArray out;
    for (int y = 0; y < bgr.height(); ++y)
        out.append(reinterpret_cast<const char*>(bgr.constScanLine(y)), bgr.width() * 3);
    return out;
}

// True when a and b have the same length and no byte differs by more than tolerance.
inline bool NearBytes(const QByteArray& a, const QByteArray& b, int tolerance) {
    if (a.size() != b.size()) return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (std::abs(uchar(a[i]) - uchar(b[i])) > tolerance) return false;
    return true;
}

inline void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

}  // namespace imagetest
