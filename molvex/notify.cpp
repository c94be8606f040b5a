#include "molvex/notify.h"

#include "molvex/handles.h"
#include "molvex/trace.h"

#include <thread>

namespace molvex {

uint32_t Deliver(const std::string& instance, uint32_t code) {
    uint32_t delivered = 0;
    std::thread worker([&] {
        try {
            std::lock_guard<std::recursive_mutex> delivery(DeliveryLock());
            for (const Registration& r : HandlersOf(instance)) {
                // An earlier handler may have closed this handle or replaced its handler.
                if (!StillRegistered(r)) continue;
                r.handler(code, r.context);
                ++delivered;
            }
        } catch (...) {
            // Out of memory: what ran, ran.
        }
    });
    worker.join();
    TraceLine("notify " + instance + " " + Hex8(code) + " -> delivered=" +
              std::to_string(delivered));
    return delivered;
}

}  // namespace molvex
