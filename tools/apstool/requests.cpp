#include "tools/apstool/requests.h"

#include "lib/exports/status.h"

#include <algorithm>

namespace apstool {

namespace {

Answer ReadOnce(APS_MIB mib, halvora::MibId id, int32_t length, const std::vector<uint8_t>& input) {
    Answer a;
    // Never a null buffer: a length of 0 or less still comes with one.
    a.bytes.assign(std::max<size_t>({static_cast<size_t>(std::max(length, 0)), input.size(), 1}),
                   0);
    std::copy(input.begin(), input.end(), a.bytes.begin());
    a.status = apsGetMIB(mib, id, a.bytes.data(), length, &a.needed, &a.written);
    // A count beyond the buffer is not believed.
    a.bytes.resize(a.status == APS_OK ? std::min<size_t>(a.written, a.bytes.size()) : 0);
    return a;
}

}  // namespace

Answer Read(APS_MIB mib, const Target& target, int32_t length, const std::vector<uint8_t>& input,
            bool grow) {
    Answer a = ReadOnce(mib, target.id, length, input);
    const bool variable = target.Kind() == halvora::LeafKind::Octets ||
                          target.Kind() == halvora::LeafKind::Raw;
    if (grow && variable && a.status == APS_BAD_ARGUMENT && a.needed > static_cast<uint32_t>(length) &&
        a.needed <= static_cast<uint32_t>(kMaxLength))
        a = ReadOnce(mib, target.id, static_cast<int32_t>(a.needed), input);
    return a;
}

Answer Write(APS_MIB mib, const Target& target, const ValueBytes& value,
             std::optional<int32_t> length) {
    Answer a;
    std::vector<uint8_t> buffer = value.bytes;
    const int32_t sent = length ? *length : static_cast<int32_t>(buffer.size());
    if (sent > 0 && buffer.size() < static_cast<size_t>(sent)) buffer.resize(sent, 0);
    if (!value.null && buffer.empty()) buffer.push_back(0);  // a buffer, even for no bytes
    a.status = apsSetMIB(mib, target.id, value.null ? nullptr : buffer.data(), sent, &a.needed,
                         &a.written);
    return a;
}

std::string Describe(const Answer& answer) {
    std::string text = StatusText(answer.status) + " (" +
                       std::string(halvora::LookupStatus(answer.status).meaning);
    if (answer.status == APS_BAD_ARGUMENT && answer.needed == 0xFFFFFFFFu)
        text += ": value out of range";
    else if (answer.status == APS_BAD_ARGUMENT && answer.needed > 0)
        text += ": needs " + std::to_string(answer.needed) + " bytes";
    return text + ")";
}

}  // namespace apstool
