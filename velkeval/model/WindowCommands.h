#pragma once

#include <array>
#include <cstdint>

#include "ProgramState.h"

namespace velk {

// The Qt-free part of the main window's commands, which the window calls.

// "Read": doRead of every group in order. Nothing happens without a current
// device. The first group whose link fails stops the loop with the message
// "Error Reading Values from device <name>"; the groups read so far keep
// their values.
void ReadAllGroups(ProgramState& state);

// "Load": the same with doWrite and "Error Writing Values to device <name>".
void LoadAllGroups(ProgramState& state);

// A click on device address bit box (0 = least significant): flips the bit
// of currAddress where the address pattern lets the user choose it, and
// reconnects an existing link to the new address. Link failures reach the
// caller. Returns whether the bit changed.
bool ClickAddressBit(ProgramState& state, int box);

// The page heights of the "Max Height" entries "Short", "Normal", "Tall" and
// "No Tabs".
inline constexpr std::array<int16_t, 4> MaxHeightChoices{3000, 6000, 9000, 30000};

// The page height command: maxPageHeight := height, every page back to the
// top, and the whole view laid out again from the first group on page 1
// (tabs captioned by address ranges); the selection mark hidden on page 1
// and currentGroup none.
void ApplyMaxPageHeight(ProgramState& state, int16_t height);

// Discards the loaded model and its widgets: every group destroyed and
// removed, the registry emptied, the templates back on the window, one page
// "Tab1" left, the layout reset (maxPageHeight 8000), no current objects,
// no link, loadOnChange off.
void ClearAll(ProgramState& state);

}  // namespace velk
