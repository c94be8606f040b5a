// Fixtures shared by the tests: a machine loaded for one test, and helpers around it.
#pragma once

#include "tools/machine/machine_file.h"

#include <gtest/gtest.h>

#include <string>

namespace testing_support {

// Path of a file in the source tree (machines/, tests/...), usable on the host and under Wine.
std::string SourcePath(const std::string& relative);

// Loads a machine for the lifetime of the test: inline REGEDIT4 text or a file of machines/.
class MachineTest : public ::testing::Test {
protected:
    void LoadMachine(const std::string& text);
    void LoadMachineFile(const std::string& relative);
    void TearDown() override { machine_.Unload(); }

    machine::LoadedMachine machine_;
};

}  // namespace testing_support
