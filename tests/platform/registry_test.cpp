// Conformance of the registry calls the system relies on. The same tests run against the host
// emulation and against Wine's registry, so the emulation is checked against a real one.
#include "lib/platform/win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const char* const kScratch = "SOFTWARE\\HalvoraSeamTest";

void DeleteTree(HKEY root, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return;
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i)
        children.push_back(name);
    RegCloseKey(key);
    for (auto& c : children) DeleteTree(root, path + "\\" + c);
    RegDeleteKeyA(root, path.c_str());
}

class RegistrySeam : public ::testing::Test {
protected:
    void SetUp() override {
        DeleteTree(HKEY_LOCAL_MACHINE, kScratch);
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, kScratch, 0, nullptr, 0,
                                                 KEY_ALL_ACCESS, nullptr, &key_, nullptr));
    }
    void TearDown() override {
        RegCloseKey(key_);
        DeleteTree(HKEY_LOCAL_MACHINE, kScratch);
    }
    void SetText(HKEY key, const char* name, const char* text) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, REG_SZ,
                                                reinterpret_cast<const BYTE*>(text),
                                                static_cast<DWORD>(std::strlen(text) + 1)));
    }
    HKEY Create(const char* path) {
        HKEY k = nullptr;
        EXPECT_EQ(ERROR_SUCCESS,
                  RegCreateKeyExA(key_, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr));
        return k;
    }
    std::vector<std::string> SubkeyNames(HKEY key) {
        std::vector<std::string> names;
        char name[64];
        DWORD i = 0;
        for (; RegEnumKeyA(key, i, name, sizeof name) == ERROR_SUCCESS; ++i) names.push_back(name);
        EXPECT_EQ(ERROR_NO_MORE_ITEMS, RegEnumKeyA(key, i, name, sizeof name));
        return names;
    }
    std::vector<std::string> ValueNames(HKEY key) {
        std::vector<std::string> names;
        char name[64];
        DWORD chars = sizeof name;
        DWORD i = 0;
        for (; RegEnumValueA(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS;
             ++i, chars = sizeof name)
            names.push_back(name);
        EXPECT_EQ(ERROR_NO_MORE_ITEMS,
                  RegEnumValueA(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr));
        return names;
    }

    HKEY key_ = nullptr;
};

TEST_F(RegistrySeam, CreateMakesMissingKeysOnTheWayAndReportsDisposition) {
    HKEY k = nullptr;
    DWORD how = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "a\\b\\c", 0, nullptr, 0, KEY_ALL_ACCESS,
                                             nullptr, &k, &how));
    EXPECT_EQ(REG_CREATED_NEW_KEY, how);
    RegCloseKey(k);
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(key_, "A\\B", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                             &k, &how));
    EXPECT_EQ(REG_OPENED_EXISTING_KEY, how);
    RegCloseKey(k);
    ASSERT_EQ(ERROR_SUCCESS, RegOpenKeyExA(key_, "a\\B\\c", 0, KEY_READ, &k));
    RegCloseKey(k);
}

TEST_F(RegistrySeam, OpenOfAMissingKeyFails) {
    HKEY k = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(key_, "missing", 0, KEY_READ, &k));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(key_, "missing\\deeper", 0, KEY_READ, &k));
}

TEST_F(RegistrySeam, ValuesKeepTypeAndSizeAndAnswerSizeQueries) {
    DWORD number = 0x11223344;
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "Number", 0, REG_DWORD,
                                            reinterpret_cast<BYTE*>(&number), 4));
    const BYTE blob[3] = {1, 2, 3};
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key_, "Blob", 0, REG_BINARY, blob, 3));
    SetText(key_, "Text", "hello");

    DWORD type = 0, size = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "text", nullptr, &type, nullptr, &size));
    EXPECT_EQ(REG_SZ, type);
    EXPECT_EQ(6u, size);

    BYTE out[8] = {};
    size = sizeof out;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key_, "Blob", nullptr, &type, out, &size));
    EXPECT_EQ(REG_BINARY, type);
    EXPECT_EQ(3u, size);
    EXPECT_EQ(0, std::memcmp(out, blob, 3));

    size = 2;
    EXPECT_EQ(ERROR_MORE_DATA, RegQueryValueExA(key_, "Number", nullptr, &type, out, &size));
    EXPECT_EQ(4u, size);

    size = sizeof out;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(key_, "none", nullptr, &type, out, &size));
}

