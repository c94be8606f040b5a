// Placeholder until the simulated drivers land: no library, no adapters.
#include "lib/adapter/nioc.h"

NIOC_API BOOL NIOC_CALL NIOC_IsInstalled(void) { return FALSE; }
NIOC_API BOOL NIOC_CALL NIOC_InitializeEx(int32_t, int32_t) { return FALSE; }
NIOC_API BOOL NIOC_CALL NIOC_IsRunning(void) { return FALSE; }
NIOC_API NIOC_HANDLE NIOC_CALL NIOC_OpenInstance(const char*) { return 0; }
NIOC_API BOOL NIOC_CALL NIOC_CloseInstance(NIOC_HANDLE) { return FALSE; }
NIOC_API BOOL NIOC_CALL NIOC_QueryOid(NIOC_HANDLE, uint32_t*, uint32_t, void*, uint32_t, uint32_t*,
                                      uint32_t*) {
    return FALSE;
}
NIOC_API BOOL NIOC_CALL NIOC_SetOid(NIOC_HANDLE, uint32_t*, uint32_t, const void*, uint32_t,
                                    uint32_t*, uint32_t*) {
    return FALSE;
}
NIOC_API BOOL NIOC_CALL NIOC_QueryTxByteCount(NIOC_HANDLE, uint32_t*) { return FALSE; }
NIOC_API BOOL NIOC_CALL NIOC_QueryRxByteCount(NIOC_HANDLE, uint32_t*) { return FALSE; }
NIOC_API BOOL NIOC_CALL NIOC_QueryBindState(NIOC_HANDLE) { return FALSE; }
NIOC_API BOOL NIOC_CALL NIOC_Rebind(NIOC_HANDLE) { return FALSE; }
NIOC_API BOOL NIOC_CALL NIOC_MonitorStatus(NIOC_HANDLE, NIOC_STATUS_HANDLER, void*) { return FALSE; }
