// How a simulated driver answers OID requests, from the values of its Oids key. Per OID (named
// by 8 hex digits, "0D01020A"):
//   "<OID>"              the answer; a set stores here
//   "<OID>:<hex>"        the answer to a query whose buffer starts with those bytes (longest wins)
//   "<OID>#<n>"          answer sequence: successive successful queries get steps 1, 2, ...;
//                        the last step repeats
//   "<OID>!query", "<OID>!set"  DWORD: a forced NDIS status for that direction
// The precedence is forced status, sequence, keyed answer, plain answer.
#pragma once

#include <cstdint>
#include <string>

namespace molvex {

struct Outcome {
    uint32_t status = 0;
    uint32_t count = 0;   // bytes written (query) or read (set)
    uint32_t needed = 0;  // bytes the answer or the value needs
};

// A set longer than this is refused unread: no driver value is that large, and a length gone
// wrong must not send the stand-in reading far past the caller's buffer.
constexpr uint32_t kMaxSetLength = 65536;

// buffer may be null only when length is 0.
Outcome AnswerQuery(const std::string& instance, const std::string& adapterKey, uint32_t oid,
                    uint8_t* buffer, uint32_t length);
Outcome AnswerSet(const std::string& adapterKey, uint32_t oid, const uint8_t* buffer,
                  uint32_t length);

}  // namespace molvex
