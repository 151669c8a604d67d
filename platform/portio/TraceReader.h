#pragma once

#include <string>
#include <vector>

#include "TraceFormat.h"

namespace portio {

// The port operations of a trace written by TraceRecorder, in order.
// Throws PortError when the file cannot be read or is not such a trace.
std::vector<PortOperation> ReadTrace(const std::string& path);

}  // namespace portio
