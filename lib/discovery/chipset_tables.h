// The identification rules as data: service names and PCI ids, each row naming the adapter class
// that serves what it matches. Rows are tried in order; the first match decides.
#pragma once

#include <string_view>

namespace halvora {

struct IdentificationRow {
    std::string_view keys[5];  // unused slots stay empty
    std::string_view className;
};

inline constexpr std::string_view kGenericClass = "Nds80211";

// Compared with the record's service, whole and in any letter case.
inline constexpr IdentificationRow kServiceRows[] = {
    {{"ATHER", "A3AX"}, "AR5210"},
    {{"PRISM", "PRISM_USB"}, "PRISM"},
    {{"USBFVNETR", "PCMCIAFVNETR", "FVNETE", "VNETUSBR", "VNETPCMCIAR"}, "Atmel503"},
    {{"BCM43XX"}, "BCM43XX"},
    {{"TNET1130"}, "TNET1130"},
    {{"PRISM_A02"}, "PRISM_A02"},
    {{"wind502u"}, "Envara"},
    {{"RT2500"}, "RT2500"},
    {{"SIS162u"}, "SIS162u"},
    {{"RT2570", "rt2500usb", "rt25u98"}, "RT2570"},
    {{"AR5523", "AR55239x", "A5AGU", "A5AGU9x"}, "AR5523"},
    {{"SIS163"}, "SIS163"},
    {{"RT61", "RT619x"}, "RT61ag"},
    {{"rt5226usb", "rt5200usb", "rt52u98"}, "RT5226"},
    {{"rt73", "RT2501USB", "Dr71WU98", "rt73u98"}, "RT2573"},
    {{"bcm43xxU", "usb8023", "USB_RNDIS"}, "BCM43XXu"},
    {{"ZD1211BU", "ZD1211BU(ZyDAS)"}, "ZD1211"},
    {{"RTLWUSB"}, "RTL8187"},
    {{"RT2870U", "rt90x86"}, "RT2870"},
};

// Searched, case-sensitively, as parts of the upper-cased device id text.
inline constexpr IdentificationRow kPciRows[] = {
    {{"VEN_14E4&DEV_4301"}, "BCM43XX"},
    {{"VEN_1260&DEV_3873"}, "PRISM"},
    {{"VEN_168C&DEV_0007"}, "AR5210"},
    {{"VEN_168C&DEV_0012"}, "AR5211"},
    {{"VEN_168C&DEV_0013", "VEN_168C&DEV_001B"}, "AR5212"},
    {{"VEN_10EC&DEV_8180", "VEN_1186&DEV_3300"}, "RTL8180"},
    {{"VEN_104C&DEV_8400", "VEN_104C&DEV_9066"}, "TNET1130"},
    {{"VEN_1814&DEV_0201"}, "RT2500"},
    {{"VEN_8086&DEV_1043", "VEN_8086&DEV_4220"}, "CX2NC"},
    {{"VEN_168C&DEV_001A"}, "AR2413"},
    {{"VEN_168C&DEV_0023"}, "AR5416"},
    {{"VEN_10EC&DEV_8185"}, "RTL8185"},
    {{"VEN_1106&DEV_3253"}, "VT6655"},
    {{"VEN_168C&DEV_0020"}, "AR5513"},
    {{"VEN_1814&DEV_0301", "VEN_1814&DEV_0302", "VEN_1814&DEV_0401"}, "RT61ag"},
    {{"VEN_17CB&DEV_0002"}, "AIRGO303"},
    {{"VEN_1814&DEV_0601"}, "RT2860"},
};

// PC Card devices on the PCI bus: only this service has a class of its own.
inline constexpr std::string_view kPcmciaPrefix = "PCMCIA";
inline constexpr std::string_view kPcmciaService = "SIS163";
inline constexpr std::string_view kPcmciaClass = "SIS163";

// NT 4 PRISM cards do not store their PCI ids; their service name says what they are.
inline constexpr std::string_view kNt4PrismPrefix = "PRISM";
inline constexpr std::string_view kNt4PrismDeviceId = "VEN_1260&DEV_3873";

}  // namespace halvora
