// Nds80211's counters, addresses, byte strings and blocks: each row's request and answer, and
// what happens when the driver refuses or answers more than it was given room for.
#include "tests/adapter/sim.h"

#include <cstring>

using namespace adapter_test;
using halvora::ByteBuffer;
using halvora::Status;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes BytesOf(const ByteBuffer& b) { return Bytes(b.Data(), b.Data() + b.Length()); }

class Counters : public Nds80211Test {};

TEST_F(Counters, EveryRowReadsItsSource) {
    struct Case {
        uint32_t id;
        const char* oid;  // null: the byte counts of the I/O library
    } cases[] = {
        {APS_dot11TransmittedFragmentCount, "00020101"},
        {APS_dot11TransmittedFrameCount, "00020101"},
        {APS_dot11MulticastTransmittedFrameCount, "00020204"},
        {APS_dot11ReceivedFragmentCount, "00020102"},
        {APS_receivedFrameCount, "00020102"},
        {APS_dot11MulticastReceivedFrameCount, "0002020a"},
        {APS_directedBytesTransmitted, "00020201"},
        {APS_multicastBytesTransmitted, "00020203"},
        {APS_directedBytesReceived, "00020207"},
        {APS_multicastBytesReceived, "00020209"},
        {APS_broadcastFramesTransmitted, "00020206"},
        {APS_broadcastBytesTransmitted, "00020205"},
        {APS_broadcastFramesReceived, "0002020c"},
        {APS_broadcastBytesReceived, "0002020b"},
        {APS_linkSpeed, "00010107"},
        {APS_totalBytesTransmitted, nullptr},
        {APS_totalBytesReceived, nullptr},
    };
    Open("");
    uint32_t answer = 0x10000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        ++answer;
        const bool tx = c.id == APS_totalBytesTransmitted;
        if (c.oid)
            Answer(Dword(c.oid, answer));
        else
            Answer("", Dword(tx ? "TxBytes" : "RxBytes", answer));
        uint32_t value = 0;
        EXPECT_EQ(adapter_->GetCounter(c.id, value), 0);
        EXPECT_EQ(value, answer);
        const std::string expected =
            c.oid ? Query(c.oid, Le32(answer))
                  : std::string(tx ? "txbytes" : "rxbytes") + " -> " + std::to_string(answer);
        EXPECT_EQ(Trace(), std::vector<std::string>{expected});
    }
}

TEST_F(Counters, FailuresAndOtherIdentifiers) {
    Open(Dword("00020101", 5));
    uint32_t value = 77;
    EXPECT_EQ(adapter_->GetCounter(APS_dot11ReceivedFragmentCount, value), -1);
    EXPECT_EQ(adapter_->GetCounter(APS_totalBytesTransmitted, value), -1);
    EXPECT_EQ(adapter_->GetCounter(APS_dot11RTSThreshold, value), -1);
    EXPECT_EQ(value, 77u);
    EXPECT_EQ(adapter_->SetCounter(APS_dot11TransmittedFrameCount, 0), -1);
    EXPECT_EQ(Trace(), (std::vector<std::string>{
                           "query 00020102 len=4 -> c00000bb written=0 needed=0 data=-",
                           "txbytes -> failed",
                       }));
}

class Addresses : public Nds80211Test {};

TEST_F(Addresses, EveryRowInBothDirections) {
    const std::string mac = "00904b1a2b3c", bssid = "0013f7aabbcc";
    struct Case {
        uint32_t id;
        const char* oid;
        bool settable;
    } cases[] = {
        {APS_dot11StationID, "01010102", true},
        {APS_dot11MACAddress, "01010102", false},
        {APS_currentBssid, "0d010101", true},
    };
    const uint8_t next[6] = {0x02, 0x11, 0x22, 0x33, 0x44, 0x55};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        Open(Hex("01010102", mac) + Hex("0d010101", bssid));
        uint8_t out[6] = {};
        ASSERT_EQ(adapter_->GetMac(c.id, out), 0);
        const std::string& expected = std::string(c.oid) == "0d010101" ? bssid : mac;
        EXPECT_EQ(Trace(), std::vector<std::string>{Query(c.oid, expected)});
        EXPECT_EQ(adapter_->SetMac(c.id, next), c.settable ? 0 : -1);
        EXPECT_EQ(Trace(), c.settable ? std::vector<std::string>{Set(c.oid, "021122334455")}
                                      : std::vector<std::string>{});
        adapter_.reset();
        NIOC_CloseInstance(handle_);
        handle_ = 0;
    }
}

