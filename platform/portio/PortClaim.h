#pragma once

#include <cstdint>

#include "Ports.h"

namespace portio {

// Claims the port at base for the lifetime of the object (see Ports::Claim):
// one transfer's worth of operations that no other process interleaves.
class PortClaim {
public:
    PortClaim(Ports& ports, uint16_t base) : ports_(ports), base_(base) { ports_.Claim(base_); }
    ~PortClaim() { ports_.Release(base_); }
    PortClaim(const PortClaim&) = delete;
    PortClaim& operator=(const PortClaim&) = delete;

private:
    Ports& ports_;
    uint16_t base_;
};

}  // namespace portio
