#pragma once

#include <iosfwd>

#include "CliOptions.h"
#include "CliSession.h"

namespace velk::cli {

// The commands on a description alone, without the chip.

// devices FILE: one line per device, its name and address pattern.
void RunDevices(CliSession& session, const CliOptions& options, std::ostream& out);
// registers FILE [--json]: the register map of the device.
void RunRegisters(CliSession& session, const CliOptions& options, std::ostream& out);
// save FILE OUT: the device saved through the window's saver, the other
// devices of FILE copied.
void RunSave(CliSession& session, const CliOptions& options, std::ostream& out);

}  // namespace velk::cli
