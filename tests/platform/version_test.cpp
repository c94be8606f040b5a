// The host's GetVersionExA reports the Windows version the loaded machine describes. Host-only:
// under Wine the version is Wine's own mode.
#include "lib/platform/win32.h"
#include "tests/support/fixtures.h"

#include <gtest/gtest.h>

#ifndef _WIN32

namespace {

struct VersionCase {
    const char* machine;
    DWORD platform, major, minor, build;
};

class HostVersion : public testing_support::MachineTest,
                    public ::testing::WithParamInterface<VersionCase> {};

TEST_P(HostVersion, FollowsTheMachine) {
    LoadMachine(GetParam().machine);
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(GetParam().platform, info.dwPlatformId);
    EXPECT_EQ(GetParam().major, info.dwMajorVersion);
    EXPECT_EQ(GetParam().minor, info.dwMinorVersion);
    EXPECT_EQ(GetParam().build, info.dwBuildNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Families, HostVersion,
    ::testing::Values(
        VersionCase{"REGEDIT4\n", VER_PLATFORM_WIN32_NT, 6, 1, 7601},
        VersionCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion]\n"
                    "\"CurrentVersion\"=\"4.0\"\n\"CurrentBuildNumber\"=\"1381\"\n",
                    VER_PLATFORM_WIN32_NT, 4, 0, 1381},
        VersionCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion]\n"
                    "\"CurrentVersion\"=\"5.1\"\n",
                    VER_PLATFORM_WIN32_NT, 5, 1, 0},
        VersionCase{"REGEDIT4\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion]\n"
                    "\"VersionNumber\"=\"4.10.2222\"\n",
                    VER_PLATFORM_WIN32_WINDOWS, 4, 10, 2222}));

TEST(HostVersionSize, RefusesAShortStructure) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = 8;
    EXPECT_FALSE(GetVersionExA(&info));
}

}  // namespace

#endif
