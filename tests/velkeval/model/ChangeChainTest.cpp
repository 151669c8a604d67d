#include <gtest/gtest.h>

#include "ControlType.h"
#include "ModelError.h"
#include "RecordingLink.h"
#include "TestDevice.h"

using namespace velk;
using velk::test::RecordingLink;
using velk::test::RecordsOfType;
using velk::test::TestDevice;

namespace {

std::pair<int16_t, int16_t> Values(int16_t a, int16_t b) { return {a, b}; }

struct ChangeChain : ::testing::Test {
    TestDevice device;
    HeadlessRegisterView& view = device.view;
    ProgramState& state = device.state;
    std::shared_ptr<RecordingLink> link = std::make_shared<RecordingLink>(device.dialogs);

    ChangeChain() { state.devInterface = link; }

    // A control's change event, as the window passes it on.
    template <class Owner>
    void Enter(Owner& owner, const ControlRecord& record, const std::string& text)
    {
        owner.processChange(state, true, record.controlType, record.Index, text);
    }

    std::shared_ptr<ControlRecord> BitBox(const Field& field, int16_t b)
    {
        for (const auto& record : field.controls)
            if (record->controlType == ControlType::Bit && record->bitIndex == b) return record;
        return nullptr;
    }
    std::string ValueBoxText(const Group& group, size_t byte)
    {
        return device.WidgetOf(*RecordsOfType(group.controls, ControlType::ValueBox).at(byte)).text;
    }
    std::string Text(const ControlRecord& record) { return device.WidgetOf(record).text; }
};

}  // namespace

TEST_F(ChangeChain, AFieldTextBoxTakesValuesInRangeAndShowsTheOldOneAgainOtherwise)
{
    auto gain = device.AddGroup("Gain", "1A");
    auto level = device.AddField(gain, "Level", 0, 0, 8, 17);
    auto decimal = device.AddControl(*level, ControlType::TextBox, 0, 255);
    auto hex = device.AddControl(*level, ControlType::TextBox, 0, 255, "hex");
    device.Load(*gain);
    state.loadOnChange = true;

    view.clearCalls();
    Enter(*level, *decimal, "300");  // above max: the value stays and is shown again
    EXPECT_EQ(level->value, 17);
    EXPECT_EQ(Text(*decimal), "17");
    EXPECT_NE(std::find(view.calls().begin(), view.calls().end(), "setText \"17\" " + WidgetName(WidgetOf(*decimal))),
              view.calls().end());
    EXPECT_EQ(link->writes(), (std::vector<std::string>{"W 1A 17"}));  // the unchanged register, once more
    EXPECT_TRUE(state.eventsEnabled);

    view.clearCalls();
    link->log.clear();
    Enter(*level, *decimal, "17");  // the same value: nothing redrawn, nothing written
    EXPECT_TRUE(view.calls().empty());
    EXPECT_TRUE(link->log.empty());

    Enter(*level, *hex, "2A");
    EXPECT_EQ(level->value, 42);
    EXPECT_EQ(Text(*decimal), "42");
    EXPECT_EQ(Text(*hex), "2A");
    EXPECT_EQ(ValueBoxText(*gain, 0), "42");
    EXPECT_EQ(Text(*RecordsOfType(level->controls, ControlType::Bit)[2]), "1");  // bit 5 of 0b00101010
    EXPECT_EQ(link->writes(), (std::vector<std::string>{"W 1A 42"}));

    level->value = 99;  // an empty text does nothing at all, not even with events off
    state.eventsEnabled = false;
    view.clearCalls();
    Enter(*level, *decimal, "");
    EXPECT_TRUE(view.calls().empty());
    EXPECT_FALSE(state.eventsEnabled);
}

