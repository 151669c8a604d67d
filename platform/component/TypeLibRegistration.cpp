#include "TypeLibRegistration.h"

#include <cstdio>
#include <filesystem>
#include <vector>

#include "Registry.h"

namespace {

// The dispatch marshaller every automation interface names as its proxy.
constexpr const char* kAutomationProxy = "{00020424-0000-0000-C000-000000000046}";

std::string VersionText(uint16_t major, uint16_t minor) { return std::to_string(major) + "." + std::to_string(minor); }

std::string LocaleText(LCID locale)
{
    char text[12];
    std::snprintf(text, sizeof text, "%x", locale);
    return text;
}

std::string LibraryPath(const GUID& libraryId) { return std::string(kClassesRoot) + "\\TypeLib\\" + GuidToString(libraryId); }

}  // namespace

void RegisterTypeLib(RegistryKey& machineRoot, const TypeLibDescription& library, const std::string& modulePath)
{
    const std::string libraryId = GuidToString(library.libraryId);
    const std::string version = VersionText(library.majorVersion, library.minorVersion);
    RegistryKey& versionKey = machineRoot.create(LibraryPath(library.libraryId) + "\\" + version);
    versionKey.setValue("", std::string(library.name));
    versionKey.create(LocaleText(library.locale) + "\\linux").setValue("", modulePath);
    versionKey.create("FLAGS").setValue("", std::string("0"));
    versionKey.create("HELPDIR").setValue("", std::filesystem::path(modulePath).parent_path().string());

    for (const TypeLibInterface& entry : library.interfaces) {
        RegistryKey& key = machineRoot.create(std::string(kClassesRoot) + "\\Interface\\" + GuidToString(entry.iid));
        key.setValue("", std::string(entry.name));
        key.create("ProxyStubClsid32").setValue("", std::string(kAutomationProxy));
        RegistryKey& typeLib = key.create("TypeLib");
        typeLib.setValue("", libraryId);
        typeLib.setValue("Version", version);
    }
}

HRESULT UnRegisterTypeLib(const GUID& libraryId, uint16_t majorVersion, uint16_t minorVersion, LCID locale)
{
    const std::string version = VersionText(majorVersion, minorVersion);
    try {
        UpdateRegistry([&](RegistryKey& root) {
            if (RegistryKey* interfaces = root.find(std::string(kClassesRoot) + "\\Interface")) {
                std::vector<std::string> ours;
                for (const auto& [name, key] : interfaces->subKeys()) {
                    const RegistryKey* typeLib = key->find("TypeLib");
                    const std::string* owner = typeLib ? typeLib->text("") : nullptr;
                    const std::string* ownerVersion = typeLib ? typeLib->text("Version") : nullptr;
                    if (owner && ParseGuid(*owner) == libraryId && ownerVersion && *ownerVersion == version)
                        ours.push_back(name);
                }
                for (const std::string& name : ours) interfaces->remove(name);
            }
            const std::string libraryPath = LibraryPath(libraryId);
            const std::string versionPath = libraryPath + "\\" + version;
            RegistryKey* versionKey = root.find(versionPath);
            if (!versionKey) return;
            versionKey->remove(LocaleText(locale));
            bool localeLeft = false;
            for (const auto& [name, key] : versionKey->subKeys())
                if (name != "FLAGS" && name != "HELPDIR") localeLeft = true;
            if (!localeLeft) root.remove(versionPath);
            if (const RegistryKey* library = root.find(libraryPath); library && library->subKeys().empty())
                root.remove(libraryPath);
        });
    } catch (const RegistryError&) {
        return E_FAIL;
    }
    return S_OK;
}
