#include "lib/mib/phy.h"

namespace halvora {

PhyBranch::PhyBranch()
    : MibGroup(kPhyGroup, {&ratesRx_, &ratesTx_, &antennasList_, &regDomains_, &ir_, &dsss_,
                           &fhss_, &txPower_, &antenna_, &operation_, &ofdm_}) {}

}  // namespace halvora
