// The control API of the stand-in: reset, status delivery and the trace.
#include "molvex/molvex_control.h"

#include "molvex/adapter_state.h"
#include "molvex/handles.h"
#include "molvex/notify.h"
#include "molvex/trace.h"

using namespace molvex;

MOLVEX_CONTROL_API void MOLVEX_CONTROL_CALL MolvexSim_Reset(void) {
    ResetHandles();
    ResetAdapterState();
    ClearTrace();
}

MOLVEX_CONTROL_API uint32_t MOLVEX_CONTROL_CALL MolvexSim_Notify(const char* instance,
                                                                 uint32_t code) {
    if (!instance) return 0;
    try {
        return Deliver(instance, code);
    } catch (...) {
        return 0;
    }
}

MOLVEX_CONTROL_API int32_t MOLVEX_CONTROL_CALL MolvexSim_ReadTrace(char* buffer, uint32_t length,
                                                                   uint32_t* needed,
                                                                   int32_t clear) {
    try {
        return CopyTrace(buffer, length, needed, clear != 0) ? 1 : 0;
    } catch (...) {
        if (needed) *needed = 0;
        return 0;
    }
}

MOLVEX_CONTROL_API void MOLVEX_CONTROL_CALL MolvexSim_ClearTrace(void) { ClearTrace(); }
