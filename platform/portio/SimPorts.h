#pragma once

#include <string>

#include "Ports.h"
#include "SimBoard.h"

namespace portio {

// Port I/O on the simulated board. The board answers at both bases, so a
// claim of either takes its one transfer lock.
class SimPorts : public Ports {
public:
    explicit SimPorts(const std::string& boardPath) : board_(boardPath) {}

    void Out2(uint16_t port, uint16_t value) override { board_.Out(port, static_cast<uint8_t>(value)); }
    uint16_t Inp2(uint16_t port) override { return board_.In(port); }
    std::optional<BusLines> busLines() override { return board_.lines(); }

    SimBoard& board() { return board_; }

protected:
    void AcquirePort(uint16_t) override
    {
        if (claimedBases_ == 0) board_.BeginTransfer();
        ++claimedBases_;
    }
    void ReleasePort(uint16_t) noexcept override
    {
        if (--claimedBases_ == 0) board_.EndTransfer();
    }

private:
    SimBoard board_;
    unsigned claimedBases_ = 0;
};

}  // namespace portio
