#include <gtest/gtest.h>

#include "ControlType.h"
#include "Conversions.h"
#include "RecordingLink.h"
#include "TestDevice.h"
#include "WindowCommands.h"

using namespace velk;
using velk::test::RecordingLink;
using velk::test::TestDevice;

namespace {

struct WindowCommands : ::testing::Test {
    TestDevice device;
    HeadlessRegisterView& view = device.view;
    ProgramState& state = device.state;
    std::shared_ptr<RecordingLink> link = std::make_shared<RecordingLink>(device.dialogs);
    std::vector<std::shared_ptr<Group>> groups;

    WindowCommands()
    {
        state.devInterface = link;
        for (const std::string address : {"10", "11", "12"}) {
            groups.push_back(device.LoadBitGroup("R" + address, address, 8));
            link->registers[TextToInt(address, 0, "hex")] = static_cast<int16_t>(TextToInt(address, 0, "hex") - 0x0F);
        }
    }
};

}  // namespace

TEST_F(WindowCommands, ReadAndLoadStopAtTheFirstGroupThatFails)
{
    link->failAt = 0x11;
    ReadAllGroups(state);
    EXPECT_EQ(groups[0]->GetValue(0), 1);
    EXPECT_EQ(groups[1]->GetValue(0), 0);
    EXPECT_EQ(groups[2]->GetValue(0), 0);
    EXPECT_EQ(link->log, (std::vector<std::string>{"R 10"}));
    ASSERT_EQ(device.dialogs.messages().size(), 1u);
    EXPECT_EQ(device.dialogs.messages()[0].title, "Error Reading Values from device Chip A");
    EXPECT_EQ(device.dialogs.messages()[0].text, "Unable to communicate with the Chip A");
    EXPECT_EQ(device.dialogs.messages()[0].icon, MessageIcon::Exclamation);

    link->log.clear();
    LoadAllGroups(state);
    EXPECT_EQ(link->log, (std::vector<std::string>{"W 10 1"}));
    ASSERT_EQ(device.dialogs.messages().size(), 2u);
    EXPECT_EQ(device.dialogs.messages()[1].title, "Error Writing Values to device Chip A");
    EXPECT_EQ(device.dialogs.messages()[1].text, "Unable to communicate with the Chip A");

    link->failAt.reset();
    link->log.clear();
    ReadAllGroups(state);
    EXPECT_EQ(groups[2]->GetValue(0), 3);
    EXPECT_EQ(link->log.size(), 3u);
    EXPECT_EQ(device.dialogs.messages().size(), 2u);
}

TEST_F(WindowCommands, ReadAndLoadDoNothingWithoutADevice)
{
    state.currentDevice = nullptr;
    state.devInterface = nullptr;  // would fail every group
    ReadAllGroups(state);
    LoadAllGroups(state);
    EXPECT_TRUE(device.dialogs.messages().empty());
    EXPECT_EQ(groups[0]->GetValue(0), 0);
}

TEST_F(WindowCommands, AnAddressBitClickFlipsAChoosableBitAndReconnects)
{
    // Pattern 1001xxx0, current address 10011000: box 3 is an "x".
    EXPECT_TRUE(ClickAddressBit(state, 3));
    EXPECT_EQ(state.currentDevice->currAddress, "10010000");
    EXPECT_EQ(link->log, (std::vector<std::string>{"Disconnect", "Connect 144"}));

    link->log.clear();
    EXPECT_FALSE(ClickAddressBit(state, 7));  // fixed by the pattern
    EXPECT_FALSE(ClickAddressBit(state, 0));
    EXPECT_EQ(state.currentDevice->currAddress, "10010000");
    EXPECT_TRUE(link->log.empty());

    state.devInterface = nullptr;
    EXPECT_TRUE(ClickAddressBit(state, 1));
    EXPECT_EQ(state.currentDevice->currAddress, "10010010");
}

TEST_F(WindowCommands, ClearAllLeavesOneEmptyPageAndNoModel)
{
    ApplyMaxPageHeight(state, 3000);  // one page per register
    ASSERT_EQ(view.layout.pageCount(), 3);
    state.loadOnChange = true;
    state.currentGroup = groups[0];
    state.currentField = groups[0]->childFields.Item(1);

    ClearAll(state);
    EXPECT_EQ(state.allGroups.count(), 0);
    EXPECT_EQ(state.nameRegistry.count(), 0);
    EXPECT_EQ(state.currentDevice, nullptr);
    EXPECT_EQ(state.currentGroup, nullptr);
    EXPECT_EQ(state.currentField, nullptr);
    EXPECT_EQ(state.devInterface, nullptr);
    EXPECT_FALSE(state.loadOnChange);
    EXPECT_EQ(view.layout.pageCount(), 1);
    EXPECT_EQ(view.layout.maxPageHeight, 8000);
    EXPECT_EQ(view.layout.runningTop, 0);
    EXPECT_EQ(view.layout.pageBottom(1), 0);
    ASSERT_EQ(view.pages().size(), 1u);
    EXPECT_EQ(view.pages()[0].tabKey, "key1");
    EXPECT_EQ(view.pages()[0].tabCaption, "Tab1");
    EXPECT_EQ(view.layout.tabTag(1), "");
    EXPECT_EQ(std::pair(view.pages()[0].height, view.pages()[0].top), std::pair(int16_t{8020}, int16_t{0}));
    for (size_t a = 0; a < WidgetArrayCount; ++a) {
        const auto array = static_cast<WidgetArray>(a);
        EXPECT_EQ(view.nextIndex(array), 0) << WidgetArrayName(array);
        EXPECT_EQ(view.loadedCount(array), 1) << WidgetArrayName(array);  // the template only
        EXPECT_FALSE(view.widget({array, 0}).visible);
        EXPECT_EQ(view.widget({array, 0}).page, 0);  // back on the window itself
    }

    // A new device builds from scratch: the first widgets reuse the templates.
    state.currentDevice = std::make_shared<DeviceRecord>(DeviceRecord{"Chip B", "10011000", "10011000"});
    auto again = device.LoadBitGroup("R10", "10", 1);
    EXPECT_EQ(again->controls.Item(1)->Index, 0);
    EXPECT_EQ(again->y, 0);
}

TEST_F(WindowCommands, ThePageHeightCommandWithoutGroupsOnlyResetsThePages)
{
    ClearAll(state);
    view.clearCalls();
    ApplyMaxPageHeight(state, 6000);
    EXPECT_EQ(view.layout.maxPageHeight, 6000);
    EXPECT_EQ(view.calls(), (std::vector<std::string>{"setPageTop 1 0", "hideSelection 1"}));
}
