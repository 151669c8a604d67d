#pragma once

#include "BenchRegister.h"

class QWidget;

namespace velk {
class frmAutoControls;
}

namespace bench {

// Builds the device of `registers` bench registers into the window by hand
// (as the loader would, without a parser) and re-applies the page height.
void BuildBenchDevice(velk::frmAutoControls& window, int registers);

// Shows the window and lets it paint (offscreen).
void ShowAndPaint(QWidget& window);

// The CPU time of the whole process so far: the steadier figure on a
// shared machine.
double ProcessCpuMilliseconds();

}  // namespace bench
