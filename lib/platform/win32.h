// The Win32 subset the system uses. On Windows this is <windows.h>; on the host it is our own
// declarations, implemented in lib/platform/host/ over an in-memory registry shared by every
// module of the process. This is the only file that includes <windows.h>.
#pragma once

#ifdef _WIN32

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <rpc.h>

#else  // host

#include <cstddef>
#include <cstdint>

typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef uint32_t ULONG;
typedef int32_t BOOL;
typedef int32_t INT;
typedef uint32_t UINT;
typedef char CHAR;
typedef unsigned char UCHAR;
typedef uintptr_t ULONG_PTR;
typedef DWORD REGSAM;
typedef LONG LSTATUS;
typedef void* HANDLE;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef BYTE* LPBYTE;
typedef const BYTE* LPCBYTE;
typedef DWORD* LPDWORD;
typedef void* LPVOID;
typedef struct HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef struct SECURITY_ATTRIBUTES_* LPSECURITY_ATTRIBUTES;
typedef struct FILETIME_* PFILETIME;

#define WINAPI
#define CALLBACK
#define TRUE 1
#define FALSE 0
#define MAX_PATH 260

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000u)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001u)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002u)

#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_OUTOFMEMORY 14L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_KEY_DELETED 1018L

#define REG_NONE 0u
#define REG_SZ 1u
#define REG_EXPAND_SZ 2u
#define REG_BINARY 3u
#define REG_DWORD 4u
#define REG_DWORD_BIG_ENDIAN 5u
#define REG_LINK 6u
#define REG_MULTI_SZ 7u

#define KEY_QUERY_VALUE 0x0001u
#define KEY_SET_VALUE 0x0002u
#define KEY_CREATE_SUB_KEY 0x0004u
#define KEY_ENUMERATE_SUB_KEYS 0x0008u
#define KEY_READ 0x20019u
#define KEY_WRITE 0x20006u
#define KEY_ALL_ACCESS 0xF003Fu
#define REG_OPTION_NON_VOLATILE 0u
#define REG_OPTION_VOLATILE 1u
#define REG_CREATED_NEW_KEY 1u
#define REG_OPENED_EXISTING_KEY 2u

#define INFINITE 0xFFFFFFFFu
#define WAIT_OBJECT_0 0u
#define WAIT_TIMEOUT 258u
#define WAIT_FAILED 0xFFFFFFFFu

#define VER_PLATFORM_WIN32s 0u
#define VER_PLATFORM_WIN32_WINDOWS 1u
#define VER_PLATFORM_WIN32_NT 2u

typedef struct _OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    CHAR szCSDVersion[128];
} OSVERSIONINFOA, *LPOSVERSIONINFOA;

typedef struct _GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
} GUID, UUID;
typedef LONG RPC_STATUS;
typedef unsigned char* RPC_CSTR;
#define RPC_S_OK 0L

#define HOST_API extern "C" __attribute__((visibility("default")))

HOST_API LONG RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM sam, PHKEY result);
HOST_API LONG RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass,
                              DWORD options, REGSAM sam, LPSECURITY_ATTRIBUTES security,
                              PHKEY result, LPDWORD disposition);
HOST_API LONG RegQueryValueExA(HKEY key, LPCSTR name, LPDWORD reserved, LPDWORD type,
                               LPBYTE data, LPDWORD size);
HOST_API LONG RegSetValueExA(HKEY key, LPCSTR name, DWORD reserved, DWORD type, const BYTE* data,
                             DWORD size);
HOST_API LONG RegEnumKeyA(HKEY key, DWORD index, LPSTR name, DWORD nameSize);
HOST_API LONG RegEnumValueA(HKEY key, DWORD index, LPSTR name, LPDWORD nameChars,
                            LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size);
HOST_API LONG RegQueryInfoKeyA(HKEY key, LPSTR keyClass, LPDWORD classChars, LPDWORD reserved,
                               LPDWORD subKeys, LPDWORD maxSubKeyChars, LPDWORD maxClassChars,
                               LPDWORD values, LPDWORD maxValueNameChars, LPDWORD maxValueBytes,
                               LPDWORD securityBytes, PFILETIME lastWrite);
HOST_API LONG RegDeleteValueA(HKEY key, LPCSTR name);
HOST_API LONG RegDeleteKeyA(HKEY key, LPCSTR subKey);
HOST_API LONG RegCloseKey(HKEY key);

HOST_API HANDLE CreateEventA(LPSECURITY_ATTRIBUTES security, BOOL manualReset, BOOL initialState,
                             LPCSTR name);
HOST_API BOOL SetEvent(HANDLE event);
HOST_API BOOL ResetEvent(HANDLE event);
HOST_API DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);
HOST_API BOOL CloseHandle(HANDLE handle);
HOST_API void Sleep(DWORD milliseconds);
HOST_API DWORD GetTickCount(void);

HOST_API BOOL GetVersionExA(LPOSVERSIONINFOA info);

HOST_API RPC_STATUS UuidCreate(UUID* uuid);
HOST_API RPC_STATUS UuidToStringA(UUID* uuid, RPC_CSTR* text);
HOST_API RPC_STATUS RpcStringFreeA(RPC_CSTR* text);

#endif  // host
