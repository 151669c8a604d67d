#pragma once

#include <string>
#include <string_view>

#include "RegistryKey.h"

// The registry file's text form: one "[path]" line per key (every key, so
// empty keys survive), followed by its values as `@="text"` (the default
// value), `"name"="text"` or `"name"=dword:0000002a`. In quoted text, \\ \"
// \n and \r stand for themselves. Lines starting with ";" are comments.
std::string FormatRegistry(const RegistryKey& root);
// Raises RegistryError naming the line that cannot be read.
RegistryKey ParseRegistry(std::string_view text);
