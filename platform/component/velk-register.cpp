// Registers or unregisters a component library by running its
// DllRegisterServer / DllUnregisterServer, with a one-line report.
#include <dlfcn.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "ComponentExports.h"
#include "ProgramInfo.h"

namespace {

constexpr const char* UsageText =
    "usage: velk-register [--unregister] LIBRARY\n"
    "Registers the component classes of LIBRARY in the component registry (-u, --unregister: removes them).\n";

int Usage()
{
    std::fputs(UsageText, stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (velk_program::AnswerInfoWord(velk_program::FindInfoWord(argc, argv), "velk-register", UsageText)) return 0;
    bool unregister = false;
    const char* library = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--unregister") == 0 || std::strcmp(argv[i], "-u") == 0)
            unregister = true;
        else if (!library)
            library = argv[i];
        else
            return Usage();
    }
    if (!library) return Usage();

    std::error_code error;
    const std::string path = std::filesystem::absolute(library, error).string();
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        std::fprintf(stderr, "velk-register: cannot load %s: %s\n", path.c_str(), dlerror());
        return 1;
    }
    const char* entry = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto function = reinterpret_cast<DllRegisterServerFunction>(dlsym(handle, entry));
    if (!function) {
        std::fprintf(stderr, "velk-register: %s has no %s\n", path.c_str(), entry);
        dlclose(handle);
        return 1;
    }
    const HRESULT hr = function();
    dlclose(handle);
    if (FAILED(hr)) {
        std::fprintf(stderr, "velk-register: %s failed for %s (0x%08X)\n", entry, path.c_str(), static_cast<unsigned>(hr));
        return 1;
    }
    std::printf("%s %s\n", unregister ? "Unregistered" : "Registered", path.c_str());
    return 0;
}
