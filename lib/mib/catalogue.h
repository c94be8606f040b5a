// The catalogue: every leaf of the MIB, in identifier order, with its name, value kind, access,
// how its table answers Get and Set, and the check a cached Set makes. The leaf tables are built
// from these rows; include/halvora_mib.h and apstool's leaf names are checked against them.
// Header-only, so that a front end can name leaves without linking the library.
#pragma once

#include "lib/exports/status.h"
#include "lib/mib/mib_id.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace halvora {

// Value kinds: Int a signed 32-bit value (exactly 4 bytes); U32 the same bytes read and written
// as a counter; Truth an Int stored as 1 or 0; Mac exactly 6 bytes; Octets a byte string; Raw
// bytes whose format the adapter decides.
enum class LeafKind : uint8_t { Int, U32, Truth, Mac, Octets, Raw };

// RO: Set answers 3. WO: Get answers 3.
enum class LeafAccess : uint8_t { RO, WO, RW };

// How one side (Get or Set) of a leaf is answered.
enum class Form : uint8_t {
    None,            // not offered: 3
    Cached,          // the table's cache, read and written with the operation of the kind
    Absent,          // never holds a value: -1
    Block,           // GetBlock / SetBlock with the caller's buffer, length and counters
    RadioOnBlock,    // switches the radio on if it reads 0, then Block
    StrictU32,       // get: exactly 4 bytes, then GetU32
    ExactU32,        // set: exactly 4 bytes, then SetU32; needed 4 on success
    MacForm,         // at least 6 bytes, then GetMac / SetMac; set: needed 6 on success
    LenientU32,      // get: GetU32 first, then the buffer
    LenientCounter,  // get: GetCounter first, then the buffer
    LenientBytes,    // get: GetBytes first, then the buffer
    PlainU32,        // set: at least 4 bytes, written 4, then SetU32
    GuardedU32,      // fewer than 4 bytes: 3; then GetU32 / SetU32
    CheckedCounter,  // get: GetCounter first, then exactly 4 bytes
    Ready,           // get: from the adapter instance's bound and ready events
    Ssid,            // set: the desired SSID's rules (at most 32 bytes, null empties it)
    RateSet,         // set: at least one byte
    RowIndex,        // the table's current row
    RowElement,      // this column's element of the current row
    Own,             // the table's own code
    Constant,        // a fixed value answered by the node above the table
};

enum class CheckKind : uint8_t { None, Range, AtLeastUnsigned, OneOf, BelowRowCount };

// The check a Set makes on a 32-bit value: signed range (bounds included), unsigned lower bound,
// one of a set of small values (bit v of `low` allows v), or below the table's row count.
struct Check {
    CheckKind kind = CheckKind::None;
    int32_t low = 0;
    int32_t high = 0;

    constexpr bool Accepts(int32_t value, int32_t rowCount = 0) const {
        switch (kind) {
        case CheckKind::None: return true;
        case CheckKind::Range: return value >= low && value <= high;
        case CheckKind::AtLeastUnsigned:
            return static_cast<uint32_t>(value) >= static_cast<uint32_t>(low);
        case CheckKind::OneOf:
            return value >= 0 && value < 32 && ((static_cast<uint32_t>(low) >> value) & 1u);
        case CheckKind::BelowRowCount: return value >= 0 && value < rowCount;
        }
        return false;
    }
};

constexpr Check Range(int32_t low, int32_t high) { return {CheckKind::Range, low, high}; }
constexpr Check AtLeastUnsigned(uint32_t low) {
    return {CheckKind::AtLeastUnsigned, static_cast<int32_t>(low), 0};
}
constexpr Check OneOf(std::initializer_list<int> values) {
    uint32_t bits = 0;
    for (int v : values) bits |= 1u << v;
    return {CheckKind::OneOf, static_cast<int32_t>(bits), 0};
}
constexpr Check BelowRowCount() { return {CheckKind::BelowRowCount, 0, 0}; }

// Row flags.
inline constexpr uint8_t kLocal = 1;              // Apply and Refresh of the leaf answer 3
inline constexpr uint8_t kUnreadSetRejected = 2;  // Set before the first read: 2, not -1
inline constexpr uint8_t kLowThreeBits = 4;       // Get answers the low 3 bits of the value

