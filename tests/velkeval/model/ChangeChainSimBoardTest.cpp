#include <gtest/gtest.h>

#include "ControlType.h"
#include "I2CDevInterface.h"
#include "SimPorts.h"
#include "TempDir.h"
#include "TestDevice.h"
#include "WindowCommands.h"

using namespace velk;
using velk::test::RecordsOfType;
using velk::test::TestDevice;

namespace {

constexpr uint8_t Chip = 0x4C;  // 7-bit address of the device at write address 0x98 (10011000)

// The change chain through the parallel-port I2C link to the simulated board.
struct OnTheBoard : ::testing::Test {
    TempDir dir;
    portio::SimPorts ports{dir.file("board")};
    TestDevice device;
    ProgramState& state = device.state;

    OnTheBoard()
    {
        auto link = std::make_shared<I2CDevInterface>(device.dialogs, ports);
        link->Configure("LPTPORT", int64_t{888});
        link->Connect(static_cast<int16_t>(state.currentDevice->BusAddress()));
        state.devInterface = link;
    }

    uint8_t ChipRegister(uint8_t reg) { return ports.board().Registers(Chip)[reg]; }
    std::string Text(const ControlRecord& record) { return device.WidgetOf(record).text; }
    std::shared_ptr<ControlRecord> BitBox(const Field& field, int16_t b)
    {
        for (const auto& record : field.controls)
            if (record->controlType == ControlType::Bit && record->bitIndex == b) return record;
        return nullptr;
    }
};

}  // namespace

TEST_F(OnTheBoard, ReadingATwoByteRegisterAt3FTakesBytes3FAnd40)
{
    ports.board().SetRegister(Chip, 0x3E, 0x99);
    ports.board().SetRegister(Chip, 0x3F, 0x12);
    ports.board().SetRegister(Chip, 0x40, 0x34);
    ports.board().SetRegister(Chip, 0x41, 0x99);
    auto wide = device.AddGroup("Wide", "3F", 2, ControlMode::ReverseSeries);
    device.AddField(wide, "Lo", 0, 0, 8);
    auto hi = device.AddField(wide, "Hi", 1, 0, 8);
    auto total = device.AddControl(*wide, ControlType::TextBox, 0, 32767, "hex");
    auto text = device.AddControl(*hi, ControlType::TextBox, 0, 255);
    device.Load(*wide);

    wide->doRead(state);
    EXPECT_EQ(wide->GetValue(0), 0x12);
    EXPECT_EQ(wide->GetValue(1), 0x34);
    EXPECT_EQ(Text(*total), "3412");
    EXPECT_EQ(Text(*text), "52");
    EXPECT_TRUE(state.eventsEnabled);
}

TEST_F(OnTheBoard, ChangesReachTheChipOnlyWithLoadOnChangeAndNeverForReadOnlyRegisters)
{
    ports.board().SetRegister(Chip, 0x20, 0x0F);
    auto mode = device.AddGroup("Mode", "20");
    auto sel = device.AddField(mode, "Sel", 0, 4, 4);
    auto low = device.AddField(mode, "Low", 0, 0, 4);
    auto text = device.AddControl(*sel, ControlType::TextBox, 0, 255);
    device.Load(*mode);
    ReadAllGroups(state);
    ASSERT_EQ(low->value, 15);

    sel->processChange(state, true, ControlType::Bit, BitBox(*sel, 6)->Index, "1");
    EXPECT_EQ(sel->value, 4);
    EXPECT_EQ(ChipRegister(0x20), 0x0F);  // not written without "Load Register On Change"

    state.loadOnChange = true;
    sel->processChange(state, true, ControlType::Bit, BitBox(*sel, 7)->Index, "1");
    EXPECT_EQ(ChipRegister(0x20), 0xCF);
    sel->processChange(state, true, ControlType::TextBox, text->Index, "300");
    EXPECT_EQ(Text(*text), "12");
    EXPECT_EQ(ChipRegister(0x20), 0xCF);

    auto status = device.AddGroup("Status", "21", 1, ControlMode::Parallel, true);
    auto flags = device.AddField(status, "Flags", 0, 0, 8);
    auto flagsText = device.AddControl(*flags, ControlType::TextBox, 0, 255);
    device.Load(*status);
    flags->processChange(state, true, ControlType::TextBox, flagsText->Index, "77");
    LoadAllGroups(state);
    EXPECT_EQ(ChipRegister(0x21), 0);
    EXPECT_EQ(ChipRegister(0x20), 0xCF);
    EXPECT_TRUE(device.dialogs.messages().empty());
}
