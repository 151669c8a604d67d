#include "ClassTable.h"

#include <array>
#include <mutex>
#include <optional>

#include "KXSAX2.h"
#include "ReaderClassFactory.h"
#include "RegistryScripts.h"

namespace {

const std::array<ClassEntry, 2> kClasses = {{
    {CLSID_SAXXMLReader, kReaderRegistryScript},
    {CLSID_SAXXMLReaderEx, kReaderRegistryScript},
}};

std::mutex factoriesMutex;
std::array<std::optional<ReaderClassFactory>, kClasses.size()> factories;

}  // namespace

std::span<const ClassEntry> ClassTable() { return kClasses; }

IClassFactory* ClassFactoryFor(const CLSID& clsid)
{
    for (size_t i = 0; i < kClasses.size(); ++i) {
        if (!(kClasses[i].clsid == clsid)) continue;
        std::lock_guard lock(factoriesMutex);
        if (!factories[i]) factories[i].emplace();
        return &*factories[i];
    }
    return nullptr;
}
