#include "platform/Pacer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace tessella::platform {

void EventLoopPacer::wait(int ms) {
    if (ms <= 0) return processEvents();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void EventLoopPacer::processEvents() {
    QCoreApplication::processEvents();
}

}  // namespace tessella::platform
