// Starts the real launcher, copied into folders of a scratch tree, in front of a stand-in setup
// program (fake_setup.cpp) that records how it was started and when it ended.
#include "launcher/exit_codes.h"
#include "lib/platform/win32.h"
#include "tests/launcher/process/stamp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// Far beyond any wait of these tests; a launcher still running then has hung.
constexpr DWORD kHangMilliseconds = 30000;

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.rfind('\\') + 1);
}

std::string OwnFolder() {
    char path[4096];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    return FolderOf(std::string(path, length < sizeof path ? length : 0));
}

double Milliseconds(unsigned long long from, unsigned long long to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to - from) / static_cast<double>(frequency.QuadPart);
}

bool RemoveTree(const std::string& folder) {
    WIN32_FIND_DATAA entry;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::string name = entry.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = folder + "\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileA(path.c_str());
        } while (FindNextFileA(find, &entry));
        FindClose(find);
    }
    return RemoveDirectoryA(folder.c_str()) != 0;
}

// What the stand-in setup program wrote beside itself.
struct Record {
    bool found = false;
    std::vector<std::string> args;
    int show = -1;
    unsigned long long start = 0;
    bool ended = false;
    unsigned long long end = 0;
};

struct LauncherRun {
    bool ended = false;  // false: still running after kHangMilliseconds, then killed
    DWORD exitCode = 0;
    unsigned long long start = 0;
    unsigned long long end = 0;
    double Ms() const { return Milliseconds(start, end); }
};

class LauncherProcess : public ::testing::Test {
protected:
    void SetUp() override {
        static int counter = 0;
        char temp[MAX_PATH];
        DWORD length = GetTempPathA(sizeof temp, temp);
        ASSERT_TRUE(length > 0 && length < sizeof temp);
        std::ostringstream name;
        name << temp << "vornset2-test-" << GetCurrentProcessId() << "-" << ++counter;
        root_ = name.str();
        RemoveTree(root_);
        ASSERT_TRUE(CreateDirectoryA(root_.c_str(), nullptr)) << root_;
    }

    void TearDown() override {
        // A setup program left running by a launcher that did not wait still holds its folder.
        for (int attempt = 0; attempt < 100 && !RemoveTree(root_); ++attempt) Sleep(50);
    }

    std::string Path(const std::string& relative) const { return root_ + "\\" + relative; }

    void MakeFolders(const std::string& relative) {
        std::string path = root_;
        std::istringstream parts(relative);
        for (std::string part; std::getline(parts, part, '\\');) {
            if (part.empty()) continue;
            path += "\\" + part;
            CreateDirectoryA(path.c_str(), nullptr);
        }
    }

    void Copy(const std::string& builtName, const std::string& relative) {
        MakeFolders(FolderOf(relative));
        std::string from = OwnFolder() + builtName;
        ASSERT_TRUE(CopyFileA(from.c_str(), Path(relative).c_str(), FALSE))
            << from << " -> " << Path(relative) << " error " << GetLastError();
    }

    void PlaceLauncher(const std::string& relative) { Copy("vornset2.exe", relative); }

    // The stand-in as <folder>\setup.exe, told how long to run and what to exit with.
    void PlaceSetup(const std::string& folder, unsigned sleepMs, unsigned long exitCode) {
        Copy("launcher_fake_setup.exe", folder + "\\setup.exe");
        std::ofstream(Path(folder + "\\behaviour.txt")) << sleepMs << " " << exitCode << "\n";
    }

    // Started from the scratch root, where a decoy may wait for a lookup relative to it.
    LauncherRun RunLauncher(const std::string& relative) {
        LauncherRun run;
        std::string path = Path(relative);
        std::string commandLine = "\"" + path + "\"";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        run.start = Stamp();
        if (!CreateProcessA(path.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                            root_.c_str(), &startup, &process)) {
            ADD_FAILURE() << "cannot start " << path << ": error " << GetLastError();
            return run;
        }
        run.ended = WaitForSingleObject(process.hProcess, kHangMilliseconds) == WAIT_OBJECT_0;
        run.end = Stamp();
        if (!run.ended) TerminateProcess(process.hProcess, 99);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return run;
    }

    Record ReadRecord(const std::string& folder) const {
        Record record;
        std::ifstream in(Path(folder + "\\record.txt"));
        if (!in) return record;
        record.found = true;
        for (std::string line; std::getline(in, line);) {
            std::string key = line.substr(0, line.find(' '));
            std::string value = line.size() > key.size() ? line.substr(key.size() + 1) : "";
            if (key == "arg") record.args.push_back(value);
            if (key == "show") record.show = std::stoi(value);
            if (key == "start") record.start = std::stoull(value);
            if (key == "end") {
                record.ended = true;
                record.end = std::stoull(value);
            }
        }
        return record;
    }

    // The launcher ran the setup of `folder` hidden with exactly "/s" and ended only after it.
    void ExpectWaitedFor(const LauncherRun& run, const std::string& folder) {
        ASSERT_TRUE(run.ended) << "launcher still running after " << kHangMilliseconds << " ms";
        EXPECT_EQ(run.exitCode, static_cast<DWORD>(vornset2::kEnded));
        Record record = ReadRecord(folder);
        ASSERT_TRUE(record.found) << "no sign of the setup in " << folder
                                  << " when the launcher had ended";
        EXPECT_EQ(record.args, std::vector<std::string>{"/s"});
        EXPECT_EQ(record.show, SW_HIDE);
        ASSERT_TRUE(record.ended) << "launcher ended while its setup program was running";
        EXPECT_GE(record.start, run.start);
        EXPECT_LE(record.end, run.end);
    }

