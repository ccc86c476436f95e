#include <QGuiApplication>

#include "fuzz/FuzzOne.h"
#include "imagefile/EmfRenderer.h"

// Text needs fonts, and fonts need a GUI application (offscreen: no display here).
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return FuzzOne(data, size, tessella::imagefile::RenderEmf);
}