struct Leaf {
    MibId id;
    std::string_view name;
    LeafKind kind;
    LeafAccess access;
    Form get;
    Form set;
    Check check = {};
    uint8_t flags = 0;

    constexpr bool Readable() const { return access != LeafAccess::WO; }
    constexpr bool Writable() const { return access != LeafAccess::RO; }
};

namespace catalogue_rows {

using enum LeafKind;
using enum LeafAccess;
using enum Form;

inline constexpr Leaf kRows[] = {
    // dot11smt: dot11StationConfigTable
    {0x44104080u, "dot11StationID", Mac, RW, Cached, Cached},
    {0x44104100u, "dot11MediumOccupancyLimit", Int, RW, Cached, Cached, Range(0, 1000)},
    {0x44104180u, "dot11CFPollable", Int, RO, Cached, None},
    {0x44104200u, "dot11CFPPeriod", Int, RW, Cached, Cached, Range(0, 255)},
    {0x44104280u, "dot11CFPMaxDuration", Int, RW, Cached, Cached, Range(0, 65535), kUnreadSetRejected},
    {0x44104300u, "dot11AuthenticationResponseTimeOut", U32, RW, Cached, Cached, {}, kUnreadSetRejected},
    {0x44104380u, "dot11PrivacyOptionImplemented", Int, RO, Cached, None},
    {0x44104400u, "dot11PowerManagementMode", Int, RW, Cached, Cached, Range(1, 2)},
    {0x44104480u, "dot11DesiredSSID", Octets, RW, Cached, Ssid},
    {0x44104500u, "dot11DesiredBSSType", Int, RW, Cached, Cached, Range(1, 3)},
    {0x44104580u, "dot11OperationalRateSet", Octets, RW, Cached, RateSet},
    {0x44104600u, "dot11BeaconPeriod", Int, RW, Cached, Cached, Range(1, 65535)},
    {0x44104680u, "dot11DTIMPeriod", Int, RW, Cached, Cached, Range(1, 255)},
    {0x44104700u, "dot11AssociationResponseTimeOut", Int, RW, Cached, Cached},
    {0x44104780u, "dot11DisassociateReason", Int, RO, Cached, None},
    {0x44104800u, "dot11DisassociateStation", Mac, RO, Cached, None},
    {0x44104880u, "dot11DeauthenticateReason", Int, RO, Cached, None},
    {0x44104900u, "dot11DeauthenticateStation", Mac, RO, Cached, None},
    {0x44104980u, "dot11AuthenticateFailStatus", Int, RO, Cached, None},
    {0x44104A00u, "dot11AuthenticateFailStation", Mac, RO, Cached, None},
    {0x44104A80u, "disassociateRequest", Raw, WO, None, Block},
    // dot11smt: dot11AuthenticationAlgorithmsTable
    {0x44204080u, "dot11AuthenticationAlgorithmsIndex", Int, RW, RowIndex, RowIndex, Range(0, 7), kLocal},
    {0x44204100u, "dot11AuthenticationAlgorithm", Int, RO, RowElement, None, {}, kLocal},
    {0x44204180u, "dot11AuthenticationAlgorithmsEnable", Truth, RW, RowElement, RowElement},
    // dot11smt: dot11WEPDefaultKeysTable
    {0x44304080u, "dot11WEPDefaultKeyIndex", Int, RW, RowIndex, Own, Range(1, 4), kLocal},
    {0x44304100u, "dot11WEPDefaultKeyValue", Octets, RW, Own, Own},
    // dot11smt: dot11WEPKeyMappingsTable
    {0x44404080u, "dot11WEPKeyMappingIndex", Int, RW, Absent, Absent},
    {0x44404100u, "dot11WEPKeyMappingAddress", Mac, RW, Absent, Absent},
    {0x44404180u, "dot11WEPKeyMappingWEPOn", Truth, RW, Absent, Absent},
    {0x44404200u, "dot11WEPKeyMappingValue", Octets, RW, Absent, Absent},
    {0x44404280u, "dot11WEPKeyMappingStatus", Int, RW, Absent, Absent},
    // dot11smt: dot11PrivacyTable
    {0x44504080u, "dot11PrivacyInvoked", Truth, RW, Cached, Cached},
    {0x44504100u, "dot11WEPDefaultKeyID", Int, RW, Cached, Cached, Range(0, 3)},
    {0x44504180u, "dot11WEPKeyMappingLength", Int, RW, Cached, Cached, AtLeastUnsigned(10)},
    {0x44504200u, "dot11ExcludeUnencrypted", Truth, RW, Cached, Cached},
    {0x44504280u, "dot11WEPICVErrorCount", U32, RO, Cached, None},
    {0x44504300u, "dot11WEPExcludedCount", U32, RO, Cached, None},
    {0x44504380u, "encryptionStatus", Int, RW, Cached, Cached},

    // dot11mac: dot11OperationTable
    {0x48104080u, "dot11MACAddress", Mac, RO, Cached, None},
    {0x48104100u, "dot11RTSThreshold", Int, RW, Cached, Cached, Range(0, 3000)},
    {0x48104180u, "dot11ShortRetryLimit", Int, RW, Cached, Cached, Range(0, 255)},
    {0x48104200u, "dot11LongRetryLimit", Int, RW, Cached, Cached, Range(0, 255)},
    {0x48104280u, "dot11FragmentationThreshold", Int, RW, Cached, Cached, Range(256, 2432)},
    {0x48104300u, "dot11MaxTransmitMSDULifetime", U32, RW, Cached, Cached, AtLeastUnsigned(1)},
    {0x48104380u, "dot11MaxReceiveLifetime", U32, RW, Cached, Cached, AtLeastUnsigned(1)},
    {0x48104400u, "dot11ManufacturerID", Octets, RO, Cached, None},
    {0x48104480u, "dot11ProductID", Octets, RO, Cached, None},
    // dot11mac: dot11CountersTable
    {0x48204080u, "dot11TransmittedFragmentCount", U32, RO, CheckedCounter, None},
    {0x48204100u, "dot11MulticastTransmittedFrameCount", U32, RO, CheckedCounter, None},
    {0x48204180u, "dot11FailedCount", U32, RO, CheckedCounter, None},
    {0x48204200u, "dot11RetryCount", U32, RO, CheckedCounter, None},
    {0x48204280u, "dot11MultipleRetryCount", U32, RO, CheckedCounter, None},
    {0x48204300u, "dot11FrameDuplicateCount", U32, RO, CheckedCounter, None},
    {0x48204380u, "dot11RTSSuccessCount", U32, RO, CheckedCounter, None},
    {0x48204400u, "dot11RTSFailureCount", U32, RO, CheckedCounter, None},
    {0x48204480u, "dot11ACKFailureCount", U32, RO, CheckedCounter, None},
    {0x48204500u, "dot11ReceivedFragmentCount", U32, RO, CheckedCounter, None},
    {0x48204580u, "dot11MulticastReceivedFrameCount", U32, RO, CheckedCounter, None},
    {0x48204600u, "dot11FCSErrorCount", U32, RO, CheckedCounter, None},
    {0x48204680u, "dot11TransmittedFrameCount", U32, RO, CheckedCounter, None},
    {0x48204700u, "dot11WEPUndecryptableCount", U32, RO, CheckedCounter, None},
    {0x48204780u, "receivedFrameCount", U32, RO, CheckedCounter, None},
    {0x48204800u, "directedBytesTransmitted", U32, RO, CheckedCounter, None},
    {0x48204880u, "multicastBytesTransmitted", U32, RO, CheckedCounter, None},
    {0x48204900u, "directedBytesReceived", U32, RO, CheckedCounter, None},
    {0x48204980u, "multicastBytesReceived", U32, RO, CheckedCounter, None},
    {0x48204A00u, "broadcastFramesTransmitted", U32, RO, CheckedCounter, None},
    {0x48204A80u, "broadcastBytesTransmitted", U32, RO, CheckedCounter, None},
    {0x48204B00u, "broadcastFramesReceived", U32, RO, CheckedCounter, None},
    {0x48204B80u, "broadcastBytesReceived", U32, RO, CheckedCounter, None},
    {0x48204C00u, "totalBytesTransmitted", U32, RO, CheckedCounter, None},
    {0x48204C80u, "totalBytesReceived", U32, RO, CheckedCounter, None},
    // dot11mac: dot11GroupAddressesTable
    {0x48304080u, "dot11GroupAddressesIndex", Int, RW, Absent, Absent},
    {0x48304100u, "dot11Address", Mac, RW, Absent, Absent},
    {0x48304180u, "dot11GroupAddressesStatus", Int, RW, Absent, Absent},

    // dot11res: dot11resAttribute and dot11ResourceInfoTable
    {0x4C104000u, "dot11ResourceTypeIDName", Octets, RO, Constant, None},
    {0x4C108081u, "dot11manufacturerOUI", Octets, RO, Cached, None},
    {0x4C108082u, "dot11manufacturerName", Octets, RO, Cached, None},
    {0x4C108083u, "dot11manufacturerProductName", Octets, RO, Cached, None},
    {0x4C108084u, "dot11manufacturerProductVersion", Octets, RO, Cached, None},
    {0x4C108085u, "driverVersion", Raw, RO, Cached, None},

    // dot11phy: dot11PhyOperationTable
    {0x50104080u, "dot11PHYType", Int, RO, Cached, None},
    {0x50104100u, "dot11CurrentRegDomain", U32, RW, Cached, Cached},
    {0x50104180u, "dot11TempType", Int, RO, Cached, None},
    {0x50104200u, "supportedPhyModes", U32, RO, Cached, None},
    // dot11phy: dot11PhyAntennaTable
    {0x50204080u, "dot11CurrentTxAntenna", Int, RW, Cached, Cached, Range(1, 255)},
    {0x50204100u, "dot11DiversitySupport", Int, RO, Cached, None},
    {0x50204180u, "dot11CurrentRxAntenna", Int, RW, Cached, Cached, Range(1, 255)},
    // dot11phy: dot11PhyTxPowerTable
    {0x50304080u, "dot11NumberSupportedPowerLevels", Int, RO, Cached, None},
    {0x50304100u, "dot11TxPowerLevel1", Int, RO, Cached, None},
    {0x50304180u, "dot11TxPowerLevel2", Int, RO, Cached, None},
    {0x50304200u, "dot11TxPowerLevel3", Int, RO, Cached, None},
    {0x50304280u, "dot11TxPowerLevel4", Int, RO, Cached, None},
    {0x50304300u, "dot11TxPowerLevel5", Int, RO, Cached, None},
    {0x50304380u, "dot11TxPowerLevel6", Int, RO, Cached, None},
    {0x50304400u, "dot11TxPowerLevel7", Int, RO, Cached, None},
    {0x50304480u, "dot11TxPowerLevel8", Int, RO, Cached, None},
    {0x50304500u, "dot11CurrentTxPowerLevel", Int, RW, Cached, Cached, Range(1, 8)},
    // dot11phy: dot11PhyFHSSTable
    {0x50404080u, "dot11HopTime", Int, RO, Cached, None},
    {0x50404100u, "dot11CurrentChannelNumber", Int, RW, Cached, Cached, Range(0, 99)},
    {0x50404180u, "dot11MaxDwellTime", Int, RO, Cached, None},
    {0x50404200u, "dot11CurrentDwellTime", Int, RW, Cached, Cached, Range(1, 65535)},
    {0x50404280u, "dot11CurrentSet", Int, RW, Cached, Cached, Range(1, 255)},
    {0x50404300u, "dot11CurrentPattern", Int, RW, Cached, Cached, Range(0, 255)},
    {0x50404380u, "dot11CurrentIndex", Int, RW, Cached, Cached, Range(1, 255)},
    // dot11phy: dot11PhyDSSSTable
    {0x50504080u, "dot11CurrentChannel", Int, RW, Cached, Cached, Range(1, 14)},
    {0x50504100u, "dot11CCAModeSupported", Int, RO, Cached, None},
    {0x50504180u, "dot11CurrentCCAMode", Int, RW, Cached, Cached, OneOf({1, 2, 4})},
    {0x50504200u, "dot11EDThreshold", Int, RW, Cached, Cached},
    // dot11phy: dot11PhyIRTable
    {0x50604080u, "dot11CCAWatchdogTimerMax", Int, RW, Cached, Cached},
    {0x50604100u, "dot11CCAWatchdogCountMax", Int, RW, Cached, Cached},
    {0x50604180u, "dot11CCAWatchdogTimerMin", Int, RW, Cached, Cached},
    {0x50604200u, "dot11CCAWatchdogCountMin", Int, RW, Cached, Cached},
    // dot11phy: dot11RegDomainsSupportedTable
    {0x50704080u, "dot11RegDomainsSupportIndex", Int, RW, RowIndex, RowIndex, BelowRowCount(), kLocal},
    {0x50704100u, "dot11RegDomainsSupportValue", Int, RW, RowElement, Own},
    // dot11phy: dot11AntennasListTable
    {0x50804080u, "dot11AntennaListIndex", Int, RW, Absent, Absent},
    {0x50804100u, "dot11SupportedTxAntenna", Int, RW, Absent, Absent},
    {0x50804180u, "dot11SupportedRxAntenna", Int, RW, Absent, Absent},
    {0x50804200u, "dot11DiversitySelectionRx", Int, RW, Absent, Absent},
    // dot11phy: dot11SupportedDataRatesTxTable and dot11SupportedDataRatesRxTable
    {0x50904080u, "dot11SupportedDataRatesTxIndex", Int, RW, RowIndex, RowIndex, Range(1, 8), kLocal},
    {0x50904100u, "dot11SupportedDataRatesTxValue", Int, RO, RowElement, None},
    {0x50A04080u, "dot11SupportedDataRatesRxIndex", Int, RW, RowIndex, RowIndex, Range(1, 8), kLocal},
    {0x50A04100u, "dot11SupportedDataRatesRxValue", Int, RO, RowElement, None},
    // dot11phy: dot11PhyOFDMTable
    {0x50B04080u, "dot11CurrentFrequency", Int, RW, Cached, Cached, Range(0, 9999999)},
    {0x50B04100u, "dot11TIThreshold", U32, RW, Cached, Cached},
    {0x50B04180u, "dot11FrequencyBandsSupported", Int, RO, Cached, None, {}, kLowThreeBits},

    // private: surveyTable
    {0xC4104080u, "surveySignalStrength", Raw, RO, Block, None},
    {0xC4104100u, "surveyScan", Raw, WO, None, RadioOnBlock},
    {0xC4104180u, "surveyBssidList", Raw, RO, RadioOnBlock, None},
    {0xC4104200u, "surveyNetworkTypes", Raw, RO, Block, None},
    // private: adapterStateTable
    {0xC8104080u, "adapterReady", Int, RO, Ready, None},
    {0xC8104100u, "linkSpeed", U32, RO, CheckedCounter, None},
    {0xC8104180u, "signalQuality", U32, RO, CheckedCounter, None},
    // private: connectionTable
    {0xCC104080u, "mediaConnected", Int, RO, StrictU32, None},
    {0xCC104100u, "connectionStateText", Raw, RO, Block, None},
    {0xCC104180u, "currentSignalStrength", Raw, RO, Block, None},
    {0xCC104200u, "scanRequest", Raw, WO, None, RadioOnBlock},
    {0xCC104280u, "bssidList", Raw, RO, RadioOnBlock, None},
    {0xCC104300u, "radioEnabled", Int, RW, StrictU32, ExactU32},
    {0xCC104380u, "powerMode", Int, RW, StrictU32, ExactU32},
    {0xCC104400u, "currentBssid", Mac, RW, MacForm, MacForm},
    {0xCC104480u, "statisticsBlock", Raw, RO, Block, None},
    {0xCC104500u, "preambleMode", Int, RW, StrictU32, ExactU32},
    {0xCC104580u, "powerSaveLevel", Int, RW, StrictU32, ExactU32},
    {0xCC104600u, "authenticationMode", Int, RW, StrictU32, ExactU32},
    // private: atherosPrivateTable
    {0xD0104080u, "athPrivateFlag", Truth, RW, Cached, Cached},
    {0xD0104100u, "athEncryptionAlg", Int, RW, Cached, Cached},
    {0xD0104180u, "athPrivateStatus", Int, RW, Cached, Cached},
    {0xD0104200u, "rawOidRequest", Raw, RW, Block, Block},
    {0xD0104280u, "athNetBand", Raw, RW, Block, Block},
    {0xD0104300u, "athAdHocBand", Raw, RW, Block, Block},
    {0xD0104380u, "athProfileWrite", Raw, WO, None, Block},
    {0xD0104400u, "athKeyClear", Raw, WO, None, Block},
    {0xD0104480u, "athLeapEnabled", Int, RW, LenientU32, PlainU32},
    {0xD0104500u, "athCardConfigId", Octets, RO, LenientBytes, None},
    {0xD0104580u, "athScanType", Int, RO, LenientU32, None},
    {0xD0104600u, "athShortPreamble", Int, RO, LenientU32, None},
    {0xD0104680u, "athStringRequest", Raw, RO, Block, None},
    {0xD0104700u, "athLeapTimeout", Int, RO, LenientU32, None},
    {0xD0104780u, "athPrivateCounter", U32, RO, LenientCounter, None},
    {0xD0104800u, "athPrivateBlock", Raw, RO, Block, None},
    {0xD0104880u, "athWmmEnabled", Int, RW, LenientU32, PlainU32},
    // private: prismPrivateTable
    {0xD0204080u, "prismNetworkType", Int, RW, Cached, Cached},
    {0xD0204100u, "prismTxRate", Int, RW, Cached, Cached},
    {0xD0204180u, "prismTallyBlock", Raw, RO, Block, None},
    {0xD0204200u, "prismScanRecords", Raw, RO, Block, None},
    // private: broadcomPrivateTable
    {0xD0404080u, "bcmAfterburner", Int, RW, GuardedU32, GuardedU32},
    {0xD0404100u, "bcmXpressTechnology", Int, RW, GuardedU32, GuardedU32},
    // private: ralinkPrivateTable
    {0xD0504080u, "rtTxBurst", Truth, RW, Cached, Cached},
    {0xD0504100u, "rtTurboRate", Truth, RW, Cached, Cached},
    {0xD0504180u, "rtPrivateValue1", Int, RW, Cached, Cached},
    {0xD0504200u, "rtPrivateValue2", Int, RW, Cached, Cached},
    {0xD0504280u, "rtWmmCapable", Int, RW, Cached, Cached},
    {0xD0504300u, "rtApsdCapable", Int, RW, Cached, Cached},
    {0xD0504380u, "rtPspXlink", Int, RW, Cached, Cached},
};

}  // namespace catalogue_rows

