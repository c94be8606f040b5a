// Values as they cross the command line: printed by kind, parsed by kind.
#pragma once

#include "lib/mib/catalogue.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace apstool {

// Human: octets as text when printable. Batch: octets and raw always as hex:, so output never
// depends on content. Fixed-size kinds that did not get their size print as hex: in both.
enum class ValueStyle { kHuman, kBatch };

std::string FormatValue(halvora::LeafKind kind, const uint8_t* data, size_t size,
                        ValueStyle style);

// "hex:" and lower-case pairs; "hex:" alone for no bytes.
std::string HexText(const uint8_t* data, size_t size);

// A value to send: bytes, or no buffer at all.
struct ValueBytes {
    bool null = false;
    std::vector<uint8_t> bytes;
};

// By kind (int and truth signed decimal or 0x hex, u32 unsigned, MAC aa:bb:cc:dd:ee:ff, octets
// the text itself), or hex:BYTES, or null. False with what the text should have been.
bool ParseValue(halvora::LeafKind kind, std::string_view text, ValueBytes& out,
                std::string& error);

// "hex:" followed by pairs of hex digits.
bool ParseHexArg(std::string_view text, std::vector<uint8_t>& out);
bool ParseInt32(std::string_view text, int32_t& out);
bool ParseUint32(std::string_view text, uint32_t& out);

// "APS_OK 0", "APS_UNAVAILABLE -1".
std::string StatusText(int32_t status);

}  // namespace apstool
