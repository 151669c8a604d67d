#pragma once

#include <string>

#include "DescriptionWindow.h"
#include "ProgramState.h"

namespace velk {

// Applies the register values of values file `path` to the current device,
// line by line, with the register view hidden meanwhile; sets
// state.valuesFileMatch when the file names the current device. A file that
// cannot be read or is not well-formed is a FileError naming the file, the
// parser's message, line and column; the lines applied before it stay.
void ReadValuesFile(ProgramState& state, DescriptionWindow& window, const std::string& path);

}  // namespace velk