inline constexpr std::span<const Leaf> kCatalogue{catalogue_rows::kRows};

constexpr bool CatalogueIsSorted() {
    for (size_t i = 1; i < kCatalogue.size(); ++i)
        if (kCatalogue[i - 1].id >= kCatalogue[i].id) return false;
    return true;
}
static_assert(CatalogueIsSorted(), "the catalogue is kept in identifier order");

constexpr const Leaf* FindLeaf(MibId id) {
    for (const Leaf& leaf : kCatalogue)
        if (leaf.id == id) return &leaf;
    return nullptr;
}

// Names compare without regard to letter case.
constexpr const Leaf* FindLeaf(std::string_view name) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (const Leaf& leaf : kCatalogue) {
        if (leaf.name.size() != name.size()) continue;
        size_t i = 0;
        while (i < name.size() && lower(leaf.name[i]) == lower(name[i])) ++i;
        if (i == name.size()) return &leaf;
    }
    return nullptr;
}

// The leaves of the subtree `prefix` (0: all), a contiguous run of the catalogue.
constexpr std::span<const Leaf> LeavesUnder(MibId prefix) {
    const MibId mask = SubtreeMask(prefix);
    size_t first = 0;
    while (first < kCatalogue.size() && (kCatalogue[first].id & ~mask) != prefix) ++first;
    size_t last = first;
    while (last < kCatalogue.size() && (kCatalogue[last].id & ~mask) == prefix) ++last;
    return kCatalogue.subspan(first, last - first);
}

constexpr std::string_view KindName(LeafKind kind) {
    constexpr std::string_view kNames[] = {"int", "u32", "truth", "MAC", "octets", "raw"};
    return kNames[static_cast<int>(kind)];
}

}  // namespace halvora
