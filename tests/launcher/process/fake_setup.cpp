// Stands in for the setup program the launcher starts. Beside its own file it reads
// "behaviour.txt" ("<sleep ms> <exit code>", both optional) and writes "record.txt": one
// "arg" line per command-line argument, the show command it was given, and performance-counter
// stamps at its start and just before it exits.
#include "lib/platform/win32.h"
#include "tests/launcher/process/stamp.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string OwnFolder() {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) return std::string();
    std::string own(path, length);
    return own.substr(0, own.rfind('\\') + 1);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
    unsigned long long started = Stamp();
    std::string folder = OwnFolder();

    unsigned long sleepMs = 0;
    unsigned long exitCode = 0;
    if (FILE* behaviour = std::fopen((folder + "behaviour.txt").c_str(), "r")) {
        if (std::fscanf(behaviour, "%lu %lu", &sleepMs, &exitCode) < 1) sleepMs = 0;
        std::fclose(behaviour);
    }

    std::string record = folder + "record.txt";
    if (FILE* out = std::fopen(record.c_str(), "w")) {
        for (int i = 1; i < __argc; ++i) std::fprintf(out, "arg %s\n", __argv[i]);
        std::fprintf(out, "show %d\nstart %llu\n", show, started);
        std::fclose(out);
    }
    Sleep(sleepMs);
    if (FILE* out = std::fopen(record.c_str(), "a")) {
        std::fprintf(out, "end %llu\n", Stamp());
        std::fclose(out);
    }
    return static_cast<int>(exitCode);
}
