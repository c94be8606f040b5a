// A walk left by an exception (memory running out in a callback) closes every key it opened;
// LeakSanitizer in the sanitizer build reports any handle left open.
#include "lib/store/reg_walker.h"
#include "tests/support/fixtures.h"

#include <new>

namespace {

class WalkUnwind : public testing_support::MachineTest {};

bool ThrowAtDepth2(const char*, const char*, const halvora::RegValue&, int depth, void*) {
    if (depth == 2) throw std::bad_alloc();
    return true;
}

TEST_F(WalkUnwind, ClosesItsKeysWhenACallbackThrows) {
    LoadMachine(
        "REGEDIT4\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WalkUnwind\\a]\n\"v\"=\"1\"\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\WalkUnwind\\a\\b]\n\"v\"=\"2\"\n");
    halvora::RegWalker walker(ThrowAtDepth2, nullptr);
    EXPECT_THROW(walker.Walk("SOFTWARE\\WalkUnwind", halvora::RegWalker::kValues),
                 std::bad_alloc);
    // The keys are still usable afterwards: nothing half-closed.
    EXPECT_TRUE(walker.KeyHasContent("SOFTWARE\\WalkUnwind\\a\\b"));
}

}  // namespace
