#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HandBuiltDevice.h"
#include "I2CDevInterface.h"
#include "ScriptedDialogs.h"
#include "SimPorts.h"
#include "TempDir.h"
#include "frmAutoControls.h"

// A shown main window whose link drives the simulated board: the chip at
// write address 0x98 (0x4C on the bus) answers.
struct WindowOnBoard : ::testing::Test {
    static constexpr uint8_t Chip = 0x4C;

    TempDir dir;
    portio::SimPorts ports{dir.file("board")};
    velk::ScriptedDialogs dialogs;
    velk::frmAutoControls window{dialogs};
    velk::ProgramState& state = window.state();
    velk::QtRegisterView& view = window.view();

    void SetUp() override;

    // A device "Panel" at 10011000 with its link connected.
    void ConnectDevice(const std::string& pattern = "10011000");
    uint8_t ChipRegister(uint8_t reg) { return ports.board().Registers(Chip)[reg]; }

    // What the widget of a record shows.
    std::string Shown(const velk::ControlRecord& record) const { return view.shownText(velk::WidgetOf(record)); }
    // The record of a field or group control by type, the n-th of that type.
    static std::shared_ptr<velk::ControlRecord> Control(const velk::ControlRecCollection& controls, int32_t type,
                                                        int n = 0);
    // Clicks a drawn bit box as the user would.
    void ClickDrawn(const velk::ControlRecord& record);
    // Replaces a text box's text by typing, one key at a time.
    static void TypeInto(QWidget& box, const QString& text);
};
