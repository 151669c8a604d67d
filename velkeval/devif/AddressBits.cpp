#include "AddressBits.h"

#include "Conversions.h"

namespace velk {

std::optional<std::string> EightAddressBits(int16_t address)
{
    std::string bits = IntToBin(address, 8);
    if (bits.size() != 8) return std::nullopt;
    return bits;
}

}  // namespace velk
