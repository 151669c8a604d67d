#pragma once

#include "Ports.h"

namespace portio {

// Direct port I/O (outb/inb) on base .. base + 2 and base + 0x400 ..
// base + 0x402 of LPT 1 and LPT 2, granted by ioperm (root or
// CAP_SYS_RAWIO). Any other port is a failure, never an unguarded access.
class DirectPorts : public Ports {
public:
    // Throws PortError when the kernel refuses the access.
    DirectPorts();
    ~DirectPorts() override;
    DirectPorts(const DirectPorts&) = delete;
    DirectPorts& operator=(const DirectPorts&) = delete;

    void Out2(uint16_t port, uint16_t value) override;
    uint16_t Inp2(uint16_t port) override;
};

}  // namespace portio
