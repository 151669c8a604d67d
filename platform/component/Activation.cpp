#include "Activation.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "ComPtr.h"
#include "ComponentExports.h"
#include "ModulePath.h"
#include "Registry.h"
#include "TextConversion.h"

namespace {

struct LoadedModule {
    void* handle;
    DllGetClassObjectFunction getClassObject;
    DllCanUnloadNowFunction canUnloadNow;
    DllRegisterServerIntoFunction registerInto;  // may be absent
};

// The component libraries this process has loaded, by canonical path.
class ModuleCache {
public:
    // The module at `path`, loading it when needed; null when it is not a component library.
    const LoadedModule* load(const std::string& path)
    {
        std::error_code error;
        const std::string key = std::filesystem::canonical(path, error).string();
        if (error) return nullptr;
        std::lock_guard lock(mutex_);
        if (auto it = modules_.find(key); it != modules_.end()) return &it->second;
        void* handle = dlopen(key.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) return nullptr;
        auto getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(handle, "DllGetClassObject"));
        auto canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(handle, "DllCanUnloadNow"));
        if (!getClassObject || !canUnloadNow) {
            dlclose(handle);
            return nullptr;
        }
        auto registerInto = reinterpret_cast<DllRegisterServerIntoFunction>(dlsym(handle, "DllRegisterServerInto"));
        return &modules_.emplace(key, LoadedModule{handle, getClassObject, canUnloadNow, registerInto}).first->second;
    }

    void freeUnused()
    {
        std::lock_guard lock(mutex_);
        for (auto it = modules_.begin(); it != modules_.end();) {
            if (it->second.canUnloadNow() == S_OK) {
                dlclose(it->second.handle);
                it = modules_.erase(it);
            } else {
                ++it;
            }
        }
    }

private:
    std::mutex mutex_;
    std::map<std::string, LoadedModule> modules_;  // node-based: entries stay put while others come and go
};

ModuleCache& Modules()
{
    static ModuleCache cache;
    return cache;
}

// The program folder, then the folders of VELK_COMPONENT_PATH.
std::vector<std::string> SearchFolders()
{
    std::vector<std::string> folders;
    if (std::string program = ProgramFolder(); !program.empty()) folders.push_back(program);
    if (const char* extra = std::getenv("VELK_COMPONENT_PATH")) {
        std::string_view rest = extra;
        while (!rest.empty()) {
            const size_t colon = rest.find(':');
            if (colon != 0) folders.emplace_back(rest.substr(0, colon));
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    return folders;
}

// Every *.so in the search folders, each folder in name order.
std::vector<std::string> CandidateLibraries()
{
    std::vector<std::string> libraries;
    for (const std::string& folder : SearchFolders()) {
        std::vector<std::string> found;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
            if (entry.path().extension() == ".so" && entry.is_regular_file(error)) found.push_back(entry.path().string());
        }
        std::sort(found.begin(), found.end());
        libraries.insert(libraries.end(), found.begin(), found.end());
    }
    return libraries;
}

// The classes root of the registry file, or nothing when it is missing or unreadable.
std::optional<RegistryKey> ClassesRoot()
{
    try {
        RegistryKey machine = ReadRegistry();
        if (RegistryKey* classes = machine.find(kClassesRoot)) return std::move(*classes);
    } catch (const RegistryError&) {
        // An unreadable registry counts as an empty one: the program folder still serves.
    }
    return std::nullopt;
}

std::optional<std::string> RegisteredLibrary(const CLSID& clsid)
{
    const auto classes = ClassesRoot();
    if (!classes) return std::nullopt;
    const RegistryKey* server = classes->find("CLSID\\" + GuidToString(clsid) + "\\InprocServer32");
    const std::string* path = server ? server->text("") : nullptr;
    if (!path || path->empty()) return std::nullopt;
    return *path;
}

// The class id a ProgID names within a classes root, following CurVer once.
std::optional<CLSID> ProgIdIn(const RegistryKey& classes, const std::string& progId, bool followCurVer = true)
{
    const RegistryKey* key = classes.find(progId);
    if (!key) return std::nullopt;
    if (const RegistryKey* id = key->find("CLSID"); id && id->text("")) return ParseGuid(*id->text(""));
    const RegistryKey* current = key->find("CurVer");
    if (!followCurVer || !current || !current->text("")) return std::nullopt;
    return ProgIdIn(classes, *current->text(""), false);
}

}  // namespace

HRESULT CoGetClassObject(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    HRESULT result = REGDB_E_CLASSNOTREG;
    if (const auto path = RegisteredLibrary(clsid)) {
        if (const LoadedModule* module = Modules().load(*path)) {
            result = module->getClassObject(clsid, iid, object);
            if (SUCCEEDED(result)) return result;
        }
    }
    for (const std::string& library : CandidateLibraries()) {
        const LoadedModule* module = Modules().load(library);
        if (!module) continue;
        const HRESULT hr = module->getClassObject(clsid, iid, object);
        if (SUCCEEDED(hr)) return hr;
        if (hr != CLASS_E_CLASSNOTAVAILABLE) result = hr;
    }
    return result;
}

HRESULT CoCreateInstance(const CLSID& clsid, IUnknown* outer, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    ComPtr<IClassFactory> factory;
    const HRESULT hr = CoGetClassObject(clsid, IID_IClassFactory, factory.outVoid());
    if (FAILED(hr)) return hr;
    return factory->CreateInstance(outer, iid, object);
}

HRESULT CLSIDFromProgID(std::u16string_view progId, CLSID* clsid)
{
    if (!clsid) return E_POINTER;
    const std::string name = Utf8FromUtf16(progId);
    if (name.empty()) return CO_E_CLASSSTRING;
    if (const auto classes = ClassesRoot()) {
        if (const auto found = ProgIdIn(*classes, name)) {
            *clsid = *found;
            return S_OK;
        }
    }
    for (const std::string& library : CandidateLibraries()) {
        const LoadedModule* module = Modules().load(library);
        if (!module || !module->registerInto) continue;
        RegistryKey machine;
        if (FAILED(module->registerInto(&machine))) continue;
        if (const RegistryKey* classes = machine.find(kClassesRoot)) {
            if (const auto found = ProgIdIn(*classes, name)) {
                *clsid = *found;
                return S_OK;
            }
        }
    }
    return CO_E_CLASSSTRING;
}

void CoFreeUnusedLibraries() { Modules().freeUnused(); }
