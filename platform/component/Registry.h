#pragma once

#include <functional>
#include <string>

#include "RegistryKey.h"

// The machine's component registry (the stand-in for the local-machine root),
// kept in one text file: VELK_COMPONENT_REGISTRY when set, else
// $XDG_CONFIG_HOME/velk/component-registry (~/.config when XDG_CONFIG_HOME is unset).
std::string RegistryFilePath();

// The classes root below the machine root.
inline constexpr const char* kClassesRoot = "SOFTWARE\\Classes";

// A snapshot of the registry; empty when the file does not exist yet.
// Raises RegistryError when the file cannot be read or understood.
RegistryKey ReadRegistry();

// Reads the registry, lets `change` modify it and writes it back, holding an
// exclusive lock on "<file>.lock" across all three steps so that concurrent
// processes never lose each other's changes. The new file is written beside
// the old one and renamed over it, so a crash leaves one or the other whole.
// When `change` throws, nothing is written. Raises RegistryError.
void UpdateRegistry(const std::function<void(RegistryKey& root)>& change);