    std::string root_;
};

TEST_F(LauncherProcess, WaitsForASetupThatSleeps500ms) {
    PlaceLauncher("vornset2.exe");
    PlaceSetup("vornset2", 500, 0);
    LauncherRun run = RunLauncher("vornset2.exe");
    ExpectWaitedFor(run, "vornset2");
    EXPECT_GE(run.Ms(), 500.0);
    EXPECT_LT(run.Ms(), kHangMilliseconds);
}

TEST_F(LauncherProcess, SetupExitCodeChangesNothing) {
    // 259 is the code that reads as "still running" to a launcher that only polls.
    const unsigned long codes[] = {0, 1, 1603, 259, 0xC0000005};
    for (unsigned long code : codes) {
        SCOPED_TRACE(code);
        std::string folder = "exit" + std::to_string(code);
        PlaceLauncher(folder + "\\vornset2.exe");
        PlaceSetup(folder + "\\vornset2", 100, code);
        LauncherRun run = RunLauncher(folder + "\\vornset2.exe");
        ExpectWaitedFor(run, folder + "\\vornset2");
        EXPECT_GE(run.Ms(), 100.0);
    }
}

TEST_F(LauncherProcess, SetupThatEndsAtOnce) {
    PlaceLauncher("vornset2.exe");
    PlaceSetup("vornset2", 0, 0);
    ExpectWaitedFor(RunLauncher("vornset2.exe"), "vornset2");
}

TEST_F(LauncherProcess, MissingSetupEndsTheLauncherAtOnceWithFailure) {
    struct Layout {
        const char* name;
        const char* setupFolder;  // nullptr: no setup program anywhere
        bool makeSubFolder;
    };
    const Layout layouts[] = {
        {"no sub-folder", nullptr, false},
        {"empty sub-folder", nullptr, true},
        {"setup beside the launcher instead of in its sub-folder", "", true},
        {"setup one level too deep", "vornset2\\vornset2", true},
    };
    int index = 0;
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        std::string folder = "layout" + std::to_string(++index);
        PlaceLauncher(folder + "\\vornset2.exe");
        if (layout.makeSubFolder) MakeFolders(folder + "\\vornset2");
        std::string setupFolder = folder;
        if (layout.setupFolder && *layout.setupFolder)
            setupFolder += "\\" + std::string(layout.setupFolder);
        if (layout.setupFolder) PlaceSetup(setupFolder, 0, 0);

        LauncherRun run = RunLauncher(folder + "\\vornset2.exe");
        ASSERT_TRUE(run.ended) << "launcher waited for a setup program that never started";
        EXPECT_EQ(run.exitCode, static_cast<DWORD>(vornset2::kStartFailed));
        if (layout.setupFolder) {
            EXPECT_FALSE(ReadRecord(setupFolder).found);
        }
    }
}

TEST_F(LauncherProcess, RenamedLauncherDeepDownFindsItsOwnSubFolder) {
    const char* launchers[] = {
        "Disk 1\\Drivers\\Wireless\\x64\\Install Drivers.exe",
        "a\\b\\c\\d\\e\\f\\g\\setup.exe",
        "cd\\x.y.z.exe",
    };
    // Decoys where a launcher that looked beside its working folder or a parent would land.
    PlaceSetup("vornset2", 0, 0);
    PlaceSetup("Disk 1\\Drivers\\Wireless\\vornset2", 0, 0);
    for (const char* launcher : launchers) {
        SCOPED_TRACE(launcher);
        std::string folder = FolderOf(launcher);
        folder.pop_back();
        PlaceLauncher(launcher);
        PlaceSetup(folder + "\\vornset2", 0, 0);
        ExpectWaitedFor(RunLauncher(launcher), folder + "\\vornset2");
    }
    EXPECT_FALSE(ReadRecord("vornset2").found);
    EXPECT_FALSE(ReadRecord("Disk 1\\Drivers\\Wireless\\vornset2").found);
}

TEST_F(LauncherProcess, OwnPathFitsItsBufferOrNothingStarts) {
    // The own path is read into 256 bytes; one that filled them may have lost part of a folder
    // name, so the launcher refuses it rather than start a setup program of some other folder.
    const std::string name = "vornset2-launcher-with-a-long-file-name.exe";
    const std::size_t lengths[] = {250, 255, 256, 259};
    for (std::size_t length : lengths) {
        SCOPED_TRACE(length);
        std::string folder = "len" + std::to_string(length) + "\\";
        std::size_t padding = length - Path(folder).size() - name.size() - 1;
        ASSERT_LT(padding, length) << "scratch root too long for this case";
        folder += std::string(padding, 'p');
        std::string launcher = folder + "\\" + name;
        ASSERT_EQ(Path(launcher).size(), length);
        PlaceLauncher(launcher);
        PlaceSetup(folder + "\\vornset2", 0, 0);

        LauncherRun run = RunLauncher(launcher);
        if (length < 256) {
            ExpectWaitedFor(run, folder + "\\vornset2");
        } else {
            ASSERT_TRUE(run.ended);
            EXPECT_EQ(run.exitCode, static_cast<DWORD>(vornset2::kNoOwnPath));
            EXPECT_FALSE(ReadRecord(folder + "\\vornset2").found);
        }
    }
}

}  // namespace
