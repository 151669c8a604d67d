#pragma once

#include <cstdint>
#include <string>

namespace portio {

// The two parallel port bases the programs use.
inline constexpr uint16_t Lpt1Base = 888;  // 0x378
inline constexpr uint16_t Lpt2Base = 632;  // 0x278
inline constexpr uint16_t EcpOffset = 0x400;

// Which register of a parallel port a port number names.
enum class PortRegister : uint8_t { Data, Status, Control, EcpFifo, EcpConfigB, EcpControl, Other };

struct PortLocation {
    uint16_t base = 0;  // Lpt1Base or Lpt2Base, 0 for Other
    PortRegister reg = PortRegister::Other;
};

// Places a port on LPT 1 or LPT 2: base .. base + 2 and base + 0x400 ..
// base + 0x402; any other port is Other.
PortLocation LocatePort(uint16_t port);

// The register's name in traces and messages ("data", "ecp-control", ...).
const char* RegisterName(PortRegister reg);

// A port number as four hexadecimal digits ("0x0378").
std::string PortHex(uint16_t port);

}  // namespace portio
