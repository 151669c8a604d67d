#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velk {

// The address as eight binary digits, or nothing when it needs more (above
// 255): what the parallel links keep of the address given to Connect.
std::optional<std::string> EightAddressBits(int16_t address);

}  // namespace velk
