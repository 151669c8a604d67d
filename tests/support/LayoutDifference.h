#pragma once

#include <string>

#include "ProgramState.h"

namespace velk::test {

// The first difference between two loaded or edited devices in what a saved
// description holds, described for a failure message; empty when there is
// none. What the writer leaves out is not compared: the save date, a field's
// current value, the band layout, a Label's caption on other types, a
// Scrollbar's colours and tooltip, a Combo's height, colours that are not
// set, an empty radix (read back as "dec"), list entries of types without a
// list and past max - min, and an entry's colours when they are equal.
std::string LayoutDifference(const ProgramState& edited, const ProgramState& reloaded);

}  // namespace velk::test
