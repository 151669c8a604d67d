#pragma once

#include <array>

#include "PortLockFile.h"
#include "Ports.h"

namespace portio {

// Direct port I/O (outb/inb) on base .. base + 2 and base + 0x400 ..
// base + 0x402 of LPT 1 and LPT 2, granted by ioperm (root or
// CAP_SYS_RAWIO). Any other port is a failure, never an unguarded access.
// Processes share a port through its lock file (PortLockPath), held while
// a claim lasts.
class DirectPorts : public Ports {
public:
    // Throws PortError when the kernel refuses the access or a lock file
    // cannot be opened.
    DirectPorts();
    ~DirectPorts() override;
    DirectPorts(const DirectPorts&) = delete;
    DirectPorts& operator=(const DirectPorts&) = delete;

    void Out2(uint16_t port, uint16_t value) override;
    uint16_t Inp2(uint16_t port) override;

protected:
    void AcquirePort(uint16_t base) override;
    void ReleasePort(uint16_t base) noexcept override;

private:
    PortLockFile& LockFor(uint16_t base);

    std::array<PortLockFile, 2> locks_;  // LPT 1, LPT 2
};

}  // namespace portio
