#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <filesystem>

#include "Activation.h"
#include "BStr.h"
#include "ComPtr.h"
#include "ComponentExports.h"
#include "KXSAX2.h"
#include "Registry.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"

namespace {

// The component's exports, reached the way the runtime reaches them.
class SaxLibrary {
public:
    SaxLibrary() : handle_(dlopen(SAX_LIBRARY, RTLD_NOW | RTLD_LOCAL))
    {
        if (!handle_) return;
        getClassObject = reinterpret_cast<DllGetClassObjectFunction>(dlsym(handle_, "DllGetClassObject"));
        canUnloadNow = reinterpret_cast<DllCanUnloadNowFunction>(dlsym(handle_, "DllCanUnloadNow"));
        registerServer = reinterpret_cast<DllRegisterServerFunction>(dlsym(handle_, "DllRegisterServer"));
        unregisterServer = reinterpret_cast<DllRegisterServerFunction>(dlsym(handle_, "DllUnregisterServer"));
    }
    ~SaxLibrary()
    {
        if (handle_) dlclose(handle_);
    }
    bool loaded() const { return handle_ && getClassObject && canUnloadNow && registerServer && unregisterServer; }

    ComPtr<IClassFactory> factory(const CLSID& clsid)
    {
        ComPtr<IClassFactory> result;
        getClassObject(clsid, IID_IClassFactory, result.outVoid());
        return result;
    }

    DllGetClassObjectFunction getClassObject = nullptr;
    DllCanUnloadNowFunction canUnloadNow = nullptr;
    DllRegisterServerFunction registerServer = nullptr;
    DllRegisterServerFunction unregisterServer = nullptr;

private:
    void* handle_;
};

constexpr CLSID kOtherParserClass = {0x4C5D1AE4, 0xB264, 0x11D3, {0xB9, 0xD8, 0x20, 0x4C, 0x4F, 0x4F, 0x50, 0x20}};

TEST(Server, ServesOnlyTheTwoReaderClassesFromOneKeptFactoryEach)
{
    SaxLibrary sax;
    ASSERT_TRUE(sax.loaded()) << dlerror();
    for (const CLSID& clsid : {CLSID_SAXAttributes, CLSID_SAXLocator, kOtherParserClass}) {
        void* object = &object;
        EXPECT_EQ(sax.getClassObject(clsid, IID_IClassFactory, &object), CLASS_E_CLASSNOTAVAILABLE);
        EXPECT_EQ(object, nullptr);
    }
    EXPECT_EQ(sax.getClassObject(CLSID_SAXXMLReader, IID_IClassFactory, nullptr), E_POINTER);
    void* object = nullptr;
    EXPECT_EQ(sax.getClassObject(CLSID_SAXXMLReader, IID_IStream, &object), E_NOINTERFACE);

    auto first = sax.factory(CLSID_SAXXMLReader);
    auto again = sax.factory(CLSID_SAXXMLReader);
    auto ex = sax.factory(CLSID_SAXXMLReaderEx);
    ASSERT_TRUE(first && ex);
    EXPECT_EQ(first.get(), again.get());
    ComPtr<ISAXXMLReader> reader;
    ASSERT_EQ(ex->CreateInstance(nullptr, IID_ISAXXMLReader, reader.outVoid()), S_OK);
    ComPtr<ISAXXMLReader> none;
    EXPECT_EQ(ex->CreateInstance(nullptr, IID_IStream, none.outVoid()), E_NOINTERFACE);
    EXPECT_FALSE(none);
}

TEST(Server, CanUnloadOnlyWithoutLiveObjectsFactoriesOrLocks)
{
    SaxLibrary sax;
    ASSERT_TRUE(sax.loaded());
    EXPECT_EQ(sax.canUnloadNow(), S_OK);
    {
        auto factory = sax.factory(CLSID_SAXXMLReader);
        EXPECT_EQ(sax.canUnloadNow(), S_FALSE);
        ComPtr<ISAXXMLReader> reader;
        ASSERT_EQ(factory->CreateInstance(nullptr, IID_ISAXXMLReader, reader.outVoid()), S_OK);
        factory = nullptr;
        EXPECT_EQ(sax.canUnloadNow(), S_FALSE);
        reader = nullptr;
        EXPECT_EQ(sax.canUnloadNow(), S_OK);
        factory = sax.factory(CLSID_SAXXMLReader);
        factory->LockServer(1);
        factory = nullptr;
        EXPECT_EQ(sax.canUnloadNow(), S_FALSE);
        sax.factory(CLSID_SAXXMLReader)->LockServer(0);
    }
    EXPECT_EQ(sax.canUnloadNow(), S_OK);
}

// An outer object that aggregates a reader and counts what reaches it.
class Outer final : public IUnknown {
public:
    HRESULT QueryInterface(const IID& iid, void** object) override
    {
        ++queries;
        if (iid == IID_IUnknown) {
            *object = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        return inner ? inner->QueryInterface(iid, object) : E_NOINTERFACE;
    }
    ULONG AddRef() override { return ++count; }
    ULONG Release() override { return --count; }

    IUnknown* inner = nullptr;
    std::atomic<ULONG> count{1};
    int queries = 0;
};

TEST(Server, ReaderCanBeAggregated)
{
    SaxLibrary sax;
    auto factory = sax.factory(CLSID_SAXXMLReader);
    Outer outer;
    void* object = nullptr;
    EXPECT_EQ(factory->CreateInstance(&outer, IID_ISAXXMLReader, &object), CLASS_E_NOAGGREGATION);
    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, &object), S_OK);
    outer.inner = static_cast<IUnknown*>(object);
    EXPECT_EQ(outer.count, 1u);  // the inner unknown does not count on the outer