TEST_F(RegistrySeam, UnnamedValueIsAddressedByNullOrEmptyName) {
    SetText(key_, nullptr, "default");
    char out[16] = {};
    DWORD size = sizeof out, type = 0;
    ASSERT_EQ(ERROR_SUCCESS,
              RegQueryValueExA(key_, "", nullptr, &type, reinterpret_cast<BYTE*>(out), &size));
    EXPECT_STREQ("default", out);
    EXPECT_EQ(std::vector<std::string>{""}, ValueNames(key_));
}

TEST_F(RegistrySeam, DeletedValueIsGone) {
    SetText(key_, "Gone", "x");
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteValueA(key_, "GONE"));
    DWORD size = 0;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegQueryValueExA(key_, "Gone", nullptr, nullptr, nullptr, &size));
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegDeleteValueA(key_, "Gone"));
}

TEST_F(RegistrySeam, SubkeysEnumerateSortedIgnoringCaseWithNamesAsCreated) {
    for (const char* name : {"b_x", "BA", "b", "Zed", "alpha"}) RegCloseKey(Create(name));
    EXPECT_EQ((std::vector<std::string>{"alpha", "b", "b_x", "BA", "Zed"}), SubkeyNames(key_));
}

TEST_F(RegistrySeam, ValuesEnumerateSortedIgnoringCase) {
    for (const char* name : {"zeta", "Alpha", "mid", "b_x", "BA"}) SetText(key_, name, "v");
    EXPECT_EQ((std::vector<std::string>{"Alpha", "b_x", "BA", "mid", "zeta"}), ValueNames(key_));
}

TEST_F(RegistrySeam, EnumerationReportsShortBuffers) {
    RegCloseKey(Create("LongSubkeyName"));
    SetText(key_, "LongValueName", "data");
    char name[4];
    EXPECT_EQ(ERROR_MORE_DATA, RegEnumKeyA(key_, 0, name, sizeof name));
    DWORD chars = sizeof name;
    EXPECT_EQ(ERROR_MORE_DATA,
              RegEnumValueA(key_, 0, name, &chars, nullptr, nullptr, nullptr, nullptr));

    char big[64];
    BYTE data[2];
    DWORD size = sizeof data, type = 0;
    chars = sizeof big;
    EXPECT_EQ(ERROR_MORE_DATA, RegEnumValueA(key_, 0, big, &chars, nullptr, &type, data, &size));
    EXPECT_EQ(5u, size);

    chars = sizeof big;
    size = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegEnumValueA(key_, 0, big, &chars, nullptr, &type, nullptr, &size));
    EXPECT_EQ(13u, chars);
    EXPECT_EQ(5u, size);
}

TEST_F(RegistrySeam, QueryInfoReportsCountsAndMaxima) {
    RegCloseKey(Create("short"));
    RegCloseKey(Create("muchLonger"));
    SetText(key_, "v", "1234567");
    SetText(key_, "value12", "x");
    DWORD subkeys = 0, maxSub = 0, values = 0, maxName = 0, maxData = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &subkeys, &maxSub,
                                              nullptr, &values, &maxName, &maxData, nullptr,
                                              nullptr));
    EXPECT_EQ(2u, subkeys);
    EXPECT_EQ(10u, maxSub);
    EXPECT_EQ(2u, values);
    EXPECT_EQ(7u, maxName);
    EXPECT_EQ(16u, maxData);  // the text's size as stored, in UTF-16

    HKEY empty = Create("short");
    ASSERT_EQ(ERROR_SUCCESS, RegQueryInfoKeyA(empty, nullptr, nullptr, nullptr, &subkeys, &maxSub,
                                              nullptr, &values, &maxName, &maxData, nullptr,
                                              nullptr));
    EXPECT_EQ(0u, subkeys);
    EXPECT_EQ(0u, values);
    RegCloseKey(empty);
}

// On NT a key with subkeys is not deleted; Windows 9x deletes the whole tree.
TEST_F(RegistrySeam, KeyWithSubkeysIsDeletedAsTheFamilyDoes) {
    RegCloseKey(Create("parent\\child"));
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    ASSERT_TRUE(GetVersionExA(&version));
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) {
        EXPECT_NE(ERROR_SUCCESS, RegDeleteKeyA(key_, "parent"));
        ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "parent\\child"));
    }
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteKeyA(key_, "parent"));
    HKEY k = nullptr;
    EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyExA(key_, "parent", 0, KEY_READ, &k));
}

}  // namespace
