// The NDIS I/O library interface: every request from halvora to a driver goes through these
// functions, linked at load time from Molvex.dll (or libmolvex on the host). Arguments and results
// are 32-bit; true means nonzero.
#pragma once

#include "lib/platform/win32.h"

#include <cstdint>

#ifdef _WIN32
#define NIOC_CALL __stdcall
#define NIOC_IMPORT __declspec(dllimport)
#else
#define NIOC_CALL
#define NIOC_IMPORT
#endif

#ifdef MOLVEX_BUILD
#ifdef _WIN32
#define NIOC_API extern "C"
#else
#define NIOC_API extern "C" __attribute__((visibility("default")))
#endif
#else
#define NIOC_API extern "C" NIOC_IMPORT
#endif

typedef uint32_t NIOC_HANDLE;
typedef void(NIOC_CALL* NIOC_STATUS_HANDLER)(uint32_t code, void* context);

// NDIS status values the callers test.
constexpr uint32_t kNdisSuccess = 0;
constexpr uint32_t kNdisFailure = 0xC0000001u;
constexpr uint32_t kNdisNotSupported = 0xC00000BBu;
constexpr uint32_t kNdisInvalidLength = 0xC0010014u;
constexpr uint32_t kNdisBufferTooShort = 0xC0010016u;

// Status codes delivered to a registered handler.
constexpr uint32_t kStatusAdapterGone = 0xFD000003u;
constexpr uint32_t kStatusAdapterBusy = 0xFD000004u;
constexpr uint32_t kStatusAdapterBack = 0xFD000005u;

NIOC_API BOOL NIOC_CALL NIOC_IsInstalled(void);
NIOC_API BOOL NIOC_CALL NIOC_InitializeEx(int32_t first, int32_t second);
NIOC_API BOOL NIOC_CALL NIOC_IsRunning(void);
NIOC_API NIOC_HANDLE NIOC_CALL NIOC_OpenInstance(const char* instanceName);
NIOC_API BOOL NIOC_CALL NIOC_CloseInstance(NIOC_HANDLE handle);
NIOC_API BOOL NIOC_CALL NIOC_QueryOid(NIOC_HANDLE handle, uint32_t* status, uint32_t oid,
                                      void* buffer, uint32_t length, uint32_t* needed,
                                      uint32_t* written);
NIOC_API BOOL NIOC_CALL NIOC_SetOid(NIOC_HANDLE handle, uint32_t* status, uint32_t oid,
                                    const void* buffer, uint32_t length, uint32_t* needed,
                                    uint32_t* read);
NIOC_API BOOL NIOC_CALL NIOC_QueryTxByteCount(NIOC_HANDLE handle, uint32_t* count);
NIOC_API BOOL NIOC_CALL NIOC_QueryRxByteCount(NIOC_HANDLE handle, uint32_t* count);
NIOC_API BOOL NIOC_CALL NIOC_QueryBindState(NIOC_HANDLE handle);
NIOC_API BOOL NIOC_CALL NIOC_Rebind(NIOC_HANDLE handle);
NIOC_API BOOL NIOC_CALL NIOC_MonitorStatus(NIOC_HANDLE handle, NIOC_STATUS_HANDLER handler,
                                           void* context);
