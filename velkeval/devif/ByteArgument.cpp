#include "ByteArgument.h"

#include <string>

#include "LinkError.h"

namespace velk {

uint8_t ByteArgument(int16_t value, const char* operation, const char* what)
{
    if (value < 0 || value > 255)
        throw LinkError(std::string(operation) + ": " + what + " " + std::to_string(value) +
                        " does not fit a byte (0..255)");
    return static_cast<uint8_t>(value);
}

}  // namespace velk