TEST_F(ChangeChain, BitClicksMoveTheFieldByTheBitsWeight)
{
    auto mode = device.AddGroup("Mode", "20");
    auto sel = device.AddField(mode, "Sel", 0, 4, 3);
    auto text = device.AddControl(*sel, ControlType::TextBox, 0, 7);
    device.Load(*mode);

    Enter(*sel, *BitBox(*sel, 5), "1");
    EXPECT_EQ(sel->value, 2);
    EXPECT_EQ(mode->GetValue(0), 32);
    EXPECT_EQ(Text(*text), "2");
    EXPECT_EQ(ValueBoxText(*mode, 0), "32");
    EXPECT_TRUE(link->log.empty());  // without "Load Register On Change"

    state.loadOnChange = true;
    Enter(*sel, *BitBox(*sel, 5), "0");
    EXPECT_EQ(sel->value, 0);
    EXPECT_EQ(Text(*BitBox(*sel, 5)), "0");
    EXPECT_EQ(link->writes(), (std::vector<std::string>{"W 20 0"}));

    view.clearCalls();
    link->log.clear();
    Enter(*sel, *BitBox(*sel, 5), "0");  // already clear: no change, no write
    EXPECT_TRUE(view.calls().empty());
    EXPECT_TRUE(link->log.empty());
}

TEST_F(ChangeChain, AValueWiderThanItsFieldIsRefusedAndLeavesTheNeighboursAlone)
{
    auto reg = device.AddGroup("Pair", "21");
    auto low = device.AddField(reg, "Low", 0, 0, 4, 3);
    auto high = device.AddField(reg, "High", 0, 4, 4, 5);
    auto text = device.AddControl(*low, ControlType::TextBox, 0, 255);
    device.Load(*reg);
    Enter(*low, *text, "20");
    EXPECT_EQ(low->value, 3);
    EXPECT_EQ(high->value, 5);
    EXPECT_EQ(reg->GetValue(0), 0x53);
    EXPECT_EQ(Text(*text), "3");
}

TEST_F(ChangeChain, AReadOnlyGroupChangesOnScreenButWritesNothing)
{
    auto status = device.AddGroup("Status", "30", 1, ControlMode::Parallel, true);
    auto flags = device.AddField(status, "Flags", 0, 0, 8);
    auto text = device.AddControl(*flags, ControlType::TextBox, 0, 255);
    device.Load(*status);
    state.loadOnChange = true;
    Enter(*flags, *text, "9");
    EXPECT_EQ(flags->value, 9);
    EXPECT_EQ(ValueBoxText(*status, 0), "9");
    status->doWrite(state);
    EXPECT_TRUE(link->log.empty());
}

TEST_F(ChangeChain, GroupControlsSetTheWholeRegister)
{
    auto wide = device.AddGroup("Wide", "3F", 2, ControlMode::Series);
    auto top = device.AddField(wide, "Top", 0, 0, 8);
    auto nibble = device.AddField(wide, "Nibble", 1, 4, 4);
    auto total = device.AddControl(*wide, ControlType::TextBox, 0, 4095);
    device.Load(*wide);
    const auto byte0 = RecordsOfType(wide->controls, ControlType::ValueBox)[0];

    Enter(*wide, *total, "291");  // 0x123 over the 12 used bits
    EXPECT_EQ(std::pair(top->value, nibble->value), Values(0x12, 3));
    EXPECT_EQ(ValueBoxText(*wide, 0), "18");
    EXPECT_EQ(ValueBoxText(*wide, 1), "48");
    EXPECT_TRUE(link->log.empty());

    state.loadOnChange = true;
    Enter(*wide, *total, "5000");  // above max: redrawn as it is, and written once more
    EXPECT_EQ(Text(*total), "291");
    EXPECT_EQ(link->writes(), (std::vector<std::string>{"W 3F 18", "W 40 48"}));

    link->log.clear();
    Enter(*wide, *byte0, "255");
    EXPECT_EQ(top->value, 255);
    EXPECT_EQ(Text(*total), "4083");  // 255 * 16 + 3
    EXPECT_EQ(link->writes(), (std::vector<std::string>{"W 3F 255", "W 40 48"}));

    link->log.clear();
    Enter(*wide, *byte0, "255");  // the byte it holds: nothing happens
    EXPECT_TRUE(link->log.empty());
    EXPECT_TRUE(state.eventsEnabled);
}

