// OID queries and sets against the Oids values of one simulated adapter.
#include "tests/molvex/standin.h"

#include "lib/platform/win32.h"

#include <cstring>

using namespace molvex_test;
using testing_support::TakeTrace;

namespace {

constexpr uint32_t kRts = 0x0D01020A;
constexpr uint32_t kSsid = 0x0D010102;

using Bytes = std::vector<uint8_t>;

class MolvexOid : public StandIn {};

TEST_F(MolvexOid, DwordAnswerQueriedSetAndReadBack) {
    NIOC_HANDLE h = Open(Machine("", "\"0D01020A\"=dword:0000092b"));

    Reply q = Query(h, kRts, 4);
    ASSERT_TRUE(q.reached);
    EXPECT_EQ(q.status, 0u);
    EXPECT_EQ(q.count, 4u);
    EXPECT_EQ(q.data, Le32(2347));

    Reply s = Set(h, kRts, Le32(1000));
    ASSERT_TRUE(s.reached);
    EXPECT_EQ(s.status, 0u);
    EXPECT_EQ(s.count, 4u);
    EXPECT_EQ(TakeTrace(), (std::vector<std::string>{
                               "query {A1} 0d01020a len=4 -> 00000000 written=4 needed=4 "
                               "data=2b090000",
                               "set {A1} 0d01020a len=4 data=e8030000 -> 00000000 read=4 needed=4",
                           }));

    EXPECT_EQ(Query(h, kRts, 4).data, Le32(1000));

    Reply shortQuery = Query(h, kRts, 2);
    ASSERT_TRUE(shortQuery.reached);
    EXPECT_EQ(shortQuery.status, kNdisInvalidLength);
    EXPECT_EQ(shortQuery.needed, 4u);
    EXPECT_EQ(shortQuery.count, 0u);
    EXPECT_EQ(shortQuery.data, (Bytes{0xEE, 0xEE}));

    Reply missing = Query(h, 0x0D010203, 4);
    ASSERT_TRUE(missing.reached);
    EXPECT_EQ(missing.status, kNdisNotSupported);
    EXPECT_EQ(missing.count, 0u);
}

TEST_F(MolvexOid, SizeProbeAnswersTrueWithTheSizeNeeded) {
    struct Case {
        const char* value;
        uint32_t status, needed;
    } cases[] = {
        {"dword:00000001", kNdisInvalidLength, 4},
        {"hex:00,11,22,33,44,55", kNdisInvalidLength, 6},
        {"hex:", kNdisSuccess, 0},
    };
    NIOC_HANDLE h = Open(Machine("", ""));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        LoadMachine(Machine("", std::string("\"0D01020A\"=") + c.value));
        uint32_t status = 7, needed = 7, written = 7;
        ASSERT_TRUE(NIOC_QueryOid(h, &status, kRts, nullptr, 0, &needed, &written));
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(needed, c.needed);
        EXPECT_EQ(written, 0u);
    }
    uint32_t status = 7, needed = 7, written = 7;
    ASSERT_TRUE(NIOC_QueryOid(h, &status, 0x0D010203, nullptr, 0, &needed, &written));
    EXPECT_EQ(status, kNdisNotSupported);
    EXPECT_EQ(needed, 0u);
}

TEST_F(MolvexOid, LongerBufferGetsTheAnswerOnly) {
    NIOC_HANDLE h = Open(Machine("", "\"0D010102\"=hex:03,00,00,00,61,62,63"));
    Reply q = Query(h, kSsid, 10);
    EXPECT_EQ(q.status, 0u);
    EXPECT_EQ(q.count, 7u);
    EXPECT_EQ(q.data, (Bytes{3, 0, 0, 0, 'a', 'b', 'c', 0xEE, 0xEE, 0xEE}));
}

