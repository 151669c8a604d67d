#pragma once

#include <string>

#include "ProcessStarter.h"

namespace velk {

// The command line that opens device `deviceName` of description `fileName`
// in a new process of this program (`programPath`): "-open", the file and
// the device, each blank in them written as "~spc" so that each stays one
// word.
ProgramStart NewWindowStart(const std::string& programPath, const std::string& fileName,
                            const std::string& deviceName);

}  // namespace velk
