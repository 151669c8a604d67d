#include <gtest/gtest.h>

#include "DeviceEditor.h"
#include "TestDevice.h"

namespace velk {
namespace {

struct DeviceEditorTest : ::testing::Test {
    std::string Boxes(const DeviceEditor& editor) const
    {
        std::string shown;
        for (int i = 7; i >= 0; --i) shown += editor.bitBox(i).empty() ? "_" : editor.bitBox(i);
        return shown;
    }

    test::TestDevice device;
    DeviceRecord& record = *device.state.currentDevice;
};

TEST_F(DeviceEditorTest, BitBoxesStepThroughZeroOneAndX)
{
    record.address = "0111x0x0";
    DeviceEditor editor(device.state, {});
    EXPECT_EQ(Boxes(editor), "0111x0x0");
    editor.ClickBit(3);
    EXPECT_EQ(editor.addressText(), "011100x0");
    for (int click = 0; click < 3; ++click) editor.ClickBit(1);
    EXPECT_EQ(editor.bitBox(1), "x");
    EXPECT_TRUE(editor.Ok());
    EXPECT_EQ(record.address, "011100x0");
    EXPECT_EQ(record.currAddress, "01110000");

    EXPECT_EQ(NextAddressBitText("1"), "x");
    EXPECT_EQ(NextAddressBitText("X"), "0");
    record.address = "101";  // a short pattern shows its characters from the left, empty boxes after
    EXPECT_EQ(Boxes(DeviceEditor(device.state, {})), "101_____");
}

TEST_F(DeviceEditorTest, ANameThatWouldLoseTheDeviceIsRefused)
{
    DeviceEditor editor(device.state, {"Chip B", "New Device"});
    editor.ClickBit(0);
    editor.name = "";
    EXPECT_FALSE(editor.Ok());
    editor.name = "Chip B";
    EXPECT_FALSE(editor.Ok());
    ASSERT_EQ(device.dialogs.messages().size(), 2u);
    EXPECT_EQ(device.dialogs.messages()[1].text, "Device name already in use.  Choose a new device name.");
    EXPECT_EQ(record.devName, "Chip A");
    EXPECT_EQ(record.address, "1001xxx0");  // nothing written by a refused OK

    editor.name = "chip b";  // devices are found by their exact name
    EXPECT_TRUE(editor.Ok());
    EXPECT_EQ(record.devName, "chip b");
    EXPECT_EQ(record.address, "1001xxx1");
}

}  // namespace
}  // namespace velk
