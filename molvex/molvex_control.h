/* Controls of the Molvex stand-in, for tests and apstool. Exported by Molvex.dll / libmolvex
   beside the NIOC_ functions; a real NDIS I/O library does not have them. Plain C. */
#ifndef MOLVEX_CONTROL_H
#define MOLVEX_CONTROL_H

#include <stdint.h>

#ifdef _WIN32
#define MOLVEX_CONTROL_CALL __stdcall
#else
#define MOLVEX_CONTROL_CALL
#endif

#ifdef __cplusplus
#define MOLVEX_CONTROL_EXTERN extern "C"
#else
#define MOLVEX_CONTROL_EXTERN extern
#endif

#if defined(MOLVEX_BUILD) && !defined(_WIN32)
#define MOLVEX_CONTROL_API MOLVEX_CONTROL_EXTERN __attribute__((visibility("default")))
#elif defined(MOLVEX_BUILD)
#define MOLVEX_CONTROL_API MOLVEX_CONTROL_EXTERN
#elif defined(_WIN32)
#define MOLVEX_CONTROL_API MOLVEX_CONTROL_EXTERN __declspec(dllimport)
#else
#define MOLVEX_CONTROL_API MOLVEX_CONTROL_EXTERN
#endif

/* Forgets every open handle and registered handler, every rebind and sequence position, and the
   trace. The registry is left alone. */
MOLVEX_CONTROL_API void MOLVEX_CONTROL_CALL MolvexSim_Reset(void);

/* Calls every handler registered for the instance with (code, context) on another thread and
   returns when they have run: the number called, 0 when none is registered (never for a closed
   handle). */
MOLVEX_CONTROL_API uint32_t MOLVEX_CONTROL_CALL MolvexSim_Notify(const char* instance,
                                                                 uint32_t code);

/* Copies the trace, lines ending in '\n', with a terminating zero. *needed (may be null) gets
   the bytes that would fit. Returns 1 when it fitted (and then clears the trace when clear is
   nonzero); 0 leaves the buffer and the trace as they were. */
MOLVEX_CONTROL_API int32_t MOLVEX_CONTROL_CALL MolvexSim_ReadTrace(char* buffer, uint32_t length,
                                                                   uint32_t* needed,
                                                                   int32_t clear);

MOLVEX_CONTROL_API void MOLVEX_CONTROL_CALL MolvexSim_ClearTrace(void);

#endif
