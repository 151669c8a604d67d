#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace portio {

// A failure of port access: a port the backend cannot reach, a device that
// cannot be opened, a board state file that cannot be mapped.
class PortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The I2C bus levels as they are on the wires (1 = high).
struct BusLines {
    uint8_t scl = 1;
    uint8_t sda = 1;
};

// Byte-wide PC I/O ports. Out2 writes the low 8 bits of value before it
// returns, Inp2 returns the byte read in the low 8 bits, and calls take
// effect in call order.
class Ports {
public:
    virtual ~Ports() = default;
    virtual void Out2(uint16_t port, uint16_t value) = 0;
    virtual uint16_t Inp2(uint16_t port) = 0;

    // The real bus levels, where the backend knows them (the simulated
    // board); other backends leave the recorder to decode the port writes.
    virtual std::optional<BusLines> busLines() { return std::nullopt; }

    // Holds the parallel port at base for this process until the matching
    // Release, so no other process's traffic comes between this one's
    // operations. Claims nest: only the outermost claim of a base takes the
    // port and only its release gives it back. Claim waits while another
    // process holds the port and throws PortError when it cannot be had.
    // An operation outside any claim claims its port for itself. A Ports
    // object serves one thread.
    void Claim(uint16_t base);
    void Release(uint16_t base) noexcept;

protected:
    // The backend's own taking and giving back of the port, for the
    // outermost claim; the default has nothing to share.
    virtual void AcquirePort(uint16_t /*base*/) {}
    virtual void ReleasePort(uint16_t /*base*/) noexcept {}

private:
    struct Held {
        uint16_t base;
        unsigned depth;
    };
    std::vector<Held> held_;
};

}  // namespace portio
