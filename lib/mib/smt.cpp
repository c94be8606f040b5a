#include "lib/mib/smt.h"

namespace halvora {

SmtBranch::SmtBranch()
    : MibGroup(kSmtGroup, {&notification_, &privacy_, &keyMappings_, &defaultKeys_,
                           &authentication_, &stationConfig_}) {}

}  // namespace halvora
