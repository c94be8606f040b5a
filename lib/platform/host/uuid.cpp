// The RPC UUID functions for the host: random (version 4) UUIDs and their text form.
#include "lib/platform/win32.h"

#include <cstdio>
#include <cstdlib>
#include <random>

RPC_STATUS UuidCreate(UUID* uuid) {
    if (!uuid) return 1702;  // RPC_S_INVALID_ARG
    static std::random_device seed;
    static std::mt19937_64 random(seed());
    uint64_t a = random(), b = random();
    uuid->Data1 = static_cast<uint32_t>(a);
    uuid->Data2 = static_cast<uint16_t>(a >> 32);
    uuid->Data3 = static_cast<uint16_t>(((a >> 48) & 0x0FFF) | 0x4000);
    for (int i = 0; i < 8; ++i) uuid->Data4[i] = static_cast<uint8_t>(b >> (8 * i));
    uuid->Data4[0] = static_cast<uint8_t>((uuid->Data4[0] & 0x3F) | 0x80);
    return RPC_S_OK;
}

RPC_STATUS UuidToStringA(UUID* uuid, RPC_CSTR* text) {
    if (!uuid || !text) return 1702;
    char* out = static_cast<char*>(std::malloc(37));
    if (!out) return 14;  // RPC_S_OUT_OF_MEMORY
    std::snprintf(out, 37, "%08x-%04x-%04x-%02x%02x-%02x%02x%02x%02x%02x%02x", uuid->Data1,
                  uuid->Data2, uuid->Data3, uuid->Data4[0], uuid->Data4[1], uuid->Data4[2],
                  uuid->Data4[3], uuid->Data4[4], uuid->Data4[5], uuid->Data4[6], uuid->Data4[7]);
    *text = reinterpret_cast<RPC_CSTR>(out);
    return RPC_S_OK;
}

RPC_STATUS RpcStringFreeA(RPC_CSTR* text) {
    if (text) {
        std::free(*text);
        *text = nullptr;
    }
    return RPC_S_OK;
}
