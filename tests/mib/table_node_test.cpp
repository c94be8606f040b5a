// The three forms of a table node's apply and refresh sides, with a child that records what it
// is asked and answers a chosen status.
#include "lib/mib/table_node.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace halvora;

class RecordingChild : public MibNode {
public:
    Status answer = APS_OK;
    std::string asked;

    Status Apply(MibId) override { return Note("Apply"); }
    Status ApplyAll() override { return Note("ApplyAll"); }
    Status Refresh(MibId) override { return Note("Refresh"); }
    Status RefreshAll() override { return Note("RefreshAll"); }

private:
    Status Note(const char* what) {
        asked += asked.empty() ? what : std::string(" ") + what;
        return answer;
    }
};

constexpr MibId kEntry = 0x48104000u;
constexpr MibId kInside = 0x48104100u;
constexpr MibId kOutside = 0x48100000u;

struct SideCase {
    Side side;
    MibId id;  // 0: the walk itself
    Status childAnswer;
    Status expected;
    const char* asked;
};

class TableNodeSides : public ::testing::TestWithParam<SideCase> {};

TEST_P(TableNodeSides, ApplyAndRefreshAlike) {
    const SideCase& c = GetParam();
    for (bool apply : {true, false}) {
        RecordingChild child;
        child.answer = c.childAnswer;
        TableNode node(TableOf(kEntry, apply ? c.side : Side::Closed, apply ? Side::Closed : c.side),
                       child);
        Status result;
        if (apply)
            result = c.id ? node.Apply(c.id) : node.ApplyAll();
        else
            result = c.id ? node.Refresh(c.id) : node.RefreshAll();
        std::string expected = c.asked;
        if (!apply) {
            for (size_t at; (at = expected.find("Apply")) != std::string::npos;)
                expected.replace(at, 5, "Refresh");
        }
        EXPECT_EQ(result, c.expected) << (apply ? "apply" : "refresh");
        EXPECT_EQ(child.asked, expected) << (apply ? "apply" : "refresh");
    }
}

INSTANTIATE_TEST_SUITE_P(
    , TableNodeSides,
    ::testing::Values(
        SideCase{Side::Through, kInside, APS_UNAVAILABLE, APS_UNAVAILABLE, "Apply"},
        SideCase{Side::Through, kOutside, APS_UNAVAILABLE, APS_UNAVAILABLE, "ApplyAll"},
        SideCase{Side::Through, 0, APS_INVALID, APS_INVALID, "ApplyAll"},
        SideCase{Side::Masked, kInside, APS_UNAVAILABLE, APS_UNAVAILABLE, "Apply"},
        SideCase{Side::Masked, kOutside, APS_UNAVAILABLE, APS_OK, "ApplyAll"},
        SideCase{Side::Masked, 0, APS_INVALID, APS_OK, "ApplyAll"},
        SideCase{Side::Masked, 0, APS_NOT_READY, APS_NOT_READY, "ApplyAll"},
        SideCase{Side::Masked, kOutside, APS_NOT_BOUND, APS_NOT_BOUND, "ApplyAll"},
        SideCase{Side::Closed, kInside, APS_NOT_READY, APS_INVALID, ""},
        SideCase{Side::Closed, 0, APS_NOT_READY, APS_OK, ""}));

TEST(TableNode, GetAndSetReachTheChildOnlyUnderItsEntry) {
    RecordingChild child;  // base Get/Set answer -1
    TableNode node(TableOf(kEntry, Side::Closed, Side::Closed), child);
    uint32_t needed = 0, written = 0;
    EXPECT_EQ(node.Get(kInside, nullptr, 0, &needed, &written), APS_UNAVAILABLE);
    EXPECT_EQ(node.Set(kEntry | 0x3FFF, nullptr, 0, &needed, &written), APS_UNAVAILABLE);
    EXPECT_EQ(node.Get(kOutside, nullptr, 0, &needed, &written), APS_INVALID);
    EXPECT_EQ(node.Set(0x48108000u, nullptr, 0, &needed, &written), APS_INVALID);
}

}  // namespace
