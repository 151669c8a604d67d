#pragma once

#include <memory>
#include <string>
#include <vector>

#include "NullPorts.h"
#include "TempDir.h"
#include "TraceReader.h"
#include "TraceRecorder.h"

// Ports with nothing behind them (reads 0xFF) that record every operation,
// for checking the exact port sequences of a link.
struct RecordedNullPorts {
    TempDir dir;
    std::string path = dir.file("trace.vcd");
    portio::TraceRecorder ports{std::make_unique<portio::NullPorts>(), path};
    size_t seen = 0;

    // The operations recorded since the last call.
    std::vector<portio::PortOperation> Take();
};

// The bus the adapter drives, decoded from the port writes: "S" a START,
// "Sr" a repeated START, "P" a STOP, and every nine-clock frame as the two
// hexadecimal digits of its first eight SDA bits; an unfinished frame of
// more than the one clock that a START or STOP brings shows as "bits:n".
std::vector<std::string> BusTokens(const std::vector<portio::PortOperation>& operations);

// The recorded port operations, given as (port, value) writes and
// (port) reads.
portio::PortOperation W(uint16_t port, uint8_t value);
portio::PortOperation R(uint16_t port, uint8_t value = 0xFF);

// Formats operations for a failure message.
std::string Describe(const std::vector<portio::PortOperation>& operations);
