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

    // Makes room for n bytes; when the capacity is short the content is replaced by n zero bytes.
    // The length is not changed. Throws std::bad_alloc when memory runs out, with the content
    // left as it was, so that out of memory reaches the export frame instead of passing for a
    // value the adapter does not have.
    bool Reserve(int32_t n) {
        if (n <= capacity_) return true;
        uint8_t* fresh = new uint8_t[static_cast<uint32_t>(n)]();
        delete[] data_;
        data_ = fresh;
        capacity_ = n;
        return true;
    }

    // Stores length bytes and a zero byte after them; throws std::bad_alloc as Reserve does.
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