TEST_F(Addresses, FailedQueryLeavesTheAreaAlone) {
    Open("");
    uint8_t out[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(adapter_->GetMac(APS_dot11MACAddress, out), -1);
    EXPECT_EQ(Bytes(out, out + 6), (Bytes{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(adapter_->GetMac(APS_dot11RTSThreshold, out), -1);
}

class ByteStrings : public Nds80211Test {};

TEST_F(ByteStrings, SsidIsReadKeptAndWritten) {
    const std::string answer = "0400000054657374" + std::string(56, '0');  // "Test"
    Open(Hex("0d010102", answer));
    ByteBuffer value;
    ASSERT_EQ(adapter_->GetBytes(APS_dot11DesiredSSID, value), 0);
    EXPECT_STREQ(value.Text(), "Test");
    EXPECT_EQ(value.Length(), 4);
    // The SSID read becomes the one radio-on connects to again.
    ASSERT_EQ(adapter_->SetU32(APS_radioEnabled, 1), 0);
    EXPECT_EQ(Trace(), (std::vector<std::string>{Query("0d010102", answer),
                                                 Set("0d010102", answer)}));

    value.AssignText("Office");
    ASSERT_EQ(adapter_->SetBytes(APS_dot11DesiredSSID, value), 0);
    EXPECT_EQ(Trace(), std::vector<std::string>{
                           Set("0d010102", "060000004f6666696365" + std::string(52, '0'))});
}

TEST_F(ByteStrings, MalformedSsidIsClearedAndNotKept) {
    // A length of 40 in a 32-byte field.
    const std::string answer = "28000000" + std::string(64, 'a');
    Open(Hex("0d010102", answer));
    ByteBuffer value;
    value.AssignText("old");
    EXPECT_EQ(adapter_->GetBytes(APS_dot11DesiredSSID, value), 0);
    EXPECT_EQ(value.Length(), 0);
    ASSERT_EQ(adapter_->SetU32(APS_radioEnabled, 1), 0);
    const std::vector<std::string> trace = Trace();
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[1], Set("0d010102", std::string(72, '0')));
}

TEST_F(ByteStrings, SsidRefusals) {
    Open("");
    ByteBuffer value;
    value.AssignText("kept");
    EXPECT_EQ(adapter_->GetBytes(APS_dot11DesiredSSID, value), -1);
    EXPECT_STREQ(value.Text(), "kept");
    value.AssignText("0123456789abcdef0123456789abcdefX");  // 33 bytes
    EXPECT_EQ(adapter_->SetBytes(APS_dot11DesiredSSID, value), 2);
    value.AssignText("Test");
    EXPECT_EQ(adapter_->SetBytes(APS_dot11DesiredSSID, value), -1);
    EXPECT_EQ(Trace().size(), 2u);  // the failed query and the failed set; nothing for 33 bytes
}

TEST_F(ByteStrings, RateSetProbesThenReadsAndSetsAtMostEight) {
    const std::string rates = "828b0c12961824304860";  // 10 bytes
    Open(Hex("0d01020e", rates) + Hex("0d010210", ""));
    ByteBuffer value;
    ASSERT_EQ(adapter_->GetBytes(APS_dot11OperationalRateSet, value), 0);
    EXPECT_EQ(BytesOf(value),
              (Bytes{0x82, 0x8b, 0x0c, 0x12, 0x96, 0x18, 0x24, 0x30, 0x48, 0x60}));
    EXPECT_EQ(Trace(), (std::vector<std::string>{
                           "query 0d01020e len=0 -> c0010014 written=0 needed=10 data=-",
                           Query("0d01020e", rates)}));
    ASSERT_EQ(adapter_->SetBytes(APS_dot11OperationalRateSet, value), 0);
    value.Assign("\x02\x04", 2);
    ASSERT_EQ(adapter_->SetBytes(APS_dot11OperationalRateSet, value), 0);
    EXPECT_EQ(Trace(), (std::vector<std::string>{Set("0d010210", "828b0c1296182430"),
                                                 Set("0d010210", "0204")}));
}

TEST_F(ByteStrings, RateSetFailureSucceedsAndKeepsTheValue) {
    Open("");
    ByteBuffer value;
    value.Assign("\x02\x04", 2);
    EXPECT_EQ(adapter_->GetBytes(APS_dot11OperationalRateSet, value), 0);
    EXPECT_EQ(BytesOf(value), (Bytes{0x02, 0x04}));
}

TEST_F(ByteStrings, FixedTextsAndTheClassName) {
    Open("");
    struct Case {
        uint32_t id;
        const char* text;
    } cases[] = {
        {APS_dot11ManufacturerID, "Brevane Corporation."},
        {APS_dot11ProductID, "802.11 Wireless LAN Adapter."},
        {APS_dot11manufacturerOUI, "Nds80211"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ByteBuffer value;
        ASSERT_EQ(adapter_->GetBytes(c.id, value), 0);
        EXPECT_STREQ(value.Text(), c.text);
        EXPECT_EQ(value.Length(), static_cast<int32_t>(std::strlen(c.text)));
        EXPECT_EQ(adapter_->SetBytes(c.id, value), -1);
    }
    ByteBuffer value;
    EXPECT_EQ(adapter_->GetBytes(APS_dot11RTSThreshold, value), -1);
    EXPECT_EQ(Trace(), std::vector<std::string>{});
}

class Blocks : public Nds80211Test {};

TEST_F(Blocks, EveryRowTravelsInTheCallersBuffer) {
    struct Case {
        uint32_t id;
        const char* getOid;  // null: not readable
        const char* setOid;  // null: not writable
    } cases[] = {
        {APS_driverVersion, "00010116", nullptr},
        {APS_surveySignalStrength, "0d010206", nullptr},
        {APS_currentSignalStrength, "0d010206", nullptr},
        {APS_surveyBssidList, "0d010217", nullptr},
        {APS_bssidList, "0d010217", nullptr},
        {APS_surveyNetworkTypes, "0d010203", nullptr},
        {APS_statisticsBlock, "0d020212", nullptr},
        {APS_disassociateRequest, nullptr, "0d010115"},
        {APS_surveyScan, nullptr, "0d01011a"},
        {APS_scanRequest, nullptr, "0d01011a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        const char* oid = c.getOid ? c.getOid : c.setOid;
        Open(Hex(oid, "a1b2c3"));
        uint8_t buffer[8] = {};
        uint32_t needed = 0, done = 0;
        Status get = adapter_->GetBlock(c.id, buffer, sizeof buffer, &needed, &done);
        Status set = adapter_->SetBlock(c.id, "\x01\x02", 2, &needed, &done);
        std::vector<std::string> trace;
        if (c.getOid) {
            EXPECT_EQ(get, 0);
            EXPECT_EQ(done, 3u);
            trace.push_back(Query(c.getOid, 8, "a1b2c3"));
        } else {
            EXPECT_EQ(get, -1);
        }
        if (c.setOid) {
            EXPECT_EQ(set, 0);
            EXPECT_EQ(done, 2u);
            trace.push_back(Set(c.setOid, "0102"));
        } else {
            EXPECT_EQ(set, -1);
        }
        EXPECT_EQ(Trace(), trace);
        adapter_.reset();
        NIOC_CloseInstance(handle_);
        handle_ = 0;
    }
}

TEST_F(Blocks, ShortBufferTellsTheSizeAndOtherFailuresDoNot) {
    Open(Hex("0d010217", "0102030405060708090a") + "\"0d020212!query\"=dword:c0000001\n" +
         Hex("0d020212", "00"));
    uint8_t buffer[4] = {0xEE, 0xEE, 0xEE, 0xEE};
    uint32_t needed = 0, written = 99;
    EXPECT_EQ(adapter_->GetBlock(APS_bssidList, buffer, sizeof buffer, &needed, &written), 2);
    EXPECT_EQ(needed, 10u);
    EXPECT_EQ(written, 99u);
    EXPECT_EQ(Bytes(buffer, buffer + 4), (Bytes{0xEE, 0xEE, 0xEE, 0xEE}));

    needed = 0;
    EXPECT_EQ(adapter_->GetBlock(APS_statisticsBlock, buffer, sizeof buffer, &needed, &written),
              -1);
    EXPECT_EQ(needed, 0u);
    // A null buffer is a size probe, whatever length comes with it; a negative length is refused.
    EXPECT_EQ(adapter_->GetBlock(APS_bssidList, nullptr, 64, &needed, &written), 2);
    EXPECT_EQ(needed, 10u);
    EXPECT_EQ(adapter_->GetBlock(APS_bssidList, buffer, -1, &needed, &written), -1);
    EXPECT_EQ(Trace().size(), 3u);
}

TEST_F(Blocks, RawRequestCarriesItsOidAndCountsItsHeader) {
    Open(Hex("0d01020a", "2b090000") + Hex("0d010217", "0102030405060708090a"));
    // Query: OID first, the answer after it.
    uint8_t buffer[12] = {0x0a, 0x02, 0x01, 0x0d};
    uint32_t needed = 0, written = 0;
    ASSERT_EQ(adapter_->GetBlock(APS_rawOidRequest, buffer, 8, &needed, &written), 0);
    EXPECT_EQ(written, 8u);
    EXPECT_EQ(Bytes(buffer + 4, buffer + 8), (Bytes{0x2b, 0x09, 0x00, 0x00}));
    EXPECT_EQ(Trace(), std::vector<std::string>{Query("0d01020a", "2b090000")});

    // The driver wants 10 bytes after the OID: 14 in all, and nothing is written.
    uint8_t small[12] = {0x17, 0x02, 0x01, 0x0d, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE};
    ASSERT_EQ(adapter_->GetBlock(APS_rawOidRequest, small, sizeof small, &needed, &written), 2);
    EXPECT_EQ(needed, 14u);
    EXPECT_EQ(Bytes(small + 4, small + 12), Bytes(8, 0xEE));

    // Set: the data after the OID.
    const uint8_t request[] = {0x0a, 0x02, 0x01, 0x0d, 0xe8, 0x03, 0x00, 0x00};
    uint32_t read = 0;
    ASSERT_EQ(adapter_->SetBlock(APS_rawOidRequest, request, sizeof request, &needed, &read), 0);
    EXPECT_EQ(read, 8u);
    const std::vector<std::string> trace = Trace();
    ASSERT_EQ(trace.size(), 2u);
    EXPECT_EQ(trace[1], Set("0d01020a", "e8030000"));
}

TEST_F(Blocks, RawRequestShorterThanItsOidIsRefused) {
    Open(Hex("0d01020a", "2b090000"));
    uint8_t buffer[3] = {0x0a, 0x02, 0x01};
    uint32_t needed = 0, done = 0;
    EXPECT_EQ(adapter_->GetBlock(APS_rawOidRequest, buffer, 3, &needed, &done), -1);
    EXPECT_EQ(adapter_->SetBlock(APS_rawOidRequest, buffer, 3, &needed, &done), -1);
    EXPECT_EQ(adapter_->GetBlock(APS_rawOidRequest, nullptr, 8, &needed, &done), -1);
    EXPECT_EQ(Trace(), std::vector<std::string>{});
}

}  // namespace
