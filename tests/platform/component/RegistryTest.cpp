#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "Registry.h"
#include "RegistryText.h"
#include "ScopedEnvironment.h"
#include "TempDir.h"

namespace {

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(RegistryKey, FindsNamesWithoutRegardToCaseAndKeepsTheirSpelling)
{
    RegistryKey root;
    root.create("SOFTWARE\\Classes\\CLSID\\{BC4120E3-27AE-4f66-B8DE-04A717B6494C}").setValue("", std::string("x"));
    const RegistryKey* key = root.find("software\\CLASSES\\clsid\\{BC4120E3-27AE-4F66-B8DE-04A717B6494C}");
    ASSERT_NE(key, nullptr);
    ASSERT_NE(key->text(""), nullptr);
    EXPECT_EQ(*key->text(""), "x");
    EXPECT_EQ(root.find("SOFTWARE\\Classes\\CLSID")->subKeys().begin()->first, "{BC4120E3-27AE-4f66-B8DE-04A717B6494C}");

    EXPECT_TRUE(root.remove("Software\\Classes"));
    EXPECT_FALSE(root.remove("Software\\Classes"));
    EXPECT_NE(root.find("SOFTWARE"), nullptr);
    EXPECT_THROW(root.create("a\\\\b"), RegistryError);  // an empty name in the path
}

TEST(RegistryText, RoundTripsTextsNumbersAndEmptyKeys)
{
    RegistryKey root;
    RegistryKey& key = root.create("A\\B");
    key.setValue("", std::string("quote \" backslash \\ newline \n return \r"));
    key.setValue("Count", uint32_t{0xDEADBEEF});
    key.setValue("Name = odd", std::string(""));
    root.create("A\\Empty");

    const std::string text = FormatRegistry(root);
    const RegistryKey back = ParseRegistry(text);
    EXPECT_EQ(FormatRegistry(back), text);
    const RegistryKey* b = back.find("A\\B");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(*b->text(""), "quote \" backslash \\ newline \n return \r");
    EXPECT_EQ(std::get<uint32_t>(*b->value("Count")), 0xDEADBEEFu);
    EXPECT_EQ(*b->text("Name = odd"), "");
    EXPECT_NE(back.find("A\\Empty"), nullptr);
}

TEST(RegistryText, NamesTheLineItCannotRead)
{
    for (const char* text : {"[A]\n@=\"unterminated\n", "[A]\nname=\"x\"\n", "[A]\n[B\n", "[A]\n\"n\"=dword:xyz\n",
                             "[A]\n\"n\"=\"x\" trailing\n", "[A]\n@=\"bad \\q escape\"\n"}) {
        try {
            ParseRegistry(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const RegistryError& e) {
            EXPECT_NE(std::string(e.what()).find("line 2"), std::string::npos) << e.what();
        }
    }
}

TEST(Registry, FileComesFromTheEnvironmentOrTheUsersConfigFolder)
{
    {
        ScopedEnvironment file("VELK_COMPONENT_REGISTRY", "/somewhere/registry");
        EXPECT_EQ(RegistryFilePath(), "/somewhere/registry");
    }
    ScopedEnvironment unset("VELK_COMPONENT_REGISTRY", nullptr);
    ScopedEnvironment config("XDG_CONFIG_HOME", "/home/someone/.cfg");
    EXPECT_EQ(RegistryFilePath(), "/home/someone/.cfg/velk/component-registry");
}

TEST(Registry, UpdateWritesAWholeFileAndNothingWhenTheChangeFails)
{
    TempDir dir;
    const std::string path = dir.file("new-folder/registry");
    ScopedEnvironment file("VELK_COMPONENT_REGISTRY", path.c_str());

    EXPECT_TRUE(ReadRegistry().subKeys().empty());  // no file yet: an empty registry
    UpdateRegistry([](RegistryKey& root) { root.create("A").setValue("v", std::string("1")); });
    const std::string written = ReadFile(path);
    EXPECT_EQ(*ReadRegistry().find("A")->text("v"), "1");

    EXPECT_THROW(UpdateRegistry([](RegistryKey& root) {
                     root.remove("A");
                     throw RegistryError("changed my mind");
                 }),
                 RegistryError);
    EXPECT_EQ(ReadFile(path), written);

    // Only the registry and its lock file remain: no temporary file is left behind.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.file("new-folder")))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"registry", "registry.lock"}));
}

TEST(Registry, AnUnreadableFileIsReportedAndLeftAsItWas)
{
    TempDir dir;
    const std::string path = dir.file("registry");
    std::ofstream(path) << "[A]\nthis is not a value\n";
    ScopedEnvironment file("VELK_COMPONENT_REGISTRY", path.c_str());
    EXPECT_THROW(ReadRegistry(), RegistryError);
    EXPECT_THROW(UpdateRegistry([](RegistryKey& root) { root.create("B"); }), RegistryError);
    EXPECT_EQ(ReadFile(path), "[A]\nthis is not a value\n");
}

TEST(Registry, ConcurrentProcessesKeepEachOthersChanges)
{
    TempDir dir;
    const std::string path = dir.file("registry");
    ScopedEnvironment file("VELK_COMPONENT_REGISTRY", path.c_str());
    constexpr int kProcesses = 4;
    constexpr int kUpdates = 25;

    std::vector<pid_t> children;
    for (int p = 0; p < kProcesses; ++p) {
        const pid_t pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            int status = 0;
            try {
                for (int u = 0; u < kUpdates; ++u) {
                    UpdateRegistry([&](RegistryKey& root) {
                        root.create("Shared").setValue(std::to_string(p) + "-" + std::to_string(u), uint32_t(u));
                    });
                }
            } catch (...) {
                status = 1;
            }
            _exit(status);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const RegistryKey registry = ReadRegistry();
    const RegistryKey* shared = registry.find("Shared");
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared->values().size(), size_t{kProcesses * kUpdates});
}

}  // namespace
