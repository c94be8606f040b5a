// A typed registry value: owned bytes, their size and the registry type. Texts are types 1, 2 and
// 6 read as zero-terminated strings; numbers are types 4 and 5 read as little-endian 32 bits.
#pragma once

#include "lib/platform/win32.h"

#include <cstdint>
#include <string>

namespace halvora {

class RegValue {
public:
    RegValue() = default;
    RegValue(const RegValue&) = delete;
    RegValue& operator=(const RegValue&) = delete;
    ~RegValue() { Release(); }

    // Replaces the data by n bytes of undefined content; the type stays. Null when n is 0 or
    // memory runs out (size is then 0).
    uint8_t* Allocate(uint32_t n);
    // The setters throw std::bad_alloc when memory runs out, so that an empty value is never
    // written in place of the real one.
    void SetString(const char* text, bool expand);
    void SetDword(uint32_t v);
    void SetBytes(DWORD type, const void* bytes, uint32_t n);
    // Out is set only when the value is text.
    bool GetString(std::string& out) const;
    // Out is set only when the value is a number of at least 4 bytes.
    bool GetNumber(uint32_t& out) const;

    static bool IsTextType(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_LINK; }
    static bool IsNumberType(DWORD type) { return type == REG_DWORD || type == REG_DWORD_BIG_ENDIAN; }

    const uint8_t* Data() const { return data_; }
    uint8_t* Data() { return data_; }
    uint32_t Size() const { return size_; }
    DWORD Type() const { return type_; }
    void SetType(DWORD type) { type_ = type; }
    void Release();

    // A view over a buffer owned elsewhere (the walk's shared data block): the value does not
    // free it.
    void Borrow(uint8_t* data, uint32_t size, DWORD type);

private:
    uint8_t* data_ = nullptr;
    uint32_t size_ = 0;
    DWORD type_ = REG_NONE;
    bool borrowed_ = false;
};

}  // namespace halvora
