#include "tools/apstool/context.h"

#include "include/halvora.h"

#include <ostream>

namespace apstool {

bool Context::Start() {
    if (started_) return true;
    if (startFailed_ || !start_()) {
        startFailed_ = true;
        return false;
    }
    apsInitialize();
    started_ = true;
    return true;
}

int Context::Failed(std::string_view what) {
    io_.err << "apstool: " << what << '\n';
    return kFailed;
}

int Context::BadInput(std::string_view what) {
    io_.err << "apstool: " << what << '\n';
    return kBadInput;
}

}  // namespace apstool
