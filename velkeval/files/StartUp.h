#pragma once

#include <string>
#include <vector>

#include "DescriptionWindow.h"
#include "ProgramState.h"
#include "UserDialogs.h"

namespace velk {

// The title of the one-time port access notice.
inline constexpr const char* PortAccessTitle = "Port Access";

// Grants the process its port access, once, before the first link is made.
// The port library's one-time notice (which backend is in use and why) is
// shown as a message only when the backend was not named explicitly
// (VELK_PORTIO unset, empty or "auto"): whoever names one knows it.
void GrantPortAccessAtStartUp(UserDialogs& dialogs);
// Whether VELK_PORTIO names a backend other than "auto".
bool PortBackendNamed();

// The model's side of the window's start-up, in order: the page layout
// defaults, loadOnChange off, empty collections and eventsEnabled off, then
// the description of the command line `arguments` (the words after the
// program name) or else the first device of the default description in the
// program folder, and layoutSaved true. A load fault is reported by the
// loader; a link failure reaches the caller, with layoutSaved already true.
void StartUp(ProgramState& state, DescriptionWindow& window, const std::vector<std::string>& arguments);

}  // namespace velk
