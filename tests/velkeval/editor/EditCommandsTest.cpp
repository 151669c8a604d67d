#include <gtest/gtest.h>

#include "EditCommands.h"
#include "RecordingEditWindow.h"
#include "RecordingLink.h"
#include "TestDevice.h"

namespace velk {
namespace {

// A device of three loaded groups, A (two field rows), B (one) and C
// (three), bands 750, 400 and 1100 twips high, in a file "board.xml".
struct EditCommandsTest : ::testing::Test {
    EditCommandsTest()
    {
        state.currentFile = std::make_shared<FileRecord>(FileRecord{"Board", "", ""});
        state.currentFileName = "/lab/board.xml";
        state.deviceCount = 1;
        state.fileDeviceNames = {"Chip A"};
        state.selectedDeviceName = "Chip A";
        window.setDeviceEntry(0, "Chip A", true);
        window.checkDeviceEntry(0, true);
        // The group editor gives a new group a field, as its OK demands.
        window.groupEditor = [this] {
            const auto& group = state.currentGroup;
            if (group->childFields.count() == 0) device.AddField(group, group->groupName + "_f", 0, 7, 1);
        };
    }

    void Run(int command) { doEditClick(state, window, command, "1/1/2000"); }
    std::vector<std::string> Order() const
    {
        std::vector<std::string> names;
        for (const auto& group : state.allGroups) names.push_back(group->groupName + "@" + std::to_string(group->y));
        return names;
    }
    void Select(const std::shared_ptr<Group>& group)
    {
        state.editMode = true;
        GroupLabelClicked(state, group->RegistryKey());
    }

