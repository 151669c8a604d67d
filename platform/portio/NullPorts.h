#pragma once

#include <string>
#include <utility>

#include "Ports.h"

namespace portio {

// No hardware: writes go nowhere and every read sees a floating bus (0xFF).
class NullPorts : public Ports {
public:
    void Out2(uint16_t, uint16_t) override {}
    uint16_t Inp2(uint16_t) override { return 0xFF; }
};

// Ports that could not be opened: every operation fails with the reason.
class UnavailablePorts : public Ports {
public:
    explicit UnavailablePorts(std::string reason) : reason_(std::move(reason)) {}
    void Out2(uint16_t, uint16_t) override { throw PortError(reason_); }
    uint16_t Inp2(uint16_t) override { throw PortError(reason_); }

private:
    std::string reason_;
};

}  // namespace portio
