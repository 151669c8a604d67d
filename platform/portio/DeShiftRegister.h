#pragma once

#include <cstdint>
#include <string>

namespace portio {

// The data-enable generator's shift register on the parallel port's data
// lines: data bit 0 is the shift clock, bit 1 the serial data inverted (a
// low line shifts in a 1), bit 2 the latch. A rising clock shifts one bit in;
// a rising latch keeps the last 16 bits as the word. Plain data, so it can
// live in the shared board state.
struct DeShiftRegister {
    uint8_t lines = 0xFF;
    uint16_t shift = 0;
    uint16_t word = 0;
    uint32_t latchCount = 0;

    void WriteData(uint8_t value)
    {
        const auto rising = static_cast<uint8_t>(~lines & value);
        lines = value;
        if (rising & 1) shift = static_cast<uint16_t>(shift << 1 | ((value & 2) == 0 ? 1 : 0));
        if (rising & 4) {
            word = shift;
            ++latchCount;
        }
    }
};

// The word as its 16-character bit string: the first character is the bit
// shifted in last (word bit 0), the last character the bit shifted in first.
std::string DeWordString(uint16_t word);

}  // namespace portio