TEST_F(ChangeChain, AParallelScrollBarStopsWhereTheHighestFieldReachesItsMax)
{
    auto reg = device.AddGroup("Par", "50");
    auto a = device.AddField(reg, "A", 0, 0, 4, 3);
    auto b = device.AddField(reg, "B", 0, 4, 4, 5);
    auto scroll = device.AddControl(*reg, ControlType::Scrollbar, 0, 15);
    device.Load(*reg);
    EXPECT_EQ(device.WidgetOf(*scroll).rangeMax, 13);
    EXPECT_EQ(device.WidgetOf(*scroll).value, 3);
    Enter(*reg, *scroll, "4");
    EXPECT_EQ(std::pair(a->value, b->value), Values(4, 6));
    EXPECT_EQ(ValueBoxText(*reg, 0), "100");  // 6 * 16 + 4
}

TEST_F(ChangeChain, AFailedWriteOnChangeIsReportedAndTheChangeStays)
{
    auto gain = device.AddGroup("Gain", "1A");
    auto level = device.AddField(gain, "Level", 0, 0, 8);
    auto text = device.AddControl(*level, ControlType::TextBox, 0, 255);
    auto total = device.AddControl(*gain, ControlType::TextBox, 0, 255);
    device.Load(*gain);
    state.loadOnChange = true;
    link->failAt = 0x1A;

    Enter(*level, *text, "42");
    ASSERT_EQ(device.dialogs.messages().size(), 1u);
    const Message& message = device.dialogs.messages()[0];
    EXPECT_EQ(message.title, "Error Writing values to Chip A");
    EXPECT_EQ(message.text,
              "Unable to communicate with Chip A to update changed value.\r\n"
              "Uncheck 'Load Register On Change' to prevent this error.");
    EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    EXPECT_EQ(level->value, 42);
    EXPECT_EQ(Text(*text), "42");
    EXPECT_TRUE(state.eventsEnabled);

    Enter(*gain, *total, "7");  // the group path reports it too
    EXPECT_EQ(device.dialogs.messages().size(), 2u);
    EXPECT_EQ(level->value, 7);
}

TEST_F(ChangeChain, ReadingFillsTheRegisterOnlyWhenEveryByteArrived)
{
    auto wide = device.AddGroup("Wide", "3F", 2);
    auto lo = device.AddField(wide, "Lo", 0, 0, 8);
    auto hi = device.AddField(wide, "Hi", 1, 0, 8);
    auto text = device.AddControl(*hi, ControlType::TextBox, 0, 255);
    device.Load(*wide);
    link->registers = {{0x3F, 0x12}, {0x40, 0x34}};

    wide->doRead(state);
    EXPECT_EQ(link->log, (std::vector<std::string>{"R 3F", "R 40"}));
    EXPECT_EQ(std::pair(lo->value, hi->value), Values(0x12, 0x34));
    EXPECT_EQ(Text(*text), "52");
    EXPECT_EQ(ValueBoxText(*wide, 0), "18");

    link->registers = {{0x3F, 0x56}};
    link->failAt = 0x40;
    EXPECT_ANY_THROW(wide->doRead(state));
    EXPECT_EQ(wide->GetValue(0), 0x12);  // the byte read before the failure is not taken alone
    EXPECT_TRUE(state.eventsEnabled);

    state.devInterface = nullptr;
    EXPECT_THROW(wide->doRead(state), ModelError);
}

TEST_F(ChangeChain, ProcessReadAndProcessWriteUseTheCallersArrayFromStart)
{
    auto wide = device.AddGroup("Wide", "3F", 2);
    auto lo = device.AddField(wide, "Lo", 0, 0, 8);
    device.AddField(wide, "Hi", 1, 0, 8);
    device.Load(*wide);
    const std::vector<int16_t> in{9, 1, 2, 3};
    wide->processRead(state, in, 1);
    EXPECT_EQ(lo->value, 1);
    EXPECT_EQ(ValueBoxText(*wide, 1), "2");
    std::vector<int16_t> out(4, 0);
    wide->processWrite(out, 2);
    EXPECT_EQ(out, (std::vector<int16_t>{0, 0, 1, 2}));
    EXPECT_THROW(wide->processWrite(out, 3), ModelError);
    EXPECT_THROW(wide->processRead(state, in, -1), ModelError);
    EXPECT_TRUE(link->log.empty());
}