TEST_F(MolvexOid, KeyedAnswerIsTheLongestPrefixOfTheInput) {
    NIOC_HANDLE h = Open(Machine("", "\"FF000001\"=hex:00\n"
                                     "\"FF000001:41\"=hex:01\n"
                                     "\"FF000001:4142\"=hex:02,02\n"
                                     "\"ff000001:41424344\"=hex:04,04,04,04\n"
                                     "\"FF000001:zz\"=hex:09\n"));
    struct Case {
        const char* input;
        uint32_t length;
        Bytes answer;
    } cases[] = {
        {"ABCD", 4, {4, 4, 4, 4}},
        {"ABCX", 4, {2, 2}},
        {"ABCD", 3, {2, 2}},  // the longer prefix runs past the request
        {"AX", 4, {1}},
        {"B", 4, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.input) + " len " + std::to_string(c.length));
        Reply q = Query(h, 0xFF000001, c.length, Bytes(c.input, c.input + strlen(c.input)));
        ASSERT_EQ(q.status, 0u);
        ASSERT_EQ(q.count, c.answer.size());
        EXPECT_EQ(Bytes(q.data.begin(), q.data.begin() + q.count), c.answer);
    }
}

TEST_F(MolvexOid, SequenceStepsAdvanceOnAnsweredQueriesOnly) {
    NIOC_HANDLE h = Open(Machine("", "\"FF000002#1\"=dword:00000001\n"
                                     "\"FF000002#2\"=hex:02,00,00,00,00,00\n"
                                     "\"FF000002#10\"=dword:0000000a\n"));
    EXPECT_EQ(Query(h, 0xFF000002, 4).data, Le32(1));
    // A probe and a short buffer see step 2 without using it up.
    EXPECT_EQ(Query(h, 0xFF000002, 0).needed, 6u);
    EXPECT_EQ(Query(h, 0xFF000002, 4).status, kNdisInvalidLength);
    EXPECT_EQ(Query(h, 0xFF000002, 6).data, (Bytes{2, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Query(h, 0xFF000002, 4).data, Le32(10));
    EXPECT_EQ(Query(h, 0xFF000002, 4).data, Le32(10));

    // Positions belong to the adapter, not the handle; a reset starts over.
    NIOC_HANDLE second = NIOC_OpenInstance(kAdapter);
    EXPECT_EQ(Query(second, 0xFF000002, 4).data, Le32(10));
    testing_support::ResetStandIn();
    h = NIOC_OpenInstance(kAdapter);
    EXPECT_EQ(Query(h, 0xFF000002, 4).data, Le32(1));
}

TEST_F(MolvexOid, ForcedStatusPerDirection) {
    NIOC_HANDLE h = Open(Machine("", "\"0D01020A\"=dword:0000092b\n"
                                     "\"0D01020A!set\"=dword:c0000001\n"
                                     "\"0D010102\"=hex:01,02,03,04,05,06\n"
                                     "\"0D010102!query\"=dword:c0010016\n"
                                     "\"0D010203!query\"=dword:c0000001\n"));
    Reply s = Set(h, kRts, Le32(1000));
    EXPECT_TRUE(s.reached);
    EXPECT_EQ(s.status, 0xC0000001u);
    EXPECT_EQ(s.count, 0u);
    EXPECT_EQ(Query(h, kRts, 4).data, Le32(2347));  // not stored

    Reply q = Query(h, kSsid, 64);
    EXPECT_EQ(q.status, kNdisBufferTooShort);
    EXPECT_EQ(q.needed, 6u);
    EXPECT_EQ(q.count, 0u);
    EXPECT_EQ(q.data, Bytes(64, 0xEE));
    EXPECT_EQ(Set(h, kSsid, {9}).status, 0u);  // only queries are forced

    EXPECT_EQ(Query(h, 0x0D010203, 4).status, 0xC0000001u);  // even without an answer
}

TEST_F(MolvexOid, SetsAreStoredByTheValueKind) {
    NIOC_HANDLE h = Open(Machine("", "\"0D01020A\"=dword:0000092b\n"
                                     "\"0D010102\"=hex:01,02\n"
                                     "\"FF000003:01\"=hex:aa\n"));
    Reply shortSet = Set(h, kRts, {1, 2});
    EXPECT_EQ(shortSet.status, kNdisInvalidLength);
    EXPECT_EQ(shortSet.needed, 4u);
    EXPECT_EQ(shortSet.count, 0u);
    Reply longSet = Set(h, kRts, {1, 0, 0, 0, 9, 9});
    EXPECT_EQ(longSet.status, 0u);
    EXPECT_EQ(longSet.count, 4u);

    EXPECT_EQ(Set(h, kSsid, {5, 6, 7, 8, 9}).count, 5u);
    EXPECT_EQ(Query(h, kSsid, 8).count, 5u);
    EXPECT_EQ(Set(h, kSsid, {}).status, 0u);
    EXPECT_EQ(Query(h, kSsid, 8).count, 0u);

    EXPECT_EQ(Set(h, 0x0D010203, Le32(1)).status, kNdisNotSupported);
    // An OID known by keyed answers only takes sets into its plain value.
    EXPECT_EQ(Set(h, 0xFF000003, {7}).status, 0u);
    EXPECT_EQ(Query(h, 0xFF000003, 1, {1}).data, Bytes{0xAA});
    EXPECT_EQ(Query(h, 0xFF000003, 1, {2}).data, Bytes{7});

    // The driver's value keeps its registry type, so a saved machine shows it as it was given.
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, (std::string(kAdapterKey) + "\\Oids").c_str(), 0,
                            KEY_READ, &key),
              ERROR_SUCCESS);
    DWORD type = 0, value = 0, size = sizeof value;
    EXPECT_EQ(RegQueryValueExA(key, "0D01020A", nullptr, &type, reinterpret_cast<BYTE*>(&value),
                               &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(value, 1u);
}

TEST_F(MolvexOid, RegistryIsReadOnEveryRequest) {
    NIOC_HANDLE h = Open(Machine("", "\"0D01020A\"=dword:0000092b"));
    EXPECT_EQ(Query(h, kRts, 4).data, Le32(2347));
    LoadMachine(Machine("", "\"0D01020A\"=dword:00000005\n\"0D01020A!query\"=-"));
    EXPECT_EQ(Query(h, kRts, 4).data, Le32(5));
    LoadMachine(Machine("", "\"0D01020A\"=-"));
    EXPECT_EQ(Query(h, kRts, 4).status, kNdisNotSupported);
}

TEST_F(MolvexOid, MalformedRequestsAreRefusedUnread) {
    NIOC_HANDLE h = Open(Machine("", "\"0D01020A\"=dword:0000092b"));
    uint32_t status = 0, needed = 0, count = 0;
    EXPECT_FALSE(NIOC_QueryOid(h, &status, kRts, nullptr, 4, &needed, &count));
    EXPECT_EQ(status, kNdisFailure);
    EXPECT_FALSE(NIOC_SetOid(h, &status, kRts, nullptr, 4, &needed, &count));
    EXPECT_FALSE(NIOC_QueryOid(0, &status, kRts, nullptr, 0, &needed, &count));
    EXPECT_FALSE(NIOC_QueryOid(12345, &status, kRts, nullptr, 0, &needed, &count));
    EXPECT_TRUE(TakeTrace().empty());

    // A length gone wrong is refused before a byte of it is read.
    uint8_t one = 1;
    EXPECT_TRUE(NIOC_SetOid(h, &status, kRts, &one, 0xFFFFFFFFu, &needed, &count));
    EXPECT_EQ(status, kNdisInvalidLength);
    EXPECT_EQ(count, 0u);

    // Null counters are allowed.
    uint8_t buf[4];
    EXPECT_TRUE(NIOC_QueryOid(h, nullptr, kRts, buf, 4, nullptr, nullptr));
    EXPECT_EQ(Query(h, kRts, 4).data, Le32(2347));
}

}  // namespace
