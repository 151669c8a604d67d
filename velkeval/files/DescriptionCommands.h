#pragma once

#include <string>

#include "DescriptionWindow.h"
#include "ProgramState.h"

namespace velk {

// The File menu's description and values commands and the "Save Changes"
// question. Dialogs and messages go through state.dialogs; `today` is the
// "modified" text a save writes.

// Asks whether to save an unsaved layout change (Yes/No/Cancel). True when
// the caller may go on: no change, No, or Yes with a successful save. Yes
// on the default description stops (the save refuses it); a save that fails
// is reported ("Error: ...", "File Save Error") and stops.
bool QuerySaveChanges(ProgramState& state, DescriptionWindow& window, const std::string& today);

// Asks for a description file and loads its first device.
void doXMLOpen(ProgramState& state, DescriptionWindow& window);

// Saves the description into its own file, as "Save XML" does. A failure
// is reported as the other save commands report theirs ("Error: ...",
// "File Save Error"). Does nothing while no description is loaded.
void SaveXMLCommand(ProgramState& state, DescriptionWindow& window, const std::string& today);

// Asks for a path and saves the description there.
void doXMLSaveAs(ProgramState& state, DescriptionWindow& window, const std::string& today);

// Asks for a values file and applies it to the current device (after
// QuerySaveChanges). Does nothing while no description is loaded.
void doOpen(ProgramState& state, DescriptionWindow& window, const std::string& today);

// Asks for a path and writes the current device's register bytes there.
// Does nothing while no description is loaded.
void doSave(ProgramState& state, DescriptionWindow& window);

}  // namespace velk
