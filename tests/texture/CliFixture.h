#pragma once
// tessella-cli run as a separate process in a temporary folder, with a few pictures in it.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

namespace tessella::testing {

class CliFixture : public ::testing::Test {
  protected:
    CliFixture() {
        bmp("haute.bmp", 64, 256, Qt::cyan);
        bmp("e.bmp", 64, 64, Qt::red);
        bmp("odd.bmp", 20, 20, Qt::yellow);
        bmp("e.rgba", 64, 64, Qt::red);
        bmp("page.bmp", 256, 128, Qt::red);
    }
    void bmp(const char* name, int w, int h, QColor c) {
        QImage image(w, h, QImage::Format_BGR888);
        image.fill(c);
        EXPECT_TRUE(image.save(dir.filePath(name), "BMP"));
    }
    // Runs the command line (words split at spaces); the exit code, or -1 on a crash.
    int run(const char* line,
            const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
        QProcess p;
        p.setProcessEnvironment(environment);
        p.setWorkingDirectory(dir.path());
        p.start(QStringLiteral(TESSELLA_CLI), QString::fromLatin1(line).split(' '));
        p.waitForFinished(60000);
        out = QString::fromUtf8(p.readAllStandardOutput());
        err = QString::fromUtf8(p.readAllStandardError());
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    }
    bool exists(const char* name) const { return QFileInfo::exists(dir.filePath(name)); }
    QByteArray read(const char* name) const {
        QFile f(dir.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void write(const char* name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QJsonObject frame(const char* json, const char* name) const {
        return QJsonDocument::fromJson(read(json))["frames"][name]["frame"].toObject();
    }
    QTemporaryDir dir;
    QString out, err;
};

}  // namespace tessella::testing
