#pragma once

#include <iosfwd>

#include "CliOptions.h"
#include "CliSession.h"

namespace velk::cli {

// The commands on a chip address without a description. ADDR is the 7-bit
// address, or with --addr8 the 8-bit write address.

// peek ADDR REG: one register byte.
void RunPeek(CliSession& session, const CliOptions& options, std::ostream& out);
// poke ADDR REG VALUE: one register byte written.
void RunPoke(CliSession& session, const CliOptions& options, std::ostream& out);
// dump ADDR: all 256 register bytes as a 16 x 16 table.
void RunDump(CliSession& session, const CliOptions& options, std::ostream& out);
// scan: which 7-bit addresses acknowledge, as a 16-column table ("UU" where
// a kernel driver holds the address).
void RunScan(CliSession& session, const CliOptions& options, std::ostream& out);
// buses: the Linux I2C buses present, one "i2c-N: adapter name" a line.
void RunBuses(CliSession& session, const CliOptions& options, std::ostream& out);

// The first and last 7-bit address scan probes; the addresses below and
// above are reserved by the bus and left blank.
inline constexpr int FirstScannedAddress = 0x08;
inline constexpr int LastScannedAddress = 0x77;

}  // namespace velk::cli
