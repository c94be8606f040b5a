#!/usr/bin/env python3
"""Writes the seed corpus of fuzz_registry_scan: one registry tree per Windows family in the
operation format of registry_tree.h. The word and anchor tables are read from registry_tree.cpp,
so the seeds follow them when they change."""
import os
import re
import struct

here = os.path.dirname(os.path.abspath(__file__))
source = open(os.path.join(here, "registry_tree.cpp")).read()


def table(name):
    body = re.search(name + r"\[\] = \{(.*?)\n\};", source, re.S).group(1)
    return [bytes(s, "ascii").decode("unicode_escape") for s in re.findall(r'"((?:[^"\\]|\\.)*)"', body)]


words, anchors = table("kWords"), table("kAnchors")
REG_SZ, REG_DWORD, REG_BINARY = 1, 4, 3


class Tree:
    def __init__(self):
        self.out = bytearray()

    def name(self, text):
        if text in words:
            self.out.append(words.index(text))
        else:
            raw = text.encode()
            assert len(raw) < 64
            self.out.append(0xC0 | len(raw))
            self.out += raw

    def anchor(self, path):
        self.out += bytes([0, anchors.index(path)])
        return self

    def child(self, *names):
        for n in names:
            self.out.append(1)
            self.name(n)
        return self

    def up(self, n=1):
        self.out += bytes([2] * n)
        return self

    def text(self, name, value):
        self.out.append(3)
        self.name(name)
        self.out.append(REG_SZ)
        if value in words:
            self.out.append(words.index(value))
        else:
            raw = value.encode() + b"\0"
            self.out += bytes([0xFF]) + struct.pack("<H", len(raw)) + raw
        return self

    def dword(self, name, v):
        self.out.append(3)
        self.name(name)
        self.out += bytes([REG_DWORD, len(words) + 4]) + struct.pack("<I", v)
        return self

    def version(self, family):
        self.out += bytes([4, family])
        return self

    def end(self, tail=b""):
        self.out += bytes([5]) + tail
        return bytes(self.out)


CLASS = "SYSTEM\\CurrentControlSet\\Control\\Class\\{4D36E972-E325-11CE-BFC1-08002BE10318}"
NETWORK = "SYSTEM\\CurrentControlSet\\Control\\Network\\{4D36E972-E325-11CE-BFC1-08002BE10318}"
GUID = "{11111111-2222-3333-4444-555555555555}"
# Walk: stop at the third visit; walk the first anchor with both flags. Search: one filter.
TAIL = bytes([0, 2, 0, 3, 1, words.index("Maker;"), 0xFF, 0xFF])


def nt(family):
    t = Tree().version(family)
    t.anchor(NETWORK).child(GUID, "Connection").text("PnpInstanceID", "PCI\\VEN_168C&DEV_0013\\4&1")
    t.anchor("SYSTEM\\CurrentControlSet\\Enum\\PCI").child("VEN_168C&DEV_0013", "4&1")
    t.text("DeviceDesc", "@oem1.inf,%desc%;Wireless LAN Card")
    t.text("Driver", "{4D36E972-E325-11CE-BFC1-08002BE10318}\\0001")
    t.text("Mfg", "Maker;").text("Service", "ar5211")
    t.anchor(CLASS).child("0001").text("NetCfgInstanceId", GUID).text("DriverDesc", "Card")
    return t.end(TAIL)


def nt4():
    t = Tree().version(1)
    t.anchor("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards").child("1")
    t.text("ServiceName", "ar5211").text("Description", "Wireless LAN Card")
    t.text("Manufacturer", "Maker").text("ProductName", "ar5211")
    t.anchor("SYSTEM\\CurrentControlSet\\Services").child("ar5211").dword("Type", 1)
    t.up().child("ar521").dword("Start", 3)
    return t.end(TAIL)


def win9x():
    t = Tree().version(0)
    t.anchor("Enum\\PCI").child("VEN_168C&DEV_0013", "4&1")
    t.text("Class", "Net").text("DeviceDesc", "Wireless LAN Card").text("Driver", "Net\\0001")
    t.text("Mfg", "Maker").text("ServiceName", "ar5211")
    t.anchor("SYSTEM\\CurrentControlSet\\Services\\Class\\Net").child("0001")
    t.text("DriverDesc", "Card").child("NDIS").text("LogDriverName", "ar5211")
    return t.end(TAIL)


corpus = os.path.join(here, "corpus", "registry_scan")
os.makedirs(corpus, exist_ok=True)
for name, data in [("win98", win9x()), ("nt40", nt4()), ("winxp", nt(2)), ("win7", nt(3))]:
    with open(os.path.join(corpus, name + ".bin"), "wb") as f:
        f.write(data)


# fuzz_exports: a 16-bit length, the calls, then the driver's answers (fuzz_exports.cpp).
def raw_id(value):
    return bytes([3]) + struct.pack("<I", value)


def access(op, handle, ident, length_choice, flags=0, data=b""):
    return bytes([op, handle]) + raw_id(ident) + bytes([length_choice, flags]) + data


CREATE, GET, SET, APPLY, REFRESH, CLOSE, NOTIFY, SEARCH = range(8)
RTS, SSID, MAC, RAW = 0x48104100, 0x44104480, 0x48104080, 0xD0104200


def exports_seed(class_row, driver=b""):
    calls = bytes([class_row, CREATE, 0])
    calls += access(GET, 0, RTS, 0)                       # cached int, 4 bytes
    calls += access(SET, 0, RTS, 0, 0, struct.pack("<I", 2000))
    calls += bytes([APPLY, 0]) + raw_id(0)
    calls += access(GET, 0, SSID, 5, 0) + bytes([0, 1])  # 256-byte buffer
    calls += access(SET, 0, SSID, 4, 0) + bytes([4]) + b"home"
    calls += access(GET, 0, MAC, 1)
    calls += access(GET, 0, RAW, 4, 0) + bytes([8]) + b"\x01\x01\x01\x0d" + bytes(4)
    calls += bytes([NOTIFY, 1]) + access(GET, 0, RTS, 0) + bytes([NOTIFY, 2])
    calls += bytes([REFRESH, 0]) + raw_id(0x44000000)
    calls += bytes([SEARCH]) + raw_id(RTS)
    calls += bytes([CLOSE, 0]) + access(GET, 3, RTS, 0) + bytes([CLOSE, 4])
    return struct.pack("<H", len(calls)) + calls + driver


corpus = os.path.join(here, "corpus", "exports")
os.makedirs(corpus, exist_ok=True)
# Answers: every request succeeds with no data; or with 4 bytes; or all too short / not supported.
answers = {
    "generic-empty": (0, b""),
    "generic-four": (0, bytes([0x00, 4, 0xD0, 0x07, 0, 0]) * 64),
    "service-short": (4, bytes([0x05, 8]) * 64),
    "pci-unsupported": (30, bytes([0x03, 0]) * 64),
}
for name, (row, driver) in answers.items():
    with open(os.path.join(corpus, name + ".bin"), "wb") as f:
        f.write(exports_seed(row, driver))
