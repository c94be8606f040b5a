/* halvora: one C interface to every wireless adapter of a Windows PC.
 *
 * Call apsInitialize once, search the adapters with apsSearchInterface, open one by its instance
 * name with apsCreateMIB, then read and write values by MIB identifier. Every handle is checked
 * before use; a stale or foreign handle gives a status, never a crash. The library takes no lock:
 * call it from one thread at a time. */
#ifndef HALVORA_H
#define HALVORA_H

#include <stdint.h>

#if defined(_WIN32)
#define APS_CALL __stdcall
#define APS_API
#elif defined(__GNUC__)
#define APS_CALL
#define APS_API __attribute__((visibility("default")))
#else
#define APS_CALL
#define APS_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result of every MIB operation and MIB export. */
#define APS_OK 0            /* success */
#define APS_NOT_READY 1     /* the adapter did not become ready within 10 ms */
#define APS_BAD_ARGUMENT 2  /* null buffer or wrong length (needed tells the length), or a value
                               out of range (needed is 0xFFFFFFFF) */
#define APS_INVALID 3       /* no such identifier, operation not applicable, handle not
                               registered, or library not initialized */
#define APS_NOT_BOUND 4     /* the MIB node has no adapter instance */
#define APS_UNAVAILABLE (-1) /* never read, not supported by the adapter, or the request failed */

/* Handles are opaque; never dereference them. */
typedef void* APS_HANDLE;
typedef APS_HANDLE APS_INTERFACE_LIST;
typedef APS_HANDLE APS_MIB;

/* One search criterion: each text may be null or empty (not compared). A criterion whose three
 * texts are all null or empty makes the whole search fail. */
typedef struct InterfaceFilter {
    const char* manufacturer;
    const char* description; /* the adapter's friendly name */
    const char* service;     /* the driver's service name */
} InterfaceFilter;

APS_API int32_t APS_CALL apsInitialize(void);

APS_API APS_INTERFACE_LIST APS_CALL apsSearchInterface(const InterfaceFilter* criteria,
                                                       int32_t count);
APS_API int32_t APS_CALL apsGetInterfaceCount(APS_INTERFACE_LIST list);
APS_API const char* APS_CALL apsGetInstanceName(APS_INTERFACE_LIST list, int32_t index);
APS_API const char* APS_CALL apsGetFriendlyName(APS_INTERFACE_LIST list, int32_t index);
APS_API const char* APS_CALL apsGetIfMfg(APS_INTERFACE_LIST list, int32_t index);
APS_API const char* APS_CALL apsGetIfService(APS_INTERFACE_LIST list, int32_t index);

APS_API int32_t APS_CALL apsGetReady(const char* instanceName, int32_t* isWireless);

APS_API void APS_CALL apsCloseHandle(APS_HANDLE handle);

APS_API APS_MIB APS_CALL apsCreateMIB(const char* instanceName);
APS_API int32_t APS_CALL apsRefreshMIB(APS_MIB mib, uint32_t id);
APS_API int32_t APS_CALL apsGetMIB(APS_MIB mib, uint32_t id, void* buffer, int32_t length,
                                   uint32_t* needed, uint32_t* written);
APS_API int32_t APS_CALL apsSetMIB(APS_MIB mib, uint32_t id, const void* buffer, int32_t length,
                                   uint32_t* needed, uint32_t* written);
APS_API int32_t APS_CALL apsApply(APS_MIB mib, uint32_t id);

#ifdef __cplusplus
}
#endif

/* MIB identifiers: one constant per leaf, APS_<leaf name>. */
#include "halvora_mib.h"

#endif /* HALVORA_H */
