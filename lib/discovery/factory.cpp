// The creation table: the one place where an adapter class is registered. A chipset class is
// added as its file in lib/chipsets/ and its row here; until then its row builds the generic class.
#include "lib/adapter/nds80211.h"
#include "lib/discovery/chipset_tables.h"
#include "lib/discovery/factory.h"

#include <new>

namespace halvora {

namespace {

using Constructor = std::unique_ptr<Nds80211> (*)(NIOC_HANDLE handle);

template <typename AdapterClass>
std::unique_ptr<Nds80211> Make(NIOC_HANDLE handle) {
    return std::make_unique<AdapterClass>(handle);
}

struct CreationRow {
    std::string_view className;
    Constructor create;
};

constexpr CreationRow kCreationTable[] = {
    {kGenericClass, Make<Nds80211>},
    {"AR5210", Make<Nds80211>},    {"AR5211", Make<Nds80211>},    {"AR5212", Make<Nds80211>},
    {"AR2413", Make<Nds80211>},    {"AR5416", Make<Nds80211>},    {"AR5513", Make<Nds80211>},
    {"AR5523", Make<Nds80211>},    {"PRISM", Make<Nds80211>},     {"PRISM_A02", Make<Nds80211>},
    {"Atmel503", Make<Nds80211>},  {"BCM43XX", Make<Nds80211>},   {"BCM43XXu", Make<Nds80211>},
    {"TNET1130", Make<Nds80211>},  {"CX2NC", Make<Nds80211>},     {"Envara", Make<Nds80211>},
    {"RT2500", Make<Nds80211>},    {"RT2570", Make<Nds80211>},    {"RT61ag", Make<Nds80211>},
    {"RT5226", Make<Nds80211>},    {"RT2573", Make<Nds80211>},    {"RT2870", Make<Nds80211>},
    {"RT2860", Make<Nds80211>},    {"RTL8180", Make<Nds80211>},   {"RTL8185", Make<Nds80211>},
    {"RTL8187", Make<Nds80211>},   {"SIS162u", Make<Nds80211>},   {"SIS163", Make<Nds80211>},
    {"VT6655", Make<Nds80211>},    {"AIRGO303", Make<Nds80211>},  {"ZD1211", Make<Nds80211>},
};

constexpr const CreationRow* FindRow(std::string_view className) {
    for (const CreationRow& row : kCreationTable)
        if (row.className == className) return &row;
    return nullptr;
}

// Identification must never name a class that cannot be created.
template <size_t N>
constexpr bool AllCreatable(const IdentificationRow (&rows)[N]) {
    for (const IdentificationRow& row : rows)
        if (!FindRow(row.className)) return false;
    return true;
}
static_assert(AllCreatable(kServiceRows) && AllCreatable(kPciRows) && FindRow(kPcmciaClass),
              "an identified class has no creation row");

}  // namespace

std::unique_ptr<Nds80211> CreateAdapter(const AdapterRecord& record,
                                        const std::string& driverKeyPath, NIOC_HANDLE handle) {
    try {
        const CreationRow* row =
            FindRow(IdentifyChipset(record, driverKeyPath, CurrentWindowsFamily()));
        std::unique_ptr<Nds80211> adapter = (row ? row : &kCreationTable[0])->create(handle);
        adapter->SetDriverKeyPath(driverKeyPath);
        return adapter;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace halvora
