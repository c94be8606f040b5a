// Loading machines for the discovery tests. Under Wine, NetworkCards is a volatile key that Wine
// fills with the host's interfaces at every start, and no lasting key can be created below a
// volatile one; the cards a machine adds there are created volatile first, and removed again
// after the machine is unloaded. Everything else is loaded as usual.
#pragma once

#include "lib/discovery/text.h"
#include "lib/platform/win32.h"
#include "tests/support/fixtures.h"
#include "tools/machine/machine_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace discovery_test {

class DiscoveryMachine : public testing_support::MachineTest {
protected:
    void Load(const std::string& text) {
        PrepareCards(text);
        LoadMachine(text);
    }

    void LoadFile(const std::string& relative) {
        std::string text, error;
        ASSERT_TRUE(machine::ReadFile(testing_support::SourcePath(relative), text, error))
            << error;
        Load(text);
    }

    void TearDown() override {
        MachineTest::TearDown();
#ifdef _WIN32
        for (auto it = created_.rbegin(); it != created_.rend(); ++it)
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, it->c_str());
#endif
        created_.clear();
    }

private:
    void PrepareCards(const std::string& text) {
#ifdef _WIN32
        static const std::string cards =
            "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\NetworkCards\\";
        machine::ParsedMachine parsed;
        std::string error;
        if (!machine::Parse(text, parsed, error)) return;  // the load reports it
        for (const machine::KeyChange& k : parsed.keys) {
            if (k.removeTree || k.root != "HKEY_LOCAL_MACHINE" || k.path.size() <= cards.size() ||
                !halvora::EqualsIgnoringCase(k.path.substr(0, cards.size()), cards))
                continue;
            HKEY key = nullptr;
            DWORD disposition = 0;
            if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, k.path.c_str(), 0, nullptr,
                                REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                &disposition) != ERROR_SUCCESS)
                continue;
            RegCloseKey(key);
            if (disposition == REG_CREATED_NEW_KEY) created_.push_back(k.path);
        }
#else
        (void)text;
#endif
    }

    std::vector<std::string> created_;
};

}  // namespace discovery_test
