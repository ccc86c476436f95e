#include <QGuiApplication>
#include <cmath>
#include <cstring>

#include "fuzz/FuzzOne.h"
#include "imagefile/EmfRenderer.h"

// Text needs fonts, and fonts need a GUI application (offscreen: no display here).
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

namespace {
// Keeps each run quick: the header's frame alone can ask for 128 megapixels, which the
// renderer accepts, but painting them once tells nothing that painting a small one doesn't.
bool SmallFrame(const uint8_t* data, size_t size) {
    if (size < 88) return true;
    int32_t b[4], f[4], device[2], mm[2];
    std::memcpy(b, data + 8, sizeof b);
    std::memcpy(f, data + 24, sizeof f);
    std::memcpy(device, data + 72, sizeof device);
    std::memcpy(mm, data + 80, sizeof mm);
    if (mm[0] <= 0 || mm[1] <= 0) return true;
    const double w = (double(f[2]) - f[0]) * device[0] / mm[0] / 100;
    const double h = (double(f[3]) - f[1]) * device[1] / mm[1] / 100;
    const double bw = double(b[2]) - b[0] + 1, bh = double(b[3]) - b[1] + 1;
    return std::fabs(w) * std::fabs(h) < 4e6 && std::fabs(bw) * std::fabs(bh) < 4e6;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!SmallFrame(data, size)) return 0;
    return FuzzOne(data, size, tessella::imagefile::RenderEmf);
}
