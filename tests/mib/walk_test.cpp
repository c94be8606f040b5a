// The four walk forms and their stop sets, on sequences of item results.
#include "lib/mib/walk.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace halvora;

struct WalkCase {
    const char* what;
    Walk walk;
    std::vector<Status> results;  // of the items, in walk order
    Status expected;
    int visited;
};

class WalkForms : public ::testing::TestWithParam<WalkCase> {};

TEST_P(WalkForms, ReturnAndItemsVisited) {
    const WalkCase& c = GetParam();
    int visited = 0;
    const Status result = RunWalk(c.walk, static_cast<int>(c.results.size()), [&](int i) {
        ++visited;
        return c.results[static_cast<size_t>(i)];
    });
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(visited, c.visited);
}

constexpr StopSet kUnavailable = StopSet::UnboundOrUnavailable;

INSTANTIATE_TEST_SUITE_P(
    , WalkForms,
    ::testing::Values(
        WalkCase{"propagating all fine", Propagating(), {0, 3, -1, 2}, APS_OK, 4},
        WalkCase{"propagating stops on 1", Propagating(), {0, 1, 0}, APS_NOT_READY, 2},
        WalkCase{"propagating stops on 4", Propagating(), {4, 0}, APS_NOT_BOUND, 1},
        WalkCase{"propagating {4,-1} passes 1", Propagating(0, kUnavailable), {1, 0}, APS_OK, 2},
        WalkCase{"propagating {4,-1} stops on -1", Propagating(0, kUnavailable), {0, -1, 0},
                 APS_UNAVAILABLE, 2},
        WalkCase{"quiet stops with 0", Quiet(), {0, 1, 0}, APS_OK, 2},
        WalkCase{"quiet {4,-1}", Quiet(0, kUnavailable), {0, -1, 0}, APS_OK, 2},
        WalkCase{"first-guarded stops on the first", FirstGuarded(0), {1, 0}, APS_NOT_READY, 1},
        WalkCase{"first-guarded ignores the rest", FirstGuarded(0), {0, 1, 4, -1}, APS_OK, 4},
        WalkCase{"last-returned returns the last", LastReturned(0), {0, -1, 3}, APS_INVALID, 3},
        WalkCase{"last-returned stops early", LastReturned(0), {0, 4, 3}, APS_NOT_BOUND, 2},
        WalkCase{"nothing to walk", Propagating(), {}, APS_OK, 0}),
    [](const auto& info) {
        std::string name = info.param.what;
        for (char& ch : name)
            if (!isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    });

}  // namespace
