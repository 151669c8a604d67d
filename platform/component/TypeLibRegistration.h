#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "Dispatch.h"
#include "RegistryKey.h"

struct TypeLibInterface {
    IID iid;
    const char* name;
};

// What a component's type library declares, as far as registration needs it.
struct TypeLibDescription {
    GUID libraryId;
    uint16_t majorVersion;
    uint16_t minorVersion;
    LCID locale;
    const char* name;
    std::span<const TypeLibInterface> interfaces;
};

// Writes the library under "TypeLib\{id}\major.minor" (its name, the module
// path under "<locale>\linux", FLAGS and HELPDIR) and each interface under
// "Interface\{iid}" pointing back at it, all below the classes root.
void RegisterTypeLib(RegistryKey& machineRoot, const TypeLibDescription& library, const std::string& modulePath);

// Removes what RegisterTypeLib wrote for that library and version, in the
// registry file. The version key goes once no locale is left below it, the
// library key once no version is. Answers S_OK, or E_FAIL when the registry
// cannot be updated.
HRESULT UnRegisterTypeLib(const GUID& libraryId, uint16_t majorVersion, uint16_t minorVersion, LCID locale);
