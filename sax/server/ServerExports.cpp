// The four entry points of the in-process server, plus the registration
// written into a tree in memory that the runtime uses for ProgID look-ups.
#include <new>

#include "ClassTable.h"
#include "ComponentExports.h"
#include "ModuleLifetime.h"
#include "ModulePath.h"
#include "Registry.h"
#include "RegistryScript.h"
#include "TypeLibrary.h"

COMPONENT_EXPORT HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** object);
COMPONENT_EXPORT HRESULT DllCanUnloadNow();
COMPONENT_EXPORT HRESULT DllRegisterServer();
COMPONENT_EXPORT HRESULT DllUnregisterServer();
COMPONENT_EXPORT HRESULT DllRegisterServerInto(RegistryKey* machineRoot);

namespace {

std::string ThisModule() { return ModulePathOf(reinterpret_cast<const void*>(&DllGetClassObject)); }

void RunScripts(RegistryKey& root, ScriptMode mode, const std::string& module)
{
    for (const ClassEntry& entry : ClassTable()) RunRegistryScript(entry.registryScript, root, mode, module);
}

void RegisterInto(RegistryKey& root)
{
    const std::string module = ThisModule();
    RunScripts(root, ScriptMode::Register, module);
    RegisterTypeLib(root, KXSAX2TypeLibrary(), module);
}

// Registry failures become E_FAIL at the boundary; nothing is written then.
template <class Action>
HRESULT Guarded(Action action)
{
    try {
        action();
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (const std::exception&) {
        return E_FAIL;
    }
}

}  // namespace

HRESULT DllGetClassObject(const CLSID& clsid, const IID& iid, void** object)
{
    if (!object) return E_POINTER;
    *object = nullptr;
    IClassFactory* factory = ClassFactoryFor(clsid);
    if (!factory) return CLASS_E_CLASSNOTAVAILABLE;
    return factory->QueryInterface(iid, object);
}

HRESULT DllCanUnloadNow() { return ModuleLifetime::idle() ? S_OK : S_FALSE; }

HRESULT DllRegisterServer()
{
    return Guarded([] { UpdateRegistry(RegisterInto); });
}

HRESULT DllUnregisterServer()
{
    const HRESULT hr = Guarded([] {
        const std::string module = ThisModule();
        UpdateRegistry([&](RegistryKey& root) { RunScripts(root, ScriptMode::Unregister, module); });
    });
    if (FAILED(hr)) return hr;
    const TypeLibDescription& library = KXSAX2TypeLibrary();
    return UnRegisterTypeLib(library.libraryId, library.majorVersion, library.minorVersion, library.locale);
}

HRESULT DllRegisterServerInto(RegistryKey* machineRoot)
{
    if (!machineRoot) return E_POINTER;
    return Guarded([&] { RegisterInto(*machineRoot); });
}
