#pragma once

#include <optional>
#include <string>
#include <vector>

#include "UsbBus.h"
#include "UserDialogs.h"

namespace velk {

// Board n is named "ezusb-" + n, n from 0 to 31.
inline constexpr int UsbBoardNames = 32;
std::string UsbDriverName(int n);
// The n of a driver name; nothing for an empty or malformed name.
std::optional<int> UsbDriverNumber(const std::string& name);

// The identify exchange on an open board: its firmware name, " Version ",
// major "." minor; empty when the board does not answer it.
std::string IdentifyFirmware(UsbBoard* board);

// What the selection dialog lists: every board of "ezusb-0" .. "ezusb-31"
// that opens and identifies, with its number.
std::vector<UsbBoardEntry> DetectBoards(UsbBus& bus);

}  // namespace velk
