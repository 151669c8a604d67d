#include "DeWord.h"

#include "PortClaim.h"

namespace syncdelay {
namespace {

constexpr uint16_t ClockLow = 24;  // bits 3 and 4 high, clock, data line and latch low
constexpr uint16_t Latch = 28;
constexpr uint16_t Clock = 1;
constexpr uint16_t DataLine = 2;

void WriteData(portio::Ports& ports, uint16_t base, uint16_t data)
{
    ports.Out2(base, data);
    StrobePulse(ports, base);
}

}  // namespace

std::string BitString(int value, int count)
{
    std::string bits;
    for (int k = 0; k < count; ++k) bits += (value & (1 << k)) ? '1' : '0';
    return bits;
}

std::string DeWordBits(int hsyncDelay, int vsyncDelay, bool hsyncActiveHigh, bool vsyncActiveHigh)
{
    return BitString(hsyncDelay, 8) + BitString(vsyncDelay, 6) + (hsyncActiveHigh ? "1" : "0") +
           (vsyncActiveHigh ? "1" : "0");
}

void StrobePulse(portio::Ports& ports, uint16_t base)
{
    const auto control = static_cast<uint16_t>(base + 2);
    ports.Out2(control, 1);
    ports.Out2(control, 0);
    ports.Out2(control, 1);
}

void ShiftOutWord(portio::Ports& ports, const std::string& bits, uint16_t base)
{
    portio::PortClaim claim(ports, base);
    uint16_t data = ClockLow;
    WriteData(ports, base, data);
    bool lineHigh = false;
    for (auto character = bits.rbegin(); character != bits.rend(); ++character) {
        const bool wantHigh = *character != '1';
        if (wantHigh != lineHigh) {
            data = static_cast<uint16_t>(wantHigh ? data + DataLine : data - DataLine);
            WriteData(ports, base, data);
            lineHigh = wantHigh;
        }
        WriteData(ports, base, data + Clock);
        WriteData(ports, base, data);
    }
    WriteData(ports, base, Latch);
}

}  // namespace syncdelay
