#pragma once

#include <string>
#include <vector>

#include "HandBuiltDevice.h"

namespace bench {

// The entries of every list of a bench register.
inline constexpr int BenchListItems = 16;
std::vector<std::string> BenchListCaptions();

// The register the view, load and save benchmarks build their devices from:
// register r has two bytes with two 4-bit fields each, every field a text
// box and a 16-entry list, and one group text box.
GroupSpec BenchRegister(int r);

// The device of `registers` such registers as a description file text (one
// element per line, TAB indentation, CR LF), device "Bench" at "10011000".
std::string BenchDescription(int registers);

}  // namespace bench
