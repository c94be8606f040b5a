#include "lib/adapter/nds80211.h"
namespace halvora {
Nds80211::~Nds80211() = default;
}
