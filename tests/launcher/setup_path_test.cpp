#include "launcher/setup_path.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

namespace {

using vornset2::kOwnPathBytes;
using vornset2::kSetupPathBytes;
using vornset2::SetupPathFor;

std::string SetupPath(std::string_view own) {
    char out[kSetupPathBytes];
    EXPECT_TRUE(SetupPathFor(own, out, sizeof out)) << own;
    return out;
}

struct PathCase {
    const char* own;
    const char* setup;
};

TEST(SetupPath, ReplacesOnlyTheOwnFileName) {
    const PathCase cases[] = {
        {"D:\\Drivers\\Launch.exe", "D:\\Drivers\\vornset2\\setup.exe"},
        {"C:\\Launch.exe", "C:\\vornset2\\setup.exe"},
        {"C:\\Disk 1\\a\\b c\\d\\Install Drivers.exe",
         "C:\\Disk 1\\a\\b c\\d\\vornset2\\setup.exe"},
        {"\\\\server\\share\\cd\\x.y.z.exe", "\\\\server\\share\\cd\\vornset2\\setup.exe"},
        {"C:\\cd\\launch", "C:\\cd\\vornset2\\setup.exe"},
        {"C:\\cd\\setup.exe", "C:\\cd\\vornset2\\setup.exe"},
        {"C:\\vornset2\\vornset2.exe", "C:\\vornset2\\vornset2\\setup.exe"},
        {"C:\\cd\\", "C:\\cd\\vornset2\\setup.exe"},
        // No folder at all: the relative path alone, not glued to the file name.
        {"Launch.exe", "vornset2\\setup.exe"},
        {"", "vornset2\\setup.exe"},
    };
    for (const PathCase& c : cases) EXPECT_EQ(SetupPath(c.own), c.setup) << c.own;
}

TEST(SetupPath, ReadsOnlyTheGivenLength) {
    // A module path that filled its buffer need not be terminated.
    const char own[] = "C:\\a\\b.exe\\junk\\more";
    EXPECT_EQ(SetupPath({own, 10}), "C:\\a\\vornset2\\setup.exe");
}

TEST(SetupPath, EveryOwnPathThatFitsItsBufferFitsTheSetupBuffer) {
    for (std::size_t length = 1; length < kOwnPathBytes; ++length) {
        std::string folderOnly(length - 1, 'a');
        folderOnly += '\\';
        std::string setup = SetupPath(folderOnly);
        EXPECT_EQ(setup, folderOnly + "vornset2\\setup.exe");
    }
}

TEST(SetupPath, RefusesAnOutputTooSmallWithoutWritingPastIt) {
    const std::string own = std::string(200, 'x') + "\\launch.exe";
    const std::size_t needed = 201 + std::strlen("vornset2\\setup.exe") + 1;

    for (std::size_t bytes = 0; bytes <= needed; ++bytes) {
        std::array<char, 300> buffer;
        buffer.fill('#');
        bool fits = SetupPathFor(own, buffer.data(), bytes);
        EXPECT_EQ(fits, bytes == needed) << bytes;
        if (bytes > 0) {
            EXPECT_EQ(std::strlen(buffer.data()), fits ? needed - 1 : 0) << bytes;
        }
        for (std::size_t i = bytes; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], '#') << "byte " << i << " written with room for " << bytes;
    }
}

TEST(SetupPath, RefusesANullOutput) {
    EXPECT_FALSE(SetupPathFor("C:\\launch.exe", nullptr, 64));
}

}  // namespace
