// Reads fuzz input as a stream of small fields; past the end every read answers zero, so a
// decoder never has to check the length itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzz {

class ByteReader {
public:
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    size_t Left() const { return at_ < size_ ? size_ - at_ : 0; }

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    uint16_t U16() { return uint16_t(Byte() | Byte() << 8); }
    uint32_t U32() { return uint32_t(U16()) | uint32_t(U16()) << 16; }

    // Up to n bytes (fewer at the end of the input).
    std::vector<uint8_t> Bytes(size_t n) {
        if (n > Left()) n = Left();
        std::vector<uint8_t> out(data_ + at_, data_ + at_ + n);
        at_ += n;
        return out;
    }
    std::string Text(size_t n) {
        std::vector<uint8_t> b = Bytes(n);
        return std::string(b.begin(), b.end());
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace fuzz
