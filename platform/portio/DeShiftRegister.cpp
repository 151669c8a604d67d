#include "DeShiftRegister.h"

namespace portio {

std::string DeWordString(uint16_t word)
{
    std::string text(16, '0');
    for (int bit = 0; bit < 16; ++bit)
        if ((word >> bit) & 1) text[static_cast<size_t>(bit)] = '1';
    return text;
}

}  // namespace portio
