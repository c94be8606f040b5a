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
