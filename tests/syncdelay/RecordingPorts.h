#pragma once

#include <cstdint>
#include <utility>
#include <vector>

#include "NullPorts.h"

// Ports that keep every write as (port, value) and count the outermost claims.
class RecordingPorts : public portio::NullPorts {
public:
    std::vector<std::pair<uint16_t, uint16_t>> writes;
    int claims = 0;

    void Out2(uint16_t port, uint16_t value) override { writes.emplace_back(port, value); }

    // The values written to one port, in order.
    std::vector<int> ValuesAt(uint16_t port) const
    {
        std::vector<int> values;
        for (const auto& [written, value] : writes)
            if (written == port) values.push_back(value);
        return values;
    }

protected:
    void AcquirePort(uint16_t) override { ++claims; }
};
