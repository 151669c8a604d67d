#pragma once

#include <iosfwd>

#include "CliOptions.h"
#include "CliSession.h"

namespace velk::cli {

// boards: the USB boards the selection dialog would list, one a line: the
// board number (as --link usb:N takes it), its driver name and firmware.
void RunBoards(CliSession& session, const CliOptions& options, std::ostream& out);

}  // namespace velk::cli
