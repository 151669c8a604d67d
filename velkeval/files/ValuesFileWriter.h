#pragma once

#include <string>

#include "Group.h"
#include "ProgramState.h"
#include "XmlLines.h"

namespace velk {

// Writes the current device's register values into a values file: a
// "devicevalues" element with one "registerval" row per register byte of
// every group, in the groups' order. The file is written under a temporary
// name, flushed and renamed into place; throws FileError on any failure,
// leaving a previous file at `path` untouched.
void WriteValuesFile(const ProgramState& state, const std::string& path);

// The group's "registerval" rows: one per register byte, the address of
// base + i in upper-case hexadecimal without leading zeros, the byte in
// decimal.
void SaveValuesToFile(XmlLines& out, const Group& group, int depth);

}  // namespace velk
