#include <gtest/gtest.h>

#include "Registry.h"
#include "RegistryScript.h"
#include "RegistryText.h"

namespace {

const char* const kScript = R"(HKCR
{
	Sample.Thing = s 'Thing ''Class'''
	{
		CLSID = s '{00000000-0000-0000-0000-000000000001}'
	}
	NoRemove CLSID
	{
		ForceRemove {00000000-0000-0000-0000-000000000001} = s 'Thing'
		{
			InprocServer32 = s '%MODULE%'
			{
				val ThreadingModel = s 'Apartment'
				val Count = d '0x10'
			}
			ForceRemove 'Programmable'
		}
	}
	Delete Obsolete.Thing
}
HKLM
{
	NoRemove SOFTWARE
	{
		Vendor = s '100%% sure'
	}
}
)";

std::string Text(const RegistryKey& root, const std::string& path, const std::string& name = "")
{
    const RegistryKey* key = root.find(path);
    const std::string* text = key ? key->text(name) : nullptr;
    return text ? *text : "<absent>";
}

TEST(RegistryScript, RegisterWritesKeysValuesAndTheModulePath)
{
    RegistryKey root;
    root.create("SOFTWARE\\Classes\\Obsolete.Thing\\CLSID");
    root.create("SOFTWARE\\Classes\\CLSID\\{00000000-0000-0000-0000-000000000001}\\Stale");
    RunRegistryScript(kScript, root, ScriptMode::Register, "/lib/libthing.so");

    const std::string clsid = "SOFTWARE\\Classes\\CLSID\\{00000000-0000-0000-0000-000000000001}";
    EXPECT_EQ(Text(root, "SOFTWARE\\Classes\\Sample.Thing"), "Thing 'Class'");
    EXPECT_EQ(Text(root, "SOFTWARE\\Classes\\Sample.Thing\\CLSID"), "{00000000-0000-0000-0000-000000000001}");
    EXPECT_EQ(Text(root, clsid), "Thing");
    EXPECT_EQ(Text(root, clsid + "\\InprocServer32"), "/lib/libthing.so");
    EXPECT_EQ(Text(root, clsid + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(std::get<uint32_t>(*root.find(clsid + "\\InprocServer32")->value("Count")), 16u);
    ASSERT_NE(root.find(clsid + "\\Programmable"), nullptr);
    EXPECT_TRUE(root.find(clsid + "\\Programmable")->values().empty());
    EXPECT_EQ(root.find(clsid + "\\Stale"), nullptr);  // ForceRemove replaced the key whole
    EXPECT_EQ(root.find("SOFTWARE\\Classes\\Obsolete.Thing"), nullptr);
    EXPECT_EQ(Text(root, "SOFTWARE\\Vendor"), "100% sure");
}

TEST(RegistryScript, UnregisterKeepsNoRemoveKeysAndKeysOthersStillUse)
{
    RegistryKey root;
    RunRegistryScript(kScript, root, ScriptMode::Register, "/lib/libthing.so");
    root.create("SOFTWARE\\Classes\\CLSID\\{00000000-0000-0000-0000-000000000002}");
    root.create("SOFTWARE\\Classes\\Sample.Thing\\Foreign");
    RunRegistryScript(kScript, root, ScriptMode::Unregister, "/lib/libthing.so");

    EXPECT_EQ(root.find("SOFTWARE\\Classes\\CLSID\\{00000000-0000-0000-0000-000000000001}"), nullptr);
    EXPECT_NE(root.find("SOFTWARE\\Classes\\CLSID\\{00000000-0000-0000-0000-000000000002}"), nullptr);
    EXPECT_NE(root.find("SOFTWARE\\Classes\\Sample.Thing\\Foreign"), nullptr);
    EXPECT_EQ(root.find("SOFTWARE\\Classes\\Sample.Thing\\CLSID"), nullptr);
    EXPECT_EQ(root.find("SOFTWARE\\Vendor"), nullptr);
    EXPECT_NE(root.find("SOFTWARE"), nullptr);

    RegistryKey empty;
    RunRegistryScript(kScript, empty, ScriptMode::Unregister, "/lib/libthing.so");  // nothing there: nothing made
    EXPECT_TRUE(empty.subKeys().empty());
}

TEST(RegistryScript, AScriptThatCannotBeReadChangesNothing)
{
    for (const char* script : {"HKCR { A = s 'unterminated }", "HKCU { A }", "HKCR { A = x 'y' }", "HKCR { A { B }",
                               "HKCR { A = d 'twelve' }", "HKCR { A = s '%UNKNOWN%' }", "HKCR { NoRemove { } }",
                               "HKCR { '\n' }", "HKLM { A { B\\\\C } }"}) {
        RegistryKey root;
        root.create("Kept");
        const std::string before = FormatRegistry(root);
        EXPECT_THROW(RunRegistryScript(script, root, ScriptMode::Register, "/m.so"), RegistryError) << script;
        EXPECT_EQ(FormatRegistry(root), before) << script;
    }
}

}  // namespace
