#pragma once

#include <string>
#include <vector>

#include "HandBuiltDevice.h"

// The register the view and save benchmarks build their devices from.
inline constexpr int BenchListItems = 16;

// The captions of every list of a bench register.
std::vector<std::string> BenchListCaptions();

// Register r: two bytes, two 4-bit fields per byte, each with a text box
// and a list; one group text box.
GroupSpec BenchRegister(int r);
