#pragma once

#include <cstdint>
#include <string>

#include "Ports.h"

namespace syncdelay {

// The parallel port the data-enable generator's shift register hangs on.
inline constexpr uint16_t DePortBase = 888;

// count characters "0"/"1": bit 0 of value first, bit count - 1 last.
std::string BitString(int value, int count);

// The 16-character word of the generator's settings: the low 8 bits of the
// Hsync delay and the low 6 bits of the Vsync delay, each least significant
// first, then the Hsync and the Vsync polarity ("1" for active high).
std::string DeWordBits(int hsyncDelay, int vsyncDelay, bool hsyncActiveHigh, bool vsyncActiveHigh);

// 1, 0, 1 on the strobe line (control register bit 0).
void StrobePulse(portio::Ports& ports, uint16_t base = DePortBase);

// Shifts bits out through the data register, last character first, every
// data write followed by a strobe pulse, and latches it; the whole word
// under one port claim. Data bit 0 is the clock, bit 1 the serial data
// inverted (a "1" drives the line low), bit 2 the latch, bits 3 and 4 stay
// high. Throws portio::PortError when the port fails.
void ShiftOutWord(portio::Ports& ports, const std::string& bits, uint16_t base = DePortBase);

}  // namespace syncdelay
