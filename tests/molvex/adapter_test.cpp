// Library answers, opening and closing, bind state, rebind and byte counts.
#include "tests/molvex/standin.h"

using namespace molvex_test;
using testing_support::TakeTrace;
using Lines = std::vector<std::string>;

namespace {

class MolvexAdapter : public StandIn {};

constexpr char kLibraryKey[] = "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim]\n";

TEST_F(MolvexAdapter, LibraryAnswersDefaultToTrue) {
    LoadMachine(std::string(kLibraryKey));
    EXPECT_TRUE(NIOC_IsInstalled());
    EXPECT_TRUE(NIOC_InitializeEx(0, 1));
    EXPECT_TRUE(NIOC_IsRunning());
    LoadMachine(std::string(kLibraryKey) +
                "\"Installed\"=dword:00000000\n\"Initialize\"=dword:00000000\n"
                "\"Running\"=dword:00000000\n");
    EXPECT_FALSE(NIOC_IsInstalled());
    EXPECT_FALSE(NIOC_InitializeEx(0, 0));
    EXPECT_FALSE(NIOC_IsRunning());
    EXPECT_EQ(TakeTrace(), (Lines{"installed -> 1", "initialize 0 1 -> 1", "running -> 1",
                                  "installed -> 0", "initialize 0 0 -> 0", "running -> 0"}));
}

TEST_F(MolvexAdapter, OpenNeedsTheAdapterKeyAndARunningLibrary) {
    LoadMachine(Machine("", ""));
    struct Case {
        const char* name;
        const char* line;
    } refused[] = {
        {"{B2}", "open {B2} -> refused"},
        {"", "open  -> refused"},
        {nullptr, "open (null) -> refused"},
        {"{A1}\\Oids", "open {A1}\\Oids -> refused"},  // a name never reaches into a subkey
    };
    for (const Case& c : refused) {
        EXPECT_EQ(NIOC_OpenInstance(c.name), 0u);
        EXPECT_EQ(TakeTrace(), Lines{c.line});
    }
    LoadMachine(Machine("", "") +
                "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MolvexSim]\n\"Running\"=dword:00000000\n");
    EXPECT_EQ(NIOC_OpenInstance(kAdapter), 0u);
}

TEST_F(MolvexAdapter, ClosedHandlesAreDeadAndNeverReused) {
    NIOC_HANDLE first = Open(Machine("", "\"0D01020A\"=dword:0000092b"));
    ASSERT_TRUE(NIOC_CloseInstance(first));
    EXPECT_FALSE(NIOC_CloseInstance(first));
    EXPECT_FALSE(Query(first, 0x0D01020A, 4).reached);
    EXPECT_FALSE(NIOC_QueryBindState(first));
    EXPECT_FALSE(NIOC_Rebind(first));
    NIOC_HANDLE second = NIOC_OpenInstance(kAdapter);
    EXPECT_NE(second, 0u);
    EXPECT_NE(second, first);
    EXPECT_EQ(TakeTrace(), (Lines{"close {A1}", "open {A1} -> ok"}));
}

TEST_F(MolvexAdapter, BindStateBeforeAndAfterRebind) {
    struct Case {
        const char* values;
        bool before, after;
    } cases[] = {
        {"", true, true},
        {"\"Bound\"=dword:00000000\n", false, true},
        {"\"Bound\"=dword:00000000\n\"BoundAfterRebind\"=dword:00000000\n", false, false},
        {"\"BoundAfterRebind\"=dword:00000000\n", true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.values);
        testing_support::ResetStandIn();
        NIOC_HANDLE h = Open(Machine(c.values, ""));
        EXPECT_EQ(NIOC_QueryBindState(h) != 0, c.before);
        EXPECT_TRUE(NIOC_Rebind(h));
        EXPECT_EQ(NIOC_QueryBindState(h) != 0, c.after);
        // The rebind belongs to the adapter: a new handle sees it too.
        EXPECT_EQ(NIOC_QueryBindState(NIOC_OpenInstance(kAdapter)) != 0, c.after);
        EXPECT_EQ(TakeTrace(), (Lines{std::string("bindstate {A1} -> ") + (c.before ? "1" : "0"),
                                      "rebind {A1}",
                                      std::string("bindstate {A1} -> ") + (c.after ? "1" : "0"),
                                      "open {A1} -> ok",
                                      std::string("bindstate {A1} -> ") + (c.after ? "1" : "0")}));
    }
}

TEST_F(MolvexAdapter, ByteCountsNeedTheirValues) {
    NIOC_HANDLE h = Open(Machine("\"TxBytes\"=dword:000004d2\n", ""));
    uint32_t count = 99;
    EXPECT_TRUE(NIOC_QueryTxByteCount(h, &count));
    EXPECT_EQ(count, 1234u);
    count = 99;
    EXPECT_FALSE(NIOC_QueryRxByteCount(h, &count));
    EXPECT_EQ(count, 99u);
    EXPECT_FALSE(NIOC_QueryTxByteCount(h, nullptr));
    EXPECT_FALSE(NIOC_QueryTxByteCount(h + 1, &count));
    EXPECT_EQ(TakeTrace(),
              (Lines{"txbytes {A1} -> 1234", "rxbytes {A1} -> failed", "txbytes {A1} -> failed"}));
}

TEST_F(MolvexAdapter, RemovedAdapterNoLongerAnswers) {
    NIOC_HANDLE h = Open(Machine("\"RxBytes\"=dword:00000001\n", "\"0D01020A\"=dword:0000092b"));
    LoadMachine(std::string(kLibraryKey));
    uint32_t count = 0;
    EXPECT_FALSE(Query(h, 0x0D01020A, 4).reached);
    EXPECT_FALSE(Set(h, 0x0D01020A, Le32(1)).reached);
    EXPECT_FALSE(NIOC_QueryBindState(h));
    EXPECT_FALSE(NIOC_QueryRxByteCount(h, &count));
    EXPECT_EQ(TakeTrace(), (Lines{"query {A1} 0d01020a len=4 -> not reached",
                                  "set {A1} 0d01020a len=4 -> not reached",
                                  "bindstate {A1} -> 0", "rxbytes {A1} -> failed"}));
    EXPECT_TRUE(NIOC_CloseInstance(h));
}

}  // namespace
