#pragma once

#include <cstdint>

namespace velk {

// A register or value given to a link operation as the byte it stands for;
// outside 0..255 it is a LinkError naming the operation, raised before
// anything reaches the bus.
uint8_t ByteArgument(int16_t value, const char* operation, const char* what);

}  // namespace velk
