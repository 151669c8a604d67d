#pragma once

#include <string>

// The folder of the running program (from /proc/self/exe), or "" when unknown.
std::string ProgramFolder();

// The full path of the shared library or program that holds `address`, or "" when unknown.
std::string ModulePathOf(const void* address);
