// The frame every export runs in: the not-initialized answers, the unregistered-handle answers,
// and handles of one kind refused by exports of the other.
#include "include/halvora.h"

#include <gtest/gtest.h>

namespace {

// Must run first in this program: the library is initialized once and never again uninitialized.
TEST(ExportFrame, BeforeInitializeEveryExportRefuses) {
    EXPECT_EQ(APS_INVALID, apsGetInterfaceCount(nullptr));
    EXPECT_EQ(nullptr, apsSearchInterface(nullptr, 0));
    EXPECT_EQ(nullptr, apsCreateMIB("anything"));
    EXPECT_EQ(nullptr, apsGetInstanceName(nullptr, 0));
    EXPECT_EQ(nullptr, apsGetFriendlyName(nullptr, 0));
    EXPECT_EQ(nullptr, apsGetIfMfg(nullptr, 0));
    EXPECT_EQ(nullptr, apsGetIfService(nullptr, 0));
    uint32_t needed = 77, written = 88;
    char buffer[4];
    EXPECT_EQ(APS_INVALID, apsGetMIB(nullptr, 0x48104100, buffer, 4, &needed, &written));
    EXPECT_EQ(APS_INVALID, apsSetMIB(nullptr, 0x48104100, buffer, 4, &needed, &written));
    EXPECT_EQ(77u, needed);
    EXPECT_EQ(88u, written);
    EXPECT_EQ(APS_INVALID, apsRefreshMIB(nullptr, 0));
    EXPECT_EQ(APS_INVALID, apsApply(nullptr, 0));
    apsCloseHandle(buffer);
}

TEST(ExportFrame, InitializeAlwaysAnswersZero) {
    EXPECT_EQ(0, apsInitialize());
    EXPECT_EQ(0, apsInitialize());
}

TEST(ExportFrame, UnregisteredHandlesGetTheUnregisteredAnswers) {
    apsInitialize();
    int foreign = 0;
    for (void* handle : {static_cast<void*>(nullptr), static_cast<void*>(&foreign)}) {
        EXPECT_EQ(0, apsGetInterfaceCount(handle));
        EXPECT_EQ(nullptr, apsGetInstanceName(handle, 0));
        EXPECT_EQ(nullptr, apsGetIfService(handle, 0));
        uint32_t needed = 5, written = 6;
        EXPECT_EQ(APS_INVALID, apsGetMIB(handle, 0x48104100, &foreign, 4, &needed, &written));
        EXPECT_EQ(5u, needed);
        EXPECT_EQ(6u, written);
        EXPECT_EQ(APS_INVALID, apsApply(handle, 0));
        EXPECT_EQ(APS_INVALID, apsRefreshMIB(handle, 0));
        apsCloseHandle(handle);
    }
}

TEST(ExportFrame, ClosingTwiceOrAForeignPointerDoesNothing) {
    apsInitialize();
    APS_INTERFACE_LIST list = apsSearchInterface(nullptr, 0);
    ASSERT_NE(nullptr, list);
    // An interface list is not a MIB.
    uint32_t needed = 9;
    EXPECT_EQ(APS_INVALID, apsGetMIB(list, 0x48104100, nullptr, 0, &needed, nullptr));
    EXPECT_EQ(9u, needed);
    apsCloseHandle(list);
    EXPECT_EQ(0, apsGetInterfaceCount(list));
    apsCloseHandle(list);
    int foreign = 0;
    apsCloseHandle(&foreign);
    EXPECT_EQ(0, apsGetInterfaceCount(list));
}

TEST(ExportFrame, CriterionWithNothingToCompareRefusesTheSearch) {
    apsInitialize();
    InterfaceFilter criteria[2] = {{"Maker", nullptr, nullptr}, {"", "", nullptr}};
    EXPECT_EQ(nullptr, apsSearchInterface(criteria, 2));
    APS_INTERFACE_LIST one = apsSearchInterface(criteria, 1);
    EXPECT_NE(nullptr, one);
    apsCloseHandle(one);
}

}  // namespace
