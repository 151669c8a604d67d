#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace velk {

// The serial device under the converter link. The device is held only for
// one call: opened with the converter's settings (19200 baud, no parity,
// 8 data bits, 1 stop bit, no handshaking, DTR on, raw binary), what it
// has received thrown away, the bytes written in one piece, closed again.
// So another link, in this process or another, can use the same device
// between two calls.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    // A device that cannot be opened, or is no serial device, is a
    // LinkError naming it; nothing is written then. Empty `bytes` only
    // check that the device opens and take the settings.
    virtual void Transfer(const std::string& device, std::span<const uint8_t> bytes) = 0;
};

}  // namespace velk
