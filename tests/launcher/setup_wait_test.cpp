#include "launcher/setup_wait.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

using vornset2::kStillActive;

// A started process whose wait and exit-code reads follow a script; a read past the end of
// the script fails, so a wait that never stops polling ends the test instead of hanging it.
class ScriptedProcess {
public:
    ScriptedProcess(bool waitWorks, std::vector<std::optional<std::uint32_t>> reads)
        : waitWorks_(waitWorks), reads_(std::move(reads)) {}

    bool WaitForEnd() { return waitWorks_; }
    bool ReadExitCode(std::uint32_t& code) {
        if (readCount_ >= reads_.size()) {
            ++readsPastScript_;
            return false;
        }
        const auto& next = reads_[readCount_++];
        if (!next) return false;
        code = *next;
        return true;
    }
    void Pause(std::uint32_t milliseconds) { pauses_.push_back(milliseconds); }

    bool waitWorks_;
    std::vector<std::optional<std::uint32_t>> reads_;
    std::size_t readCount_ = 0;
    int readsPastScript_ = 0;
    std::vector<std::uint32_t> pauses_;
};

struct WaitCase {
    const char* name;
    bool waitWorks;
    std::vector<std::optional<std::uint32_t>> reads;
    bool ended;
    std::size_t pauses;
};

TEST(SetupWait, WaitsOnTheHandleAndPollsOnlyWhenThatIsRefused) {
    const WaitCase cases[] = {
        // The handle wait alone decides, even for a setup whose own exit code is 259.
        {"handle wait", true, {kStillActive, kStillActive}, true, 0},
        {"poll: ended before the first read", false, {0}, true, 0},
        {"poll: runs, then ends with a failure code", false, {kStillActive, kStillActive, 1603},
         true, 2},
        {"poll: exit code unreadable", false, {std::nullopt}, false, 0},
        {"poll: exit code unreadable while running", false, {kStillActive, std::nullopt}, false,
         1},
    };
    for (const WaitCase& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedProcess process(c.waitWorks, c.reads);
        EXPECT_EQ(vornset2::WaitForSetupEnd(process), c.ended);
        EXPECT_EQ(process.readsPastScript_, 0);
        EXPECT_EQ(process.pauses_.size(), c.pauses);
        for (std::uint32_t pause : process.pauses_) EXPECT_EQ(pause, 10u);
        if (c.waitWorks) {
            EXPECT_EQ(process.readCount_, 0u);
        }
    }
}

}  // namespace
