// apsSearchInterface with each of its allocations failing in turn: it answers null and registers
// nothing, or answers the same list as with memory to spare; it never crashes or leaks. A failure
// inside the registry itself is a registry error to the library, which skips that key.
#include "lib/exports/library.h"
#include "tests/discovery/listing.h"
#include "tests/fault/failing_allocator.h"
#include "tests/fault/leak_check.h"
#include "tests/support/fixtures.h"

namespace {

using discovery_test::Listed;
using discovery_test::Search;

struct SearchCase {
    const char* name;
    std::vector<InterfaceFilter> criteria;
};

class SearchFault : public testing_support::MachineTest,
                    public ::testing::WithParamInterface<SearchCase> {
protected:
    void SetUp() override {
        apsInitialize();
        LoadMachineFile("machines/default.reg");
    }
};

TEST_P(SearchFault, AnswersNullOrTheFullList) {
    const std::vector<InterfaceFilter>& criteria = GetParam().criteria;
    const InterfaceFilter* filters = criteria.empty() ? nullptr : criteria.data();
    const auto count = static_cast<int32_t>(criteria.size());
    const std::vector<Listed> expected = Search(filters, count).Rows();
    ASSERT_FALSE(expected.empty());

    size_t registered = halvora::Library().lists.Size();
    long nulls = 0;
    APS_INTERFACE_LIST list = nullptr;
    long allocations = fault::ForEachFailure(
        [&] { list = apsSearchInterface(filters, count); },
        [&](bool failed) {
            if (!list) {
                ++nulls;
                EXPECT_TRUE(failed) << "null with no allocation failed";
                EXPECT_EQ(registered, halvora::Library().lists.Size());
                return;
            }
            std::vector<Listed> rows;
            int32_t n = apsGetInterfaceCount(list);
            for (int32_t i = 0; i < n; ++i)
                rows.push_back({discovery_test::Text(apsGetInstanceName(list, i)),
                                discovery_test::Text(apsGetFriendlyName(list, i)),
                                discovery_test::Text(apsGetIfMfg(list, i)),
                                discovery_test::Text(apsGetIfService(list, i))});
            // A registry call that fails skips its key, as any registry failure does.
            if (!fault::FailedInPlatform()) {
                EXPECT_EQ(expected, rows) << "with a failed allocation at" << fault::FailedAt();
            }
            apsCloseHandle(list);
        });
    EXPECT_GT(allocations, 0);
    EXPECT_GT(nulls, 0);
    EXPECT_EQ(registered, halvora::Library().lists.Size());
    EXPECT_FALSE(fault::Leaked());
}

INSTANTIATE_TEST_SUITE_P(
    Criteria, SearchFault,
    ::testing::Values(SearchCase{"all", {}},
                      SearchCase{"filtered", {{"Intel Corporation", nullptr, nullptr},
                                              {nullptr, nullptr, "RT2870U"}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
