// The shipped library's ABI: every export resolves by name (and on Windows by its ordinal, 1 to
// 14 in alphabetical order) and works when called through the resolved pointer.
#include "include/halvora.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

const char* const kExports[] = {
    "apsApply",           "apsCloseHandle",   "apsCreateMIB",        "apsGetFriendlyName",
    "apsGetIfMfg",        "apsGetIfService",  "apsGetInstanceName",  "apsGetInterfaceCount",
    "apsGetMIB",          "apsGetReady",      "apsInitialize",       "apsRefreshMIB",
    "apsSearchInterface", "apsSetMIB",
};

class SharedLibrary {
public:
#ifdef _WIN32
    SharedLibrary() : module_(LoadLibraryA("halvora.dll")) {}
    ~SharedLibrary() {
        if (module_) FreeLibrary(module_);
    }
    void* Symbol(const char* name) const {
        return reinterpret_cast<void*>(GetProcAddress(module_, name));
    }
    void* Ordinal(int n) const {
        return reinterpret_cast<void*>(
            GetProcAddress(module_, reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(n))));
    }
    bool Loaded() const { return module_ != nullptr; }

private:
    HMODULE module_;
#else
    // By its full path: under a sanitizer the runtime's dlopen does not search our run path.
    SharedLibrary() : module_(dlopen(HALVORA_SHARED_LIBRARY, RTLD_NOW | RTLD_LOCAL)) {}
    ~SharedLibrary() {
        if (module_) dlclose(module_);
    }
    void* Symbol(const char* name) const { return dlsym(module_, name); }
    bool Loaded() const { return module_ != nullptr; }

private:
    void* module_;
#endif
};

TEST(SharedLibraryAbi, EveryExportResolvesByNameAndOrdinal) {
    SharedLibrary lib;
    ASSERT_TRUE(lib.Loaded());
    for (int i = 0; i < 14; ++i) {
        void* byName = lib.Symbol(kExports[i]);
        EXPECT_NE(nullptr, byName) << kExports[i];
#ifdef _WIN32
        EXPECT_EQ(byName, lib.Ordinal(i + 1)) << kExports[i] << " is not ordinal " << i + 1;
#endif
    }
#ifdef _WIN32
    EXPECT_EQ(nullptr, lib.Ordinal(15));
#endif
}

TEST(SharedLibraryAbi, CallsThroughResolvedPointersWork) {
    SharedLibrary lib;
    ASSERT_TRUE(lib.Loaded());
    using Initialize = int32_t(APS_CALL*)(void);
    using InterfaceCount = int32_t(APS_CALL*)(APS_INTERFACE_LIST);
    auto count = reinterpret_cast<InterfaceCount>(lib.Symbol("apsGetInterfaceCount"));
    auto initialize = reinterpret_cast<Initialize>(lib.Symbol("apsInitialize"));
    ASSERT_TRUE(count && initialize);
    // The shared library has its own state, apart from the statically linked one of this program.
    EXPECT_EQ(APS_INVALID, count(nullptr));
    EXPECT_EQ(0, initialize());
    EXPECT_EQ(0, count(nullptr));
}

}  // namespace
