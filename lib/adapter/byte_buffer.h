// A growable byte string: the value form of every byte-string column and adapter operation.
// A value of length L is kept with a zero byte after it, so texts can be read in place.
#pragma once

#include <cstdint>
#include <cstring>
#include <new>

namespace halvora {

class ByteBuffer {
public:
    ByteBuffer() = default;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;
    ~ByteBuffer() { Clear(); }

    const uint8_t* Data() const { return data_; }
    uint8_t* Data() { return data_; }
    int32_t Length() const { return length_; }
    int32_t Capacity() const { return capacity_; }
    const char* Text() const { return data_ ? reinterpret_cast<const char*>(data_) : ""; }

    // Makes room for n bytes; when the capacity is short the content is replaced by n zero bytes
    // (capacity 0 when that allocation fails). The length is not changed.
    bool Reserve(int32_t n) {
        if (n <= capacity_) return true;
        delete[] data_;
        data_ = new (std::nothrow) uint8_t[static_cast<uint32_t>(n)]();
        capacity_ = data_ ? n : 0;
        if (!data_) length_ = 0;
        return data_ != nullptr;
    }

    // Stores length bytes and a zero byte after them; false when memory runs out (then empty).
    bool Assign(const void* bytes, int32_t length) {
        if (length < 0 || !bytes) length = 0;
        if (length == INT32_MAX || !Reserve(length + 1)) return false;
        if (length) std::memmove(data_, bytes, static_cast<uint32_t>(length));
        data_[length] = 0;
        length_ = length;
        return true;
    }

    bool AssignText(const char* text) {
        return Assign(text, text ? static_cast<int32_t>(std::strlen(text)) : 0);
    }

    // Sets the length after the caller filled Data() itself; the terminator follows it.
    void SetLength(int32_t length) {
        if (length < 0 || length >= capacity_) return;
        length_ = length;
        data_[length] = 0;
    }

    void Clear() {
        delete[] data_;
        data_ = nullptr;
        length_ = 0;
        capacity_ = 0;
    }

private:
    uint8_t* data_ = nullptr;
    int32_t length_ = 0;
    int32_t capacity_ = 0;
};

}  // namespace halvora
