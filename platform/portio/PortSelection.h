#pragma once

#include <memory>
#include <optional>
#include <string>

#include "AddressList.h"
#include "Ports.h"

namespace portio {

enum class Backend { Auto, Ppdev, Direct, Sim, Null };

// How to open the ports. OptionsFromEnvironment fills it from VELK_PORTIO
// (auto, ppdev, direct, sim, null), VELK_BOARD_STATE (board state file),
// VELK_BOARD_ADDRESSES (the 7-bit addresses that answer) and
// VELK_PORTIO_TRACE (VCD file to record into).
struct PortOptions {
    Backend backend = Backend::Auto;
    std::string boardPath;                  // empty: DefaultBoardPath()
    std::optional<AnsweringSet> answering;  // set on the board when given
    std::string tracePath;                  // empty: no recording
    std::string deviceDir = "/dev";         // where auto and ppdev look for parport0/1
    std::string ioportsPath = "/proc/ioports";
};

// Throws PortError for a value that names nothing.
PortOptions OptionsFromEnvironment();
Backend ParseBackend(const std::string& name);

struct OpenedPorts {
    std::unique_ptr<Ports> ports;
    std::string note;  // which backend and why, when it is not real hardware; empty otherwise
};

// Opens the chosen backend. auto takes ppdev when a port device opens, else
// direct only when a parallel port is listed in the I/O port table and
// access is granted, else the simulated board: a machine without a port is
// never written to. Throws PortError when a named backend cannot open.
OpenedPorts OpenPorts(const PortOptions& options);

}  // namespace portio
