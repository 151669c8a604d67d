#pragma once

#include <cstdint>

namespace velk {

// A register, value or address given to a link as one byte: 0..255, else a
// LinkError naming the operation and the argument, raised before anything
// reaches the hardware.
uint8_t ByteArgument(int16_t value, const char* operation, const char* what);

}  // namespace velk
