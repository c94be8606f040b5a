// The saver writes every name so that the reader gets it back: line breaks, quotes and
// backslashes in value names survive a save and a load.
#include "tests/support/fixtures.h"
#include "tools/machine/machine_file.h"

#include "lib/store/reg_access.h"

#include <gtest/gtest.h>

namespace {

struct AwkwardName {
    const char* written;  // as a machine file spells it
    const char* name;     // as the registry holds it
};

class SavedName : public testing_support::MachineTest,
                  public ::testing::WithParamInterface<AwkwardName> {};

TEST_P(SavedName, SurvivesSaveAndLoad) {
    const std::string key = "SOFTWARE\\MachineTest\\Names";
    LoadMachine(std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\") + key + "]\n\"" +
                GetParam().written + "\"=\"v\"\n");
    std::string saved = machine::ExportMachine(machine_.Parsed());
    LoadMachine(saved);
    std::string text;
    EXPECT_TRUE(halvora::RegAccess().ReadText(key, GetParam().name, text)) << saved;
    EXPECT_EQ("v", text);
    EXPECT_EQ(saved, machine::ExportMachine(machine_.Parsed()));
}

INSTANTIATE_TEST_SUITE_P(Escapes, SavedName,
                         ::testing::Values(AwkwardName{"line\\nbreak", "line\nbreak"},
                                           AwkwardName{"carriage\\rreturn", "carriage\rreturn"},
                                           AwkwardName{"both\\r\\n", "both\r\n"},
                                           AwkwardName{"q\\\"uote\\\\", "q\"uote\\"}));

}  // namespace