    ComPtr<ISAXXMLReader> reader;
    ASSERT_EQ(outer.QueryInterface(IID_ISAXXMLReader, reader.outVoid()), S_OK);
    EXPECT_EQ(outer.count, 2u);  // the reader's reference is the outer object's
    ComPtr<IUnknown> identity;
    ASSERT_EQ(reader->QueryInterface(IID_IUnknown, identity.outVoid()), S_OK);
    EXPECT_EQ(identity.get(), static_cast<IUnknown*>(&outer));
    identity = nullptr;
    reader = nullptr;
    EXPECT_EQ(outer.count, 1u);
    EXPECT_EQ(sax.canUnloadNow(), S_FALSE);
    outer.inner->Release();
    outer.inner = nullptr;
    factory = nullptr;
    EXPECT_EQ(sax.canUnloadNow(), S_OK);
}

std::string Text(const RegistryKey& root, const std::string& path, const std::string& name = "")
{
    const RegistryKey* key = root.find(std::string(kClassesRoot) + "\\" + path);
    const std::string* text = key ? key->text(name) : nullptr;
    return text ? *text : "<absent>";
}

// The names below the CLSID key, exactly as written.
std::vector<std::string> ClassIds(const RegistryKey& root)
{
    std::vector<std::string> names;
    if (const RegistryKey* clsid = root.find(std::string(kClassesRoot) + "\\CLSID"))
        for (const auto& [name, key] : clsid->subKeys()) names.push_back(name);
    return names;
}

class Registration : public ::testing::Test {
protected:
    TempDir dir;
    std::string registry = dir.file("registry");
    ScopedEnvironment file{"VELK_COMPONENT_REGISTRY", registry.c_str()};
    ScopedEnvironment noSearch{"VELK_COMPONENT_PATH", nullptr};
    SaxLibrary sax;
    std::string module = std::filesystem::canonical(SAX_LIBRARY).string();
};

