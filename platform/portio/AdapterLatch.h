#pragma once

#include <cstdint>

namespace portio {

// The parallel-port I2C adapter's outputs: on each rising edge of control
// bit 0 (the strobe) it latches SCL from data bit 0 and SDA from data bit 1;
// while control bit 2 (read mode) is set its SDA driver is released. Plain
// data, so it can live in the shared board state.
struct AdapterLatch {
    uint8_t data = 0xFF;
    uint8_t control = 0;
    uint8_t scl = 1;
    uint8_t sda = 1;

    void WriteData(uint8_t value) { data = value; }
    void WriteControl(uint8_t value)
    {
        const bool strobeRises = (control & 1) == 0 && (value & 1) != 0;
        control = value;
        if (strobeRises) {
            scl = data & 1;
            sda = (data >> 1) & 1;
        }
    }
    bool readMode() const { return (control & 4) != 0; }
    // The level the adapter puts on SDA: its latch, or high when released.
    uint8_t sdaDrive() const { return readMode() ? 1 : sda; }
};

}  // namespace portio
