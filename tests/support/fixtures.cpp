#include "tests/support/fixtures.h"

namespace testing_support {

std::string SourcePath(const std::string& relative) {
#ifdef _WIN32
    // Wine maps the Unix root to drive Z:.
    std::string path = std::string("Z:") + HALVORA_SOURCE_DIR + "/" + relative;
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
#else
    return std::string(HALVORA_SOURCE_DIR) + "/" + relative;
#endif
}

void MachineTest::LoadMachine(const std::string& text) {
    std::string error;
    ASSERT_TRUE(machine_.Load(text, error)) << error;
}

void MachineTest::LoadMachineFile(const std::string& relative) {
    std::string error;
    ASSERT_TRUE(machine_.LoadFile(SourcePath(relative), error)) << error;
}

}  // namespace testing_support
