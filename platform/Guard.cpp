#include "platform/Guard.h"

#include <new>

#include "platform/Error.h"
#include "platform/Prompts.h"

namespace tessella::platform {

bool Guard(Prompts& prompts, const std::function<void()>& body) {
    try {
        body();
        return true;
    } catch (const TessellaError& e) {
        prompts.error(e.message());
    } catch (const std::bad_alloc&) {
        prompts.error(kOutOfMemoryMessage);
    } catch (const std::exception& e) {
        prompts.error(QString::fromLocal8Bit(e.what()));
    }
    return false;
}

}  // namespace tessella::platform
