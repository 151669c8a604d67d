#include "RecordingLink.h"

#include "Conversions.h"
#include "LinkError.h"

namespace velk::test {

bool RecordingLink::Connect(int16_t address)
{
    log.push_back("Connect " + std::to_string(address));
    return true;
}

void RecordingLink::FailWhenAsked(int16_t reg) const
{
    if (failAt == reg) throw LinkError("The chip does not answer at register " + Hex16(reg));
}

void RecordingLink::WriteByte(int16_t reg, int16_t value)
{
    FailWhenAsked(reg);
    log.push_back("W " + AddressHex(reg) + " " + std::to_string(value));
    registers[reg] = value;
}

uint8_t RecordingLink::ReadByte(int16_t reg)
{
    FailWhenAsked(reg);
    log.push_back("R " + AddressHex(reg));
    return static_cast<uint8_t>(registers[reg]);
}

std::vector<std::string> RecordingLink::writes() const
{
    std::vector<std::string> found;
    for (const auto& entry : log)
        if (entry.rfind("W ", 0) == 0) found.push_back(entry);
    return found;
}

}  // namespace velk::test
