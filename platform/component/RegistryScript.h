#pragma once

#include <string_view>

#include "RegistryKey.h"

enum class ScriptMode { Register, Unregister };

// Runs a registration script against the machine root. The script language:
//
//   HKCR { NoRemove CLSID { ForceRemove {guid} = s 'Name' { InprocServer32 = s '%MODULE%'
//                                                            { val ThreadingModel = s 'Apartment' } } } }
//
// Roots are HKCR / HKEY_CLASSES_ROOT (the classes root) and HKLM /
// HKEY_LOCAL_MACHINE. A key is an optional flag, a name, an optional default
// value "= s 'text'" or "= d number" and an optional body in braces holding
// named values ("val Name = s 'text'") and sub-keys. Texts are quoted with
// apostrophes ('' stands for one); %MODULE% becomes `modulePath`, %% a "%".
//
// Register mode creates keys and sets values; a ForceRemove key is removed
// first with all below it; a Delete key is removed and not created.
// Unregister mode removes a ForceRemove key whole, and any other key once
// its scripted sub-keys are gone and no others remain, except that a
// NoRemove key always stays. A script that cannot be read raises
// RegistryError before anything is changed.
void RunRegistryScript(std::string_view script, RegistryKey& machineRoot, ScriptMode mode,
                       std::string_view modulePath);
