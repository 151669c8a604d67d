#pragma once

#include <iosfwd>

#include "CliOptions.h"
#include "CliSession.h"

namespace velk::cli {

// The commands that move register values between a description's device
// and the chip.

// read FILE [-o VALUES]: every register read, written as a values file.
void RunRead(CliSession& session, const CliOptions& options, std::ostream& out);
// load FILE VALUES: a values file applied and every register written.
void RunLoad(CliSession& session, const CliOptions& options, std::ostream& out);
// get FILE NAME...: the value of each field or register as the chip holds it.
void RunGet(CliSession& session, const CliOptions& options, std::ostream& out);
// set FILE NAME=VALUE...: each field or register changed on the chip.
void RunSet(CliSession& session, const CliOptions& options, std::ostream& out);

}  // namespace velk::cli
