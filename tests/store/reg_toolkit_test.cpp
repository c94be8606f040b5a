// The registry value toolkit: typed values, single reads and writes, the recursive walk.
#include "lib/store/reg_walker.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using halvora::RegAccess;
using halvora::RegValue;
using halvora::RegWalker;

const char* const kTree =
    "REGEDIT4\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ToolkitTest]\n"
    "\"Text\"=\"hello\"\n"
    "\"Number\"=dword:0000002a\n"
    "\"Link\"=hex(6):6c,6e,6b,00\n"
    "\"Big\"=hex(5):01,00,00,00\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ToolkitTest\\b]\n"
    "\"InB\"=\"1\"\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ToolkitTest\\a]\n"
    "\"InA\"=\"1\"\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ToolkitTest\\a\\deep]\n"
    "\"InDeep\"=\"1\"\n"
    "[HKEY_LOCAL_MACHINE\\SOFTWARE\\ToolkitTest\\empty]\n";

class RegToolkit : public testing_support::MachineTest {
protected:
    void SetUp() override { LoadMachine(kTree); }
    RegAccess reg_;
};

TEST_F(RegToolkit, ReadsTextsOnlyFromTextTypes) {
    std::string out = "untouched";
    EXPECT_TRUE(reg_.ReadText("SOFTWARE\\ToolkitTest", "Text", out));
    EXPECT_EQ("hello", out);
    EXPECT_TRUE(reg_.ReadText("SOFTWARE\\ToolkitTest", "Link", out));
    EXPECT_EQ("lnk", out);
    out = "untouched";
    EXPECT_FALSE(reg_.ReadText("SOFTWARE\\ToolkitTest", "Number", out));
    EXPECT_FALSE(reg_.ReadText("SOFTWARE\\ToolkitTest", "Missing", out));
    EXPECT_FALSE(reg_.ReadText("SOFTWARE\\NoSuchKey", "Text", out));
    EXPECT_EQ("untouched", out);
}

TEST_F(RegToolkit, ReadsNumbersFromBothDwordTypes) {
    uint32_t n = 0;
    EXPECT_TRUE(reg_.ReadNumber("SOFTWARE\\ToolkitTest", "Number", n));
    EXPECT_EQ(42u, n);
    EXPECT_TRUE(reg_.ReadNumber("SOFTWARE\\ToolkitTest", "Big", n));
    EXPECT_EQ(1u, n);  // type 5 is read little-endian, like type 4
    EXPECT_FALSE(reg_.ReadNumber("SOFTWARE\\ToolkitTest", "Text", n));
}

TEST_F(RegToolkit, FailedReadKeepsThePreviousValue) {
    RegValue value;
    value.SetString("before", false);
    EXPECT_FALSE(reg_.ReadValue("SOFTWARE\\ToolkitTest", "Missing", value));
    std::string text;
    ASSERT_TRUE(value.GetString(text));
    EXPECT_EQ("before", text);
}

TEST_F(RegToolkit, WriteCreatesMissingKeysAndReadsBack) {
    ASSERT_TRUE(reg_.WriteDword("SOFTWARE\\ToolkitTest\\new\\deeper", "Count", 7));
    RegValue none;
    none.SetString(nullptr, false);
    ASSERT_TRUE(reg_.WriteValue("SOFTWARE\\ToolkitTest\\new", "Empty", none));
    RegValue back;
    ASSERT_TRUE(reg_.ReadValue("SOFTWARE\\ToolkitTest\\new", "Empty", back));
    EXPECT_EQ(REG_SZ, back.Type());
    EXPECT_EQ(1u, back.Size());
    uint32_t n = 0;
    EXPECT_TRUE(reg_.ReadNumber("SOFTWARE\\ToolkitTest\\new\\deeper", "Count", n));
    EXPECT_EQ(7u, n);
}

TEST_F(RegToolkit, KeyHasContentNeedsASubkeyOrAValue) {
    EXPECT_TRUE(reg_.KeyHasContent("SOFTWARE\\ToolkitTest"));
    EXPECT_TRUE(reg_.KeyHasContent("SOFTWARE\\ToolkitTest\\a"));
    EXPECT_FALSE(reg_.KeyHasContent("SOFTWARE\\ToolkitTest\\empty"));
    EXPECT_FALSE(reg_.KeyHasContent("SOFTWARE\\ToolkitTest\\missing"));
}

struct Visit {
    std::vector<std::string> seen;
    int stopAfter = -1;
};

bool RecordValue(const char* path, const char* name, const RegValue&, int depth, void* user) {
    auto* v = static_cast<Visit*>(user);
    v->seen.push_back(std::to_string(depth) + " " + (path ? path : "(none)") + " " + name);
    return v->stopAfter < 0 || static_cast<int>(v->seen.size()) < v->stopAfter;
}

bool RecordKey(const char* name, int depth, void* user) {
    static_cast<Visit*>(user)->seen.push_back(std::to_string(depth) + " key " + name);
    return true;
}

TEST_F(RegToolkit, WalkVisitsValuesBeforeSubkeysDepthFirst) {
    Visit v;
    RegWalker walker(RecordValue, &v, RecordKey, &v);
    ASSERT_TRUE(walker.Walk("SOFTWARE\\ToolkitTest", RegWalker::kValues | RegWalker::kKeys));
    const std::string root = "SOFTWARE\\ToolkitTest";
    EXPECT_EQ((std::vector<std::string>{
                  "0 " + root + " Big", "0 " + root + " Link", "0 " + root + " Number",
                  "0 " + root + " Text", "0 key a", "1 " + root + "\\a InA", "1 key deep",
                  "2 " + root + "\\a\\deep InDeep", "0 key b", "1 " + root + "\\b InB",
                  "0 key empty"}),
              v.seen);
}

TEST_F(RegToolkit, ValueCallbackAnsweringFalseEndsTheWalk) {
    Visit v;
    v.stopAfter = 1;
    RegWalker walker(RecordValue, &v);
    EXPECT_FALSE(walker.Walk("SOFTWARE\\ToolkitTest", RegWalker::kValues));
    EXPECT_EQ(1u, v.seen.size());
}

TEST_F(RegToolkit, WalkOfAMissingKeyFailsAndALeafSucceeds) {
    Visit v;
    RegWalker walker(RecordValue, &v);
    EXPECT_FALSE(walker.Walk("SOFTWARE\\ToolkitTest\\missing", RegWalker::kValues));
    EXPECT_TRUE(walker.Walk("SOFTWARE\\ToolkitTest\\a\\deep", RegWalker::kValues));
    EXPECT_EQ(1u, v.seen.size());
}

TEST(RegValueForms, TextAndNumberConventions) {
    RegValue v;
    v.SetDword(0x01020304);
    std::string text = "x";
    EXPECT_FALSE(v.GetString(text));
    EXPECT_EQ("x", text);
    uint32_t n = 0;
    EXPECT_TRUE(v.GetNumber(n));
    EXPECT_EQ(0x01020304u, n);
    v.SetString("abc", true);
    EXPECT_EQ(REG_EXPAND_SZ, v.Type());
    EXPECT_EQ(4u, v.Size());
    EXPECT_TRUE(v.GetString(text));
    EXPECT_EQ("abc", text);
    // A text stored without its terminator is read within its size.
    v.SetBytes(REG_SZ, "abcdef", 3);
    EXPECT_TRUE(v.GetString(text));
    EXPECT_EQ("abc", text);
}

}  // namespace
