#pragma once

#include <string>

#include "Ports.h"
#include "SimBoard.h"

namespace portio {

// Port I/O on the simulated board.
class SimPorts : public Ports {
public:
    explicit SimPorts(const std::string& boardPath) : board_(boardPath) {}

    void Out2(uint16_t port, uint16_t value) override { board_.Out(port, static_cast<uint8_t>(value)); }
    uint16_t Inp2(uint16_t port) override { return board_.In(port); }
    std::optional<BusLines> busLines() override { return board_.lines(); }

    SimBoard& board() { return board_; }

private:
    SimBoard board_;
};

}  // namespace portio
