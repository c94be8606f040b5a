#include "tests/tools/tool.h"

#include "lib/platform/win32.h"
#include "tools/machine/machine_file.h"

#include <sstream>

namespace tool_test {

std::vector<std::string> Outcome::Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

Outcome RunTool(const std::vector<std::string>& args, const std::string& input,
                apstool::Registry registry) {
    std::istringstream in(input);
    std::ostringstream out, err;
    Outcome o;
    o.code = apstool::Run(args, {in, out, err}, registry);
    o.out = out.str();
    o.err = err.str();
    return o;
}

std::string MachineFamily(const std::string& text) {
    machine::ParsedMachine parsed;
    std::string error;
    if (!machine::Parse(text, parsed, error)) return "unreadable: " + error;
    for (const machine::KeyChange& k : parsed.keys)
        for (const machine::ValueChange& v : k.values) {
            std::string value(v.data.begin(), v.data.end());
            if (k.path == "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion" &&
                v.name == "CurrentVersion")
                return value[0] == '4' ? "NT 4" : value[0] == '5' ? "NT 5" : "NT 6";
            if (k.path == "SOFTWARE\\Microsoft\\Windows\\CurrentVersion" &&
                v.name == "VersionNumber")
                return "9x";
        }
    return "NT 6";  // a machine without a version runs as the host's empty registry reports
}

std::string RunningFamily() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return "unknown";
    if (info.dwPlatformId != VER_PLATFORM_WIN32_NT) return "9x";
    return info.dwMajorVersion <= 4 ? "NT 4" : info.dwMajorVersion == 5 ? "NT 5" : "NT 6";
}

std::string ReadSource(const std::string& relative) {
    std::string text, error;
    EXPECT_TRUE(machine::ReadFile(testing_support::SourcePath(relative), text, error)) << error;
    return text;
}

std::map<std::string, std::string> ShowValues(const std::string& output) {
    std::map<std::string, std::string> values;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        size_t gap = line.find("  ");
        if (gap == std::string::npos) continue;
        size_t value = line.find_first_not_of(' ', gap);
        values[line.substr(0, gap)] = value == std::string::npos ? "" : line.substr(value);
    }
    return values;
}

void DefaultMachineTest::SetUp() {
    testing_support::StandInTest::SetUp();
#ifdef _WIN32
    if (RunningFamily() != "NT 6") GTEST_SKIP() << "the default machine is a Windows 7 PC";
#endif
    ASSERT_NO_FATAL_FAILURE(LoadMachineFile("machines/default.reg"));
}

}  // namespace tool_test
