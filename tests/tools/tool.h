// Running apstool in-process, as a user would from a shell: arguments in, exit code and both
// output streams out.
#pragma once

#include "tests/support/trace.h"
#include "tools/apstool/app.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tool_test {

struct Outcome {
    int code = -1;
    std::string out, err;
    std::vector<std::string> Lines() const;
};

Outcome RunTool(const std::vector<std::string>& args, const std::string& input = "",
                apstool::Registry registry = apstool::Registry::kAsIs);

// The family a machine file describes ("9x", "NT 4", "NT 5", "NT 6"), read from its version keys,
// and the one the running Windows (or the host's loaded machine) reports.
std::string MachineFamily(const std::string& machineText);
std::string RunningFamily();

std::string ReadSource(const std::string& relative);

// Name and value columns of `show`, by name.
std::map<std::string, std::string> ShowValues(const std::string& output);

// The default machine loaded for one test, on a fresh stand-in; skipped under Wine outside NT 6.
class DefaultMachineTest : public testing_support::StandInTest {
protected:
    void SetUp() override;
};

// Instance names of the default machine, in list order.
inline constexpr const char* kWired = "{0A6E3C21-5B9D-4F08-8C2E-71D4B9A0E501}";
inline constexpr const char* kIntel = "{2C4F8B13-9E7A-4D56-B1C0-5A8E3F6D7102}";

}  // namespace tool_test
