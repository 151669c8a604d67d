#pragma once

// Registry script 101: both reader classes and their ProgIDs. The names and
// identifiers are written exactly as the classes have always been
// registered, the ProgID that differs between a class key and its
// version-independent key and the TypeLib value included.
extern const char* const kReaderRegistryScript;
