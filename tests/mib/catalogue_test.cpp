// The catalogue against the public header and against the tree: every constant equals its leaf,
// every readable leaf's Get reaches its own column, and the access marks hold.
#include "tests/mib/fake_adapter.h"

#include "include/halvora.h"
#include "lib/mib/catalogue.h"
#include "tests/support/fixtures.h"

#include <fstream>
#include <set>
#include <sstream>

namespace mib_test {
namespace {

using namespace halvora;

TEST(Catalogue, EveryPublicConstantEqualsItsLeafAndEveryLeafHasOne) {
    std::ifstream header(testing_support::SourcePath("include/halvora_mib.h"));
    ASSERT_TRUE(header) << "include/halvora_mib.h";
    std::stringstream text;
    text << header.rdbuf();
    const std::string source = text.str();

    std::set<std::string> named;
    std::istringstream lines(source);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string directive, macro, literal;
        words >> directive >> macro >> literal;
        if (directive != "#define" || macro.rfind("APS_", 0) != 0) continue;
        const std::string name = macro.substr(4);
        const Leaf* leaf = FindLeaf(std::string_view(name));
        ASSERT_NE(leaf, nullptr) << macro << " names no leaf";
        EXPECT_EQ(leaf->name, name) << "letter case";
        EXPECT_EQ(literal, "0x" + Hex32(leaf->id) + "u") << macro;
        EXPECT_TRUE(named.insert(name).second) << macro << " twice";
    }
    for (const Leaf& leaf : kCatalogue)
        EXPECT_EQ(named.count(std::string(leaf.name)), 1u) << leaf.name << " has no constant";
    static_assert(APS_dot11RTSThreshold == 0x48104100u && APS_rtPspXlink == 0xD0504380u);
}

TEST(Catalogue, NamesAreUniqueAndFoundInAnyLetterCase) {
    std::set<std::string> names;
    for (const Leaf& leaf : kCatalogue) EXPECT_TRUE(names.insert(std::string(leaf.name)).second);
    EXPECT_EQ(FindLeaf(std::string_view("DOT11rtsTHRESHOLD")), FindLeaf(APS_dot11RTSThreshold));
    EXPECT_EQ(FindLeaf(std::string_view("dot11RTSThreshol")), nullptr);
    EXPECT_EQ(LeavesUnder(0x48204000u).size(), 25u);
    EXPECT_EQ(LeavesUnder(0x4C100000u).size(), 6u);
    EXPECT_EQ(LeavesUnder(0).size(), kCatalogue.size());
}

int32_t NaturalLength(const Leaf& leaf) {
    switch (leaf.kind) {
    case LeafKind::Mac: return 6;
    case LeafKind::Octets:
    case LeafKind::Raw: return 256;
    default: return 4;
    }
}

// With an adapter that answers every identifier with a value made from it, each readable leaf
// either shows that value (cached and pass-through columns asking by their own identifier) or at
// least reaches a column (row tables, constants, events).
class CatalogueRouting : public MibTest {
protected:
    void SetUp() override {
        adapter->answerAll = true;
        adapter->numbers[APS_radioEnabled] = 1;
        adapter->blocks[APS_driverVersion] = Hex32(APS_driverVersion).substr(0, 4);
        Bind();
    }

    // The value the fake derives for `leaf`, as Get would copy it; empty when it is not derived.
    static std::string Derived(const Leaf& leaf) {
        const bool own = leaf.get == Form::Cached || leaf.get == Form::Block ||
                         leaf.get == Form::RadioOnBlock || leaf.get == Form::StrictU32 ||
                         leaf.get == Form::CheckedCounter || leaf.get == Form::MacForm ||
                         leaf.get == Form::LenientU32 || leaf.get == Form::LenientCounter ||
                         leaf.get == Form::LenientBytes || leaf.get == Form::GuardedU32;
        if (!own) return {};
        if (leaf.kind == LeafKind::Mac) {
            const MibId id = leaf.id;
            const uint8_t mac[6] = {0x02, 0, uint8_t(id >> 24), uint8_t(id >> 16),
                                    uint8_t(id >> 8), uint8_t(id)};
            return std::string(reinterpret_cast<const char*>(mac), 6);
        }
        if (leaf.kind == LeafKind::Octets) return Hex32(leaf.id);
        if (leaf.kind == LeafKind::Raw) return leaf.get == Form::Cached ? Hex32(leaf.id).substr(0, 4) : Hex32(leaf.id);
        int32_t value = FakeAdapter::Derived(leaf.id);
        if (leaf.flags & kLowThreeBits) value &= 7;
        if (leaf.id == APS_radioEnabled) value = 1;
        return std::string(reinterpret_cast<const char*>(&value), 4);
    }
};

TEST_F(CatalogueRouting, EveryReadableLeafReachesItsOwnColumn) {
    int routed = 0;
    for (const Leaf& leaf : kCatalogue) {
        if (!leaf.Readable()) continue;
        char buffer[256] = {};
        const int32_t length = NaturalLength(leaf);
        const Answer answer = Get(leaf.id, buffer, length);
        EXPECT_NE(answer.status, APS_INVALID) << leaf.name;
        if (leaf.get == Form::Absent) {
            EXPECT_EQ(answer.status, APS_UNAVAILABLE) << leaf.name;
            continue;
        }
        EXPECT_EQ(answer.status, APS_OK) << leaf.name;
        const std::string expected = Derived(leaf);
        if (!expected.empty()) {
            EXPECT_EQ(std::string(buffer, answer.written), expected) << leaf.name;
            ++routed;
        }
    }
    EXPECT_GT(routed, 130) << "most leaves show their own value";
}

TEST_F(CatalogueRouting, AccessMarksHold) {
    for (const Leaf& leaf : kCatalogue) {
        char buffer[256] = {};
        const int32_t length = NaturalLength(leaf);
        if (!leaf.Readable()) {
            EXPECT_EQ(Get(leaf.id, buffer, length).status, APS_INVALID) << leaf.name;
        }
        const Status set = Set(leaf.id, buffer, length).status;
        if (leaf.Writable())
            EXPECT_NE(set, APS_INVALID) << leaf.name;
        else
            EXPECT_EQ(set, APS_INVALID) << leaf.name;
    }
}

}  // namespace
}  // namespace mib_test
