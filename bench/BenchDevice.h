#pragma once

#include <string>
#include <vector>

#include "HandBuiltDevice.h"

namespace velk {
class frmAutoControls;
}

namespace bench {

// The device the view benchmarks build: register r has two bytes with two
// 4-bit fields each, every field a text box and a 16-entry list, and one
// group text box.
GroupSpec BenchRegister(int r);
std::vector<std::string> BenchListCaptions();

// Builds that device of `registers` registers into the window by hand (as
// the loader would, without a parser) and re-applies the page height.
void BuildBenchDevice(velk::frmAutoControls& window, int registers);

// The same device as a description file text (one element per line, TAB
// indentation, CR LF), device "Bench" at address "10011000".
std::string BenchDescription(int registers);

}  // namespace bench
