#include "lib/mib/mac_res.h"

namespace halvora {

MacBranch::MacBranch() : MibGroup(kMacGroup, {&groupAddresses_, &counters_, &operation_}) {}

namespace {

constexpr char kResourceTypeId[] = "RTID";  // sent with its terminating NUL

bool IsResourceTypeId(MibId id) {
    return RoutingPrefix(id, kShiftTable) == APS_dot11ResourceTypeIDName;
}

}  // namespace

Status ResourceAttributeNode::Get(MibId id, void* buffer, int32_t length, uint32_t* needed,
                                  uint32_t* written) {
    if (!IsResourceTypeId(id)) return TableNode::Get(id, buffer, length, needed, written);
    return CopyAtLeast(GetIo{buffer, length, needed, written}, kResourceTypeId,
                       sizeof kResourceTypeId);
}

Status ResourceAttributeNode::Refresh(MibId id) {
    return IsResourceTypeId(id) ? APS_INVALID : TableNode::Refresh(id);
}

}  // namespace halvora