TEST_F(Registration, RegisterWritesTheScriptExactly)
{
    ASSERT_EQ(sax.registerServer(), S_OK);
    const RegistryKey root = ReadRegistry();
    EXPECT_EQ(ClassIds(root), (std::vector<std::string>{"{BC4120E3-27AE-4f66-B8DE-04A717B6494C}",
                                                        "{BC4120E3-27AE-4f66-B8DE-04A717B6494D}"}));
    EXPECT_EQ(Text(root, "SAX2.SAXXMLReader.1"), "SAXXMLReader Class");
    EXPECT_EQ(Text(root, "SAX2.SAXXMLReader.1\\CLSID"), "{BC4120E3-27AE-4f66-B8DE-04A717B6494C}");
    EXPECT_EQ(Text(root, "SAX2.SAXXMLReader"), "SAXXMLReader Class");
    EXPECT_EQ(Text(root, "SAX2.SAXXMLReader\\CLSID"), "{BC4120E3-27AE-4f66-B8DE-04A717B6494C}");
    EXPECT_EQ(Text(root, "SAX2.SAXXMLReader\\CurVer"), "SAX2.SAXXMLReader.1");
    EXPECT_EQ(Text(root, "SAX2.XMLReaderEx.1"), "SAXXMLReaderEx Class");
    EXPECT_EQ(Text(root, "SAX2.XMLReaderEx.1\\CLSID"), "{BC4120E3-27AE-4f66-B8DE-04A717B6494D}");
    EXPECT_EQ(Text(root, "SAX2.XMLReaderEx"), "SAXXMLReaderEx Class");
    EXPECT_EQ(Text(root, "SAX2.XMLReaderEx\\CLSID"), "{BC4120E3-27AE-4f66-B8DE-04A717B6494D}");
    EXPECT_EQ(Text(root, "SAX2.XMLReaderEx\\CurVer"), "SAX2.SAXXMLReaderEx.1");

    struct Expected {
        const char* clsid;
        const char* name;
        const char* progId;
        const char* independent;
    };
    for (const Expected& e :
         {Expected{"{BC4120E3-27AE-4f66-B8DE-04A717B6494C}", "XMLReader Class", "SAX2.SAXXMLReader.1", "SAX2.SAXXMLReader"},
          Expected{"{BC4120E3-27AE-4f66-B8DE-04A717B6494D}", "XMLReaderEx Class", "SAX2.SAXXMLReaderEx.1",
                   "SAX2.SAXXMLReaderEx"}}) {
        const std::string key = std::string("CLSID\\") + e.clsid;
        EXPECT_EQ(Text(root, key), e.name);
        EXPECT_EQ(Text(root, key + "\\ProgID"), e.progId);
        EXPECT_EQ(Text(root, key + "\\VersionIndependentProgID"), e.independent);
        const RegistryKey* programmable = root.find(std::string(kClassesRoot) + "\\" + key + "\\Programmable");
        ASSERT_NE(programmable, nullptr);
        EXPECT_TRUE(programmable->values().empty() && programmable->subKeys().empty());
        EXPECT_EQ(Text(root, key + "\\InprocServer32"), module);
        EXPECT_EQ(Text(root, key + "\\InprocServer32", "ThreadingModel"), "Apartment");
        EXPECT_EQ(Text(root, key + "\\TypeLib"), "{1923E571-7E38-11D2-ADCF-000000000000}");
    }
    const std::string library = "TypeLib\\{91D12EA0-8760-43A3-931E-54C5DD391B8E}\\1.0";
    EXPECT_EQ(Text(root, library), "KXSAX2");
    EXPECT_EQ(Text(root, library + "\\409\\linux"), module);
    EXPECT_EQ(Text(root, "Interface\\{979FE70D-93EF-4792-B0F2-635F276C6F19}"), "ISAXXMLReader");
    EXPECT_EQ(Text(root, "Interface\\{D1C136E6-79C7-4277-ADF4-4DE6771519E3}\\TypeLib"),
              "{91D12EA0-8760-43A3-931E-54C5DD391B8E}");
}

TEST_F(Registration, UnregisterLeavesTheClsidKeyAndOtherClasses)
{
    UpdateRegistry([](RegistryKey& root) {
        root.create(std::string(kClassesRoot) + "\\CLSID\\{00000000-0000-0000-0000-00000000000A}\\InprocServer32");
    });
    ASSERT_EQ(sax.registerServer(), S_OK);
    ASSERT_EQ(sax.registerServer(), S_OK);  // again: the same result
    ASSERT_EQ(sax.unregisterServer(), S_OK);
    const RegistryKey root = ReadRegistry();
    EXPECT_EQ(ClassIds(root), (std::vector<std::string>{"{00000000-0000-0000-0000-00000000000A}"}));
    for (const char* key : {"SAX2.SAXXMLReader", "SAX2.SAXXMLReader.1", "SAX2.XMLReaderEx", "SAX2.XMLReaderEx.1",
                            "TypeLib\\{91D12EA0-8760-43A3-931E-54C5DD391B8E}",
                            "Interface\\{979FE70D-93EF-4792-B0F2-635F276C6F19}"})
        EXPECT_EQ(root.find(std::string(kClassesRoot) + "\\" + key), nullptr) << key;

    ASSERT_EQ(sax.unregisterServer(), S_OK);  // nothing left to remove: still fine
    ASSERT_NE(ReadRegistry().find(std::string(kClassesRoot) + "\\CLSID"), nullptr);
}

