#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace portio {

// The velk-board command line (arguments after the program name): inspects
// and sets the simulated board. Returns the exit code; output and errors go
// to the given streams.
int RunBoardTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// The tool's usage text.
const char* BoardToolUsage();

}  // namespace portio
