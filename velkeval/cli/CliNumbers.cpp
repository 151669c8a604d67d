#include "CliNumbers.h"

#include <cstdio>

#include "AddressList.h"
#include "CliErrors.h"
#include "Ports.h"

namespace velk::cli {
namespace {

std::string InBase(uint32_t value, unsigned base)
{
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789abcdef"[value % base]);
        value /= base;
    } while (value != 0);
    return digits;
}

}  // namespace

uint32_t ParseOperand(const std::string& text, uint32_t max, const std::string& what)
{
    try {
        return portio::ParseNumber(text, max, what);
    } catch (const portio::PortError& error) {
        throw UsageError(error.what());
    }
}

std::string FormatValue(uint32_t value, const std::string& radix)
{
    if (radix == "dec") return std::to_string(value);
    if (radix == "hex") return "0x" + InBase(value, 16);
    if (radix == "oct") return "0o" + InBase(value, 8);
    if (radix == "bin") return "0b" + InBase(value, 2);
    return FormatValue(value, "dec") + " " + FormatValue(value, "hex");
}

}  // namespace velk::cli
