#include "lib/mib/private_family.h"

namespace halvora {

ChipsetBranch::ChipsetBranch()
    : MibGroup(kChipsetGroup, {&broadcom_, &unused_, &prism_, &atheros_, &ralink_}) {}

PrivateFamily::PrivateFamily()
    : MibGroup(kPrivateGroup, {&chipset_, &connection_, &adapterState_, &survey_}) {}

}  // namespace halvora
