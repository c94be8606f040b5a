#include "lib/store/reg_value.h"

#include <cstring>
#include <new>

namespace halvora {

void RegValue::Release() {
    if (!borrowed_) delete[] data_;
    data_ = nullptr;
    size_ = 0;
    borrowed_ = false;
}

void RegValue::Borrow(uint8_t* data, uint32_t size, DWORD type) {
    Release();
    data_ = data;
    size_ = size;
    type_ = type;
    borrowed_ = true;
}

uint8_t* RegValue::Allocate(uint32_t n) {
    Release();
    if (n == 0) return nullptr;
    data_ = new (std::nothrow) uint8_t[n];
    size_ = data_ ? n : 0;
    return data_;
}

void RegValue::SetString(const char* text, bool expand) {
    uint32_t n = text ? static_cast<uint32_t>(std::strlen(text)) + 1 : 1;
    type_ = expand ? REG_EXPAND_SZ : REG_SZ;
    if (!Allocate(n)) throw std::bad_alloc();
    if (text)
        std::memcpy(data_, text, n);
    else
        data_[0] = 0;
}

void RegValue::SetDword(uint32_t v) {
    type_ = REG_DWORD;
    if (!Allocate(4)) throw std::bad_alloc();
    for (int i = 0; i < 4; ++i) data_[i] = static_cast<uint8_t>(v >> (8 * i));
}

void RegValue::SetBytes(DWORD type, const void* bytes, uint32_t n) {
    type_ = type;
    if (!Allocate(n) && n) throw std::bad_alloc();
    if (n) std::memcpy(data_, bytes, n);
}

bool RegValue::GetString(std::string& out) const {
    if (!IsTextType(type_)) return false;
    // The stored bytes need not carry their terminator: never read past the size.
    const char* text = reinterpret_cast<const char*>(data_);
    out.assign(text ? text : "", text ? strnlen(text, size_) : 0);
    return true;
}

bool RegValue::GetNumber(uint32_t& out) const {
    if (!IsNumberType(type_) || size_ < 4) return false;
    out = uint32_t(data_[0]) | uint32_t(data_[1]) << 8 | uint32_t(data_[2]) << 16 |
          uint32_t(data_[3]) << 24;
    return true;
}

}  // namespace halvora