TEST_F(Registration, ActivationGoesThroughTheRegistryByClassIdAndProgId)
{
    ComPtr<ISAXXMLReader> reader;
    EXPECT_EQ(CoCreateInstance(CLSID_SAXXMLReader, nullptr, IID_ISAXXMLReader, reader.outVoid()), REGDB_E_CLASSNOTREG);
    ASSERT_EQ(sax.registerServer(), S_OK);
    ASSERT_EQ(CoCreateInstance(CLSID_SAXXMLReader, nullptr, IID_ISAXXMLReader, reader.outVoid()), S_OK);
    reader = nullptr;

    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(u"SAX2.SAXXMLReader", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_SAXXMLReader);
    ASSERT_EQ(CLSIDFromProgID(u"sax2.saxxmlreader.1", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_SAXXMLReader);
    ASSERT_EQ(CLSIDFromProgID(u"SAX2.XMLReaderEx", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_SAXXMLReaderEx);
    // The class key names a version-independent ProgID that registration never writes.
    EXPECT_EQ(CLSIDFromProgID(u"SAX2.SAXXMLReaderEx", &clsid), CO_E_CLASSSTRING);

    ASSERT_EQ(sax.unregisterServer(), S_OK);
    EXPECT_EQ(CoCreateInstance(CLSID_SAXXMLReader, nullptr, IID_ISAXXMLReader, reader.outVoid()), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CLSIDFromProgID(u"SAX2.SAXXMLReader", &clsid), CO_E_CLASSSTRING);
}

TEST_F(Registration, WithoutRegistrationTheSearchFoldersServeClassIdsAndProgIds)
{
    const std::string folder = std::filesystem::path(SAX_LIBRARY).parent_path().string();
    ScopedEnvironment search("VELK_COMPONENT_PATH", folder.c_str());
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(u"SAX2.XMLReaderEx.1", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_SAXXMLReaderEx);
    ComPtr<ISAXXMLReader> reader;
    EXPECT_EQ(CoCreateInstance(clsid, nullptr, IID_ISAXXMLReader, reader.outVoid()), S_OK);
    EXPECT_EQ(CoCreateInstance(CLSID_SAXAttributes, nullptr, IID_IUnknown, reader.outVoid()), REGDB_E_CLASSNOTREG);
    EXPECT_FALSE(std::filesystem::exists(registry));  // nothing was written
}

// Without a handle of its own on the library, so that a wrong unload would show.
TEST(Activation, LibrariesStayLoadedWhileTheyServeObjects)
{
    TempDir dir;
    ScopedEnvironment file("VELK_COMPONENT_REGISTRY", dir.file("registry").c_str());
    const std::string folder = std::filesystem::path(SAX_LIBRARY).parent_path().string();
    ScopedEnvironment search("VELK_COMPONENT_PATH", folder.c_str());
    ComPtr<ISAXXMLReader> reader;
    ASSERT_EQ(CoCreateInstance(CLSID_SAXXMLReader, nullptr, IID_ISAXXMLReader, reader.outVoid()), S_OK);
    CoFreeUnusedLibraries();  // the reader is alive: the library stays
    BStr document(u"<still-here/>");
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(reader->parseString(document.get(), &ok), S_OK);
    EXPECT_EQ(ok, VARIANT_TRUE);
    reader = nullptr;
    CoFreeUnusedLibraries();
    ASSERT_EQ(CoCreateInstance(CLSID_SAXXMLReaderEx, nullptr, IID_ISAXXMLReader, reader.outVoid()), S_OK);
}

// Runs the registrar; its exit status and output.
std::pair<int, std::string> Registrar(const std::string& arguments)
{
    const std::string command = std::string(VELK_REGISTER) + " " + arguments + " 2>&1";
    std::FILE* pipe = popen(command.c_str(), "r");
    std::string output;
    char chunk[256];
    while (std::fgets(chunk, sizeof chunk, pipe)) output += chunk;
    const int status = pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

TEST_F(Registration, RegistrarReportsInOneLineWithItsExitStatus)
{
    EXPECT_EQ(Registrar(SAX_LIBRARY), std::make_pair(0, "Registered " + std::string(SAX_LIBRARY) + "\n"));
    EXPECT_EQ(Text(ReadRegistry(), "SAX2.SAXXMLReader\\CLSID"), "{BC4120E3-27AE-4f66-B8DE-04A717B6494C}");
    EXPECT_EQ(Registrar(std::string("--unregister ") + SAX_LIBRARY),
              std::make_pair(0, "Unregistered " + std::string(SAX_LIBRARY) + "\n"));
    EXPECT_EQ(Text(ReadRegistry(), "SAX2.SAXXMLReader\\CLSID"), "<absent>");

    const auto [missingStatus, missing] = Registrar(dir.file("nothing.so"));
    EXPECT_EQ(missingStatus, 1);
    EXPECT_EQ(missing.rfind("velk-register: cannot load " + dir.file("nothing.so"), 0), 0u) << missing;
    const auto [plainStatus, plain] = Registrar(RUNTIME_LIBRARY);
    EXPECT_EQ(plainStatus, 1);
    EXPECT_NE(plain.find("has no DllRegisterServer"), std::string::npos) << plain;
    EXPECT_EQ(Registrar("").first, 2);

    std::filesystem::create_directory(dir.file("locked"));
    std::filesystem::permissions(dir.file("locked"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    ScopedEnvironment unwritable("VELK_COMPONENT_REGISTRY", dir.file("locked/registry").c_str());
    if (geteuid() != 0) {  // root writes anywhere
        const auto [failedStatus, failed] = Registrar(SAX_LIBRARY);
        EXPECT_EQ(failedStatus, 1);
        EXPECT_NE(failed.find("DllRegisterServer failed"), std::string::npos) << failed;
    }
}

}  // namespace
