#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "ProgramState.h"

namespace velk {

// The next text of a device address bit box: "0", "1", "x", "0", ...;
// any other text becomes "0".
std::string NextAddressBitText(std::string_view text);

// The device properties dialog's items and commands on currentDevice: its
// name and its address pattern, one box per bit. Messages go through the
// state's dialogs.
class DeviceEditor {
public:
    // Opens on currentDevice; otherDevices are the names of the file's other
    // devices (and of those made in the window), which the device may not take.
    DeviceEditor(ProgramState& state, std::vector<std::string> otherDevices);

    std::string name;
    // Box i shows address bit i (0 = least significant).
    const std::string& bitBox(int i) const { return boxes_.at(static_cast<size_t>(i)); }
    // The pattern being edited, most significant bit first.
    const std::string& addressText() const { return addressText_; }

    // A click on box i steps it and rebuilds the address text.
    void ClickBit(int i);
    // OK: refuses an empty name or one of another device with a message and
    // answers false; otherwise writes the pattern, the current address (the
    // pattern with every "x" as "0") and the name, and answers true.
    bool Ok();

private:
    ProgramState& state_;
    std::vector<std::string> otherDevices_;
    std::array<std::string, 8> boxes_;
    std::string addressText_;
};

}  // namespace velk
