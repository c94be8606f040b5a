// Machine files: every REGEDIT4 form the loader reads, the saver's output, and the round trip.
#include "tests/support/fixtures.h"
#include "tools/machine/machine_file.h"

#include "lib/store/reg_access.h"

#include <gtest/gtest.h>

namespace {

using testing_support::MachineTest;

const char* const kForms =
    "REGEDIT4\n"
    "; a comment\n"
    "\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Forms]\n"
    "@=\"the default\"\n"
    "\"Quoted\"=\"a \\\"b\\\" c\\\\d\"\n"
    "\"Number\"=dword:0000abcd\n"
    "\"Blob\"=hex:01,02,\\\n"
    "  03,04\n"
    "\"Expand\"=hex(2):25,50,41,54,48,25,00\n"
    "\"Empty\"=hex:\n"
    "\"Removed\"=\"soon gone\"\n"
    "\"Removed\"=-\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Gone\\Child]\n"
    "\"x\"=\"y\"\n"
    "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Gone]\n";

class MachineFile : public MachineTest {
protected:
    halvora::RegAccess reg_;
    const std::string forms_ = "SOFTWARE\\MachineTest\\Forms";
};

TEST_F(MachineFile, LoadsEveryValueForm) {
    LoadMachine(kForms);
    std::string text;
    EXPECT_TRUE(reg_.ReadText(forms_, "", text));
    EXPECT_EQ("the default", text);
    EXPECT_TRUE(reg_.ReadText(forms_, "Quoted", text));
    EXPECT_EQ("a \"b\" c\\d", text);
    EXPECT_TRUE(reg_.ReadText(forms_, "Expand", text));
    EXPECT_EQ("%PATH%", text);
    uint32_t n = 0;
    EXPECT_TRUE(reg_.ReadNumber(forms_, "Number", n));
    EXPECT_EQ(0xabcdu, n);
    halvora::RegValue blob;
    ASSERT_TRUE(reg_.ReadValue(forms_, "Blob", blob));
    EXPECT_EQ(REG_BINARY, blob.Type());
    ASSERT_EQ(4u, blob.Size());
    EXPECT_EQ(4, blob.Data()[3]);
    halvora::RegValue empty;
    EXPECT_TRUE(reg_.ReadValue(forms_, "Empty", empty));
    EXPECT_EQ(0u, empty.Size());
    EXPECT_FALSE(reg_.ReadText(forms_, "Removed", text));
    EXPECT_FALSE(reg_.KeyHasContent("SOFTWARE\\MachineTest\\Gone"));
}

TEST_F(MachineFile, SaveThenLoadGivesTheSameRegistry) {
    LoadMachine(kForms);
    std::string first = machine::ExportMachine(machine_.Parsed());
    LoadMachine(first);
    std::string second = machine::ExportMachine(machine_.Parsed());
    EXPECT_EQ(first, second);
    EXPECT_NE(std::string::npos, first.find("\"Quoted\"=\"a \\\"b\\\" c\\\\d\"\n"));
    EXPECT_NE(std::string::npos, first.find("\"Number\"=dword:0000abcd\n"));
    EXPECT_NE(std::string::npos, first.find("\"Blob\"=hex:01,02,03,04\n"));
}

#define DEEP4 "\\a\\a\\a\\a"
#define DEEP64 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4 DEEP4
#define DEEP DEEP64 DEEP64 DEEP64 DEEP64 DEEP64 DEEP64 DEEP64 DEEP64

struct BadCase {
    const char* text;
    const char* message;
};

class MalformedMachine : public MachineTest, public ::testing::WithParamInterface<BadCase> {};

TEST_P(MalformedMachine, IsRefusedWithTheLineAndNothingWritten) {
    std::string error;
    machine::LoadedMachine m;
    EXPECT_FALSE(m.Load(GetParam().text, error));
    EXPECT_NE(std::string::npos, error.find(GetParam().message)) << error;
    EXPECT_FALSE(halvora::RegAccess().KeyHasContent("SOFTWARE\\MachineTest\\Half"));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, MalformedMachine,
    ::testing::Values(
        BadCase{"", "empty machine file"},
        BadCase{"not a registry file\n", "not a REGEDIT4 file"},
        BadCase{"REGEDIT4\n\"a\"=\"b\"\n", "line 2: value outside a section"},
        BadCase{"REGEDIT4\n[HKEY_NOWHERE\\x]\n", "unknown root key"},
        BadCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Half" DEEP "]\n",
                "deeper than 512 levels"},
        BadCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Half]\n\"a\"=\"b\"\n"
                "\"n\"=dword:123456789\n",
                "line 4: malformed dword value"},
        BadCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Half]\n\"a\"=hex:1,zz\n",
                "malformed hex bytes"},
        BadCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Half]\n\"a\"=hex:01,\\\n",
                "continues past the end"},
        BadCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Half]\n\"a\"\n",
                "expected '='"},
        BadCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\MachineTest\\Half]\n\"a\"=word:1\n",
                "unknown value form"}));

TEST_F(MachineFile, UnloadLeavesTheRegistryAsFound) {
    LoadMachine(kForms);
    machine_.Unload();
    EXPECT_FALSE(reg_.KeyHasContent("SOFTWARE\\MachineTest"));
}

}  // namespace