    test::TestDevice device;
    ProgramState& state = device.state;
    test::RecordingEditWindow window{state};
    std::shared_ptr<Group> a = device.LoadBitGroup("A", "10", 2);
    std::shared_ptr<Group> b = device.LoadBitGroup("B", "11", 1);
    std::shared_ptr<Group> c = device.LoadBitGroup("C", "12", 3);
};

TEST_F(EditCommandsTest, EditModeTogglesWithTheEntryAndTheToolWindow)
{
    Run(EditModeToggle);
    EXPECT_TRUE(window.editModeEntry && state.editMode && window.editToolsVisible && window.editCommandsEnabled);
    EXPECT_EQ(window.captionText, "Board - Chip A (board.xml)");
    EXPECT_TRUE(state.layoutSaved);

    GroupLabelClicked(state, "fieldA_bit7");  // a field's label selects nothing
    EXPECT_EQ(state.currentGroup, nullptr);
    GroupLabelClicked(state, "groupB");
    EXPECT_EQ(state.currentGroup, b);
    EXPECT_EQ(device.view.selection(), (SelectionMark{1, true, 25, 765, 6420, 405}));

    Run(EditModeToggle);
    EXPECT_FALSE(window.editModeEntry || state.editMode || window.editToolsVisible || window.editCommandsEnabled);
    EXPECT_EQ(window.captionText, "Board - Chip A");
    EXPECT_FALSE(device.view.selection().visible);
    // The hidden selection is dropped: Delete after re-entering removes nothing.
    EXPECT_EQ(state.currentGroup, nullptr);
    GroupLabelClicked(state, "groupA");
    EXPECT_EQ(state.currentGroup, nullptr);
    Run(EditModeToggle);
    Run(DeleteGroupCommand);
    EXPECT_EQ(state.allGroups.count(), 3);
    EXPECT_FALSE(state.layoutSaved);
    EXPECT_EQ(window.captionText, "Board - Chip A (board.xml*)");
}

TEST_F(EditCommandsTest, UpAndDownSwapNeighboursAndStopAtTheEnds)
{
    Select(b);
    Run(GroupUpCommand);
    EXPECT_EQ(Order(), (std::vector<std::string>{"B@0", "A@400", "C@1150"}));
    EXPECT_EQ(state.currentGroup, b);
    EXPECT_EQ(device.view.selection().top, 15);
    EXPECT_TRUE(window.clipFrameVisible);
    EXPECT_EQ(window.clipFrameHidings, 1);

    state.layoutSaved = true;
    Run(GroupUpCommand);  // already first
    EXPECT_EQ(Order(), (std::vector<std::string>{"B@0", "A@400", "C@1150"}));
    EXPECT_FALSE(state.layoutSaved);

    Run(GroupDownCommand);
    Run(GroupDownCommand);
    EXPECT_EQ(Order(), (std::vector<std::string>{"A@0", "C@750", "B@1850"}));
    Run(GroupDownCommand);  // already last
    EXPECT_EQ(Order(), (std::vector<std::string>{"A@0", "C@750", "B@1850"}));
    // The bands' widgets moved with them.
    EXPECT_EQ(device.view.top(WidgetOf(*test::RecordsOfType(b->controls, ControlType::ValueBox)[0])), 1900);
}

TEST_F(EditCommandsTest, InsertAppendDeleteAndEditKeepOrderAndPlaces)
{
    Select(b);
    Run(InsertGroupCommand);
    EXPECT_EQ(Order(), (std::vector<std::string>{"A@0", "NewGroup0@750", "B@1150", "C@1550"}));
    EXPECT_EQ(state.currentGroup->groupName, "NewGroup0");
    EXPECT_EQ(state.currentGroup->address, "13");

    Run(AppendGroupCommand);
    EXPECT_EQ(Order(), (std::vector<std::string>{"A@0", "NewGroup0@750", "B@1150", "C@1550", "NewGroup1@2650"}));
    EXPECT_EQ(device.view.selection().top, 2665);

    Select(b);
    Run(DeleteGroupCommand);
    EXPECT_EQ(Order(), (std::vector<std::string>{"A@0", "NewGroup0@750", "C@1150", "NewGroup1@2250"}));
    EXPECT_EQ(state.currentGroup, nullptr);
    EXPECT_FALSE(device.view.selection().visible);
    EXPECT_FALSE(state.nameRegistry.Contains("groupB"));
    EXPECT_FALSE(state.nameRegistry.Contains("fieldB_bit7"));
    EXPECT_EQ(device.view.top(WidgetOf(*test::RecordsOfType(c->controls, ControlType::ValueBox)[0])), 1200);

    // Edit: renamed and grown by a field row, in its place, the rest below it.
    Select(a);
    window.groupEditor = [this] {
        device.AddField(a, "A_bit5", 0, 5, 1);
        a->groupName = "Alpha";
    };
    Run(EditGroupCommand);
    EXPECT_EQ(Order(), (std::vector<std::string>{"Alpha@0", "NewGroup0@1100", "C@1500", "NewGroup1@2600"}));
    EXPECT_TRUE(state.nameRegistry.Contains("groupAlpha"));
    EXPECT_FALSE(state.nameRegistry.Contains("groupA"));
    EXPECT_EQ(state.currentGroup, a);
}

TEST_F(EditCommandsTest, TwoAppendsOnAnEmptyDeviceStartAtTheTop)
{
    test::TestDevice empty;
    test::RecordingEditWindow emptyWindow{empty.state};
    emptyWindow.groupEditor = [&] { empty.AddField(empty.state.currentGroup, empty.state.currentGroup->groupName, 0, 7, 1); };
    doEditClick(empty.state, emptyWindow, AppendGroupCommand, "");
    doEditClick(empty.state, emptyWindow, AppendGroupCommand, "");
    std::vector<std::string> placed;
    for (const auto& group : empty.state.allGroups) placed.push_back(group->groupName + " " + group->address + " " + std::to_string(group->y));
    EXPECT_EQ(placed, (std::vector<std::string>{"NewGroup0 01 0", "NewGroup1 02 400"}));

    // No address is left after 7FFF: refused with a message, nothing added.
    empty.state.allGroups.Item(2)->address = "7FFF";
    doEditClick(empty.state, emptyWindow, AppendGroupCommand, "");
    EXPECT_EQ(empty.state.allGroups.count(), 2);
    ASSERT_EQ(empty.dialogs.messages().size(), 1u);
    EXPECT_EQ(empty.dialogs.messages()[0].title, "No Free Address");
}

TEST_F(EditCommandsTest, NewAndCopiedDevicesTakeAFreeNameAndACheckedEntry)
{
    test::RecordingLink link(device.dialogs);
    state.devInterface = std::shared_ptr<DevInterface>(&link, [](DevInterface*) {});
    // The file holds a "New Device" that its entry shows renamed (not saved).
    state.fileDeviceNames.push_back("New Device");
    // Every edit command marks the layout unsaved first, so the device
    // commands always ask to save.
    device.dialogs.QueueAnswer(MessageAnswer::No);
    Run(NewDeviceCommand);
    EXPECT_EQ(state.allGroups.count(), 0);
    EXPECT_EQ(state.devInterface.get(), &link);
    EXPECT_EQ(state.currentDevice->devName, "New Device 2");
    EXPECT_EQ(state.currentDevice->address, "1001xxx0");
    EXPECT_EQ(state.selectedDeviceName, "New Device 2");
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"Chip A", "New Device 2"}));
    EXPECT_FALSE(window.entries[0].checked);
    EXPECT_TRUE(window.entries[1].checked);
    EXPECT_TRUE(state.editMode);
    EXPECT_EQ(window.captionText, "Board - New Device 2 (board.xml)");

    // Nor may a copy take the new one's name: a save would replace it.
    device.dialogs.QueueAnswer(MessageAnswer::No);
    Run(CopyDeviceCommand);
    EXPECT_EQ(state.currentDevice->devName, "New Device 3");
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"Chip A", "New Device 2", "New Device 3"}));
    EXPECT_EQ(window.captionText, "Board - New Device 3 (board.xml*)");

    // "Cancel" to the save question stops both.
    device.dialogs.QueueAnswer(MessageAnswer::Cancel);
    Run(NewDeviceCommand);
    EXPECT_EQ(state.deviceCount, 3);
}

TEST_F(EditCommandsTest, DevicePropertiesRenameTheEntryAndReconnect)
{
    test::RecordingLink link(device.dialogs);
    state.devInterface = std::shared_ptr<DevInterface>(&link, [](DevInterface*) {});
    window.deviceProperties = [this] {
        state.currentDevice->devName = "Chip B";
        state.currentDevice->currAddress = "01110000";
        return true;
    };
    Run(DevicePropertiesCommand);
    EXPECT_EQ(link.log, (std::vector<std::string>{"Disconnect", "Connect 112"}));
    EXPECT_EQ(window.captions(), (std::vector<std::string>{"Chip B"}));
    EXPECT_EQ(window.captionText, "Board - Chip B");
    EXPECT_EQ(window.log.back(), "BuildAddress");
    // Its old name is free to take back: a save puts it in that device's place.
    EXPECT_EQ(OtherDeviceNames(state, window), std::vector<std::string>{});
    // Copied, the device may take neither its entry's name nor the file's name of it.
    device.dialogs.QueueAnswer(MessageAnswer::No);
    Run(CopyDeviceCommand);
    EXPECT_EQ(OtherDeviceNames(state, window), (std::vector<std::string>{"Chip B", "Chip A"}));
}

}  // namespace
}  // namespace velk
