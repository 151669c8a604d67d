#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "HeadlessRegisterView.h"
#include "FolderWindow.h"
#include "ScopedEnvironment.h"
#include "ScriptedDialogs.h"
#include "StartUp.h"
#include "TempDir.h"

namespace velk::test {
namespace {

struct StartUpTest : ::testing::Test {
    TempDir dir;
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState state{view, dialogs};
    FolderWindow window{dir.file("program")};

    void SetUp() override
    {
        std::filesystem::create_directory(dir.file("program"));
        Write("program/VelkEval.xml", TwoDevices("Default board"));
    }
    std::string Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(dir.file(name), std::ios::binary) << text;
        return dir.file(name);
    }
    void Start(const std::vector<std::string>& arguments) { StartUp(state, window, arguments); }
};

TEST_F(StartUpTest, WithoutArgumentsLoadsTheFirstDeviceOfTheDefaultDescription)
{
    // What a previous window left behind is replaced by the defaults.
    view.layout.maxPageHeight = 3000;
    view.layout.runningTop = 500;
    state.loadOnChange = true;
    state.eventsEnabled = true;
    state.layoutSaved = false;

    Start({});
    EXPECT_EQ(state.currentFileName, dir.file("program/VelkEval.xml"));
    EXPECT_EQ(state.selectedDeviceName, "First");
    EXPECT_EQ(window.caption(), "Default board - First");
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"First", "Second"}));
    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_EQ(state.allGroups.Item(1)->groupName, "One");
    EXPECT_EQ(view.layout.maxPageHeight, 8000);
    EXPECT_FALSE(state.loadOnChange);
    EXPECT_TRUE(state.layoutSaved);
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(window.log.back(), "Show");
    EXPECT_NE(std::find(window.log.begin(), window.log.end(), "ReopenLink"), window.log.end());
}

TEST_F(StartUpTest, AnOpenWithOneWordIsIgnored)
{
    Write("other.xml", TwoDevices("Other board"));
    Start({"-OPEN", dir.file("other.xml")});
    EXPECT_EQ(state.currentFileName, dir.file("program/VelkEval.xml"));
    EXPECT_EQ(state.selectedDeviceName, "First");
}

TEST_F(StartUpTest, TheLastOpenGroupNamesFileAndDeviceWithSpcForBlanks)
{
    const std::string spaced = Write("my board.xml", TwoDevices("Spaced board"));
    Start({"-open", dir.file("other.xml"), "First", "-Open", dir.file("my~spcboard.xml"), "Second"});
    EXPECT_EQ(state.currentFileName, spaced);
    EXPECT_EQ(state.selectedDeviceName, "Second");
    EXPECT_EQ(window.caption(), "Spaced board - Second");
    ASSERT_EQ(state.allGroups.count(), 1);
    EXPECT_EQ(state.allGroups.Item(1)->groupName, "Two");
}

TEST_F(StartUpTest, AMissingFileIsReportedAndTheWindowStaysUsable)
{
    Start({"-open", dir.file("missing.xml"), "Any"});
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "File Open Error");
    EXPECT_EQ(state.allGroups.count(), 0);
    EXPECT_TRUE(state.layoutSaved);
    EXPECT_NE(std::find(window.log.begin(), window.log.end(), "ReopenLink"), window.log.end());
}

TEST(PortAccessNotice, IsWantedOnlyWhenNoBackendIsNamed)
{
    {
        ScopedEnvironment unset("VELK_PORTIO", nullptr);
        EXPECT_FALSE(PortBackendNamed());
    }
    for (const char* automatic : {"", "auto"}) {
        ScopedEnvironment named("VELK_PORTIO", automatic);
        EXPECT_FALSE(PortBackendNamed()) << automatic;
    }
    for (const char* backend : {"sim", "null", "ppdev"}) {
        ScopedEnvironment named("VELK_PORTIO", backend);
        EXPECT_TRUE(PortBackendNamed()) << backend;
    }
}

}  // namespace
}  // namespace velk::test
