// apsCreateMIB, apsSetMIB of a byte string and apsApply with each of their allocations failing in
// turn, on the default machine. Opening answers null and registers nothing, or gives a MIB that
// reads like one opened with memory to spare; a set or an apply either succeeds whole or leaves
// the value as it was; nothing crashes or leaks. Failures inside the registry or the stand-in are
// errors of the platform, which the library answers like any other failed request.
#include "lib/exports/library.h"
#include "lib/mib/catalogue.h"
#include "tests/fault/failing_allocator.h"
#include "tests/fault/leak_check.h"
#include "tests/support/trace.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

bool FailedOutsideLibrary() { return fault::FailedInPlatform() || fault::FailedIn("molvex"); }

// What every cached leaf answers: its status and its bytes.
std::vector<std::string> CachedValues(APS_MIB mib) {
    std::vector<std::string> values;
    for (const halvora::Leaf& leaf : halvora::kCatalogue) {
        if (leaf.get != halvora::Form::Cached) continue;
        uint8_t buffer[256] = {};
        uint32_t needed = 0, written = 0;
        int32_t length = leaf.kind == halvora::LeafKind::Mac      ? 6
                         : leaf.kind == halvora::LeafKind::Octets ? 256
                                                                  : 4;
        int32_t status = apsGetMIB(mib, leaf.id, buffer, length, &needed, &written);
        values.push_back(std::string(leaf.name) + "=" + std::to_string(status) + ":" +
                         std::string(reinterpret_cast<char*>(buffer), written));
    }
    return values;
}

std::string Ssid(APS_MIB mib) {
    char buffer[64] = {};
    uint32_t needed = 0, written = 0;
    apsGetMIB(mib, APS_dot11DesiredSSID, buffer, sizeof buffer, &needed, &written);
    return std::string(buffer, written);
}

class MibFault : public testing_support::StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        apsInitialize();
        LoadMachineFile("machines/default.reg");
    }
    void TearDown() override {
        EXPECT_EQ(0u, halvora::Library().mibs.Size());
        EXPECT_FALSE(fault::Leaked());
        StandInTest::TearDown();
    }
};

class CreateFault : public MibFault, public ::testing::WithParamInterface<const char*> {};

TEST_P(CreateFault, AnswersNullOrAFullyReadMib) {
    APS_MIB reference = apsCreateMIB(GetParam());
    ASSERT_NE(nullptr, reference);
    const std::vector<std::string> expected = CachedValues(reference);
    apsCloseHandle(reference);

    long nulls = 0;
    APS_MIB mib = nullptr;
    long allocations = fault::ForEachFailure(
        [&] { mib = apsCreateMIB(GetParam()); },
        [&](bool failed) {
            // The stand-in's trace would grow with every round.
            testing_support::TakeTrace();
            if (!mib) {
                ++nulls;
                EXPECT_TRUE(failed);
                EXPECT_EQ(0u, halvora::Library().mibs.Size());
                return;
            }
            if (!FailedOutsideLibrary()) {
                EXPECT_EQ(expected, CachedValues(mib)) << "failed at" << fault::FailedAt();
            }
            apsCloseHandle(mib);
        });
    EXPECT_GT(allocations, 0);
    EXPECT_GT(nulls, 0);
}

// The four wireless adapters of the default machine, one per adapter class it has.
INSTANTIATE_TEST_SUITE_P(DefaultMachine, CreateFault,
                         ::testing::Values("{2C4F8B13-9E7A-4D56-B1C0-5A8E3F6D7102}",
                                           "{4B7D2E95-1C3F-4A8B-9D60-E2F7A1C58203}",
                                           "{6E1A9C47-D8B2-4F35-A7E4-0C3B5D9F1404}",
                                           "{8F3C5A69-2E7D-4B1A-96F8-B4D0E2C7A505}"));

constexpr const char* kGeneric = "{2C4F8B13-9E7A-4D56-B1C0-5A8E3F6D7102}";

TEST_F(MibFault, SetOfAByteStringStoresAllOrNothing) {
    APS_MIB mib = apsCreateMIB(kGeneric);
    ASSERT_NE(nullptr, mib);
    const std::string before = Ssid(mib);
    const std::string wanted = "a network name of thirty bytes";
    int32_t status = 0;
    fault::ForEachFailure(
        [&] {
            uint32_t needed = 0, written = 0;
            status = apsSetMIB(mib, APS_dot11DesiredSSID, wanted.data(),
                               static_cast<int32_t>(wanted.size()), &needed, &written);
        },
        [&](bool) {
            // Success stores the whole value; a failure keeps the old one.
            EXPECT_EQ(status == APS_OK ? wanted : before, Ssid(mib)) << "status " << status;
            apsRefreshMIB(mib, APS_dot11DesiredSSID);
            ASSERT_EQ(before, Ssid(mib));
        });
    EXPECT_EQ(APS_OK, status);
    apsCloseHandle(mib);
}

TEST_F(MibFault, ApplyWritesTheValueOrReportsTheFailure) {
    APS_MIB mib = apsCreateMIB(kGeneric);
    ASSERT_NE(nullptr, mib);
    long round = 0;
    std::string wanted;
    // Each round starts from a new dirty value.
    auto setNext = [&] {
        char name[32];
        std::snprintf(name, sizeof name, "net-%04ld", ++round);
        wanted = name;
        uint32_t needed = 0, written = 0;
        ASSERT_EQ(APS_OK, apsSetMIB(mib, APS_dot11DesiredSSID, name,
                                    static_cast<int32_t>(wanted.size()), &needed, &written));
    };
    setNext();
    int32_t status = 0;
    fault::ForEachFailure(
        // The leaf itself: a subtree's walk passes over a failed item by design.
        [&] { status = apsApply(mib, APS_dot11DesiredSSID); },
        [&](bool) {
            testing_support::TakeTrace();
            if (status == APS_OK) {
                apsRefreshMIB(mib, 0);
                EXPECT_EQ(wanted, Ssid(mib)) << "round " << round << ", failed at" << fault::FailedAt();
            }
            setNext();
        });
    EXPECT_EQ(APS_OK, status);
    apsCloseHandle(mib);
}

}  // namespace
