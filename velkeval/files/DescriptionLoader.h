#pragma once

#include <string>

#include "DescriptionWindow.h"
#include "ProgramState.h"

namespace velk {

// ClearAll with the window's share: edit mode left and "Load Register On
// Change" un-checked.
void ClearWindow(ProgramState& state, DescriptionWindow& window);

// Loads device `deviceName` (empty: the first device) of description
// `fileName` into a cleared model and window, fills the device menus with
// every device of the file, re-applies the page height and re-creates the
// link. A file that cannot be read, is not well-formed or breaks the
// format's rules is reported with one "File Open Error" message; the groups
// finished before the fault stay, the window stays usable and the link is
// still re-created. A link failure reaches the caller.
void ParseFile(ProgramState& state, DescriptionWindow& window, const std::string& fileName,
               const std::string& deviceName);

}  // namespace velk
