#pragma once

#include "SerialPort.h"

namespace velk {

// SerialPort through the system's termios. Holders of the device take an
// exclusive flock on it for the call, so two packets never interleave.
// Settings a device cannot take are skipped, not failures: a
// pseudo-terminal has no DTR line, and the kernel sizes the receive and
// transmit buffers itself. The HUPCL flag is cleared, so closing the
// device between packets does not drop DTR.
class TermiosSerialPort : public SerialPort {
public:
    void Transfer(const std::string& device, std::span<const uint8_t> bytes) override;
};

}  // namespace velk
