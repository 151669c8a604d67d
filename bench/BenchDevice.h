#pragma once

#include "BenchRegister.h"

namespace velk {
class frmAutoControls;
}

namespace bench {

// Builds the device of `registers` bench registers into the window by hand
// (as the loader would, without a parser) and re-applies the page height.
void BuildBenchDevice(velk::frmAutoControls& window, int registers);

}  // namespace bench
