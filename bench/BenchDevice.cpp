#include "BenchDevice.h"

#include "frmAutoControls.h"

using namespace velk;

namespace bench {

void BuildBenchDevice(frmAutoControls& window, int registers)
{
    SetDevice(window.state(), "Bench", "10011000", "10011000");
    for (int r = 0; r < registers; ++r) AddGroup(window.state(), BenchRegister(r));
    window.ReapplyMaxHeight();
}

}  // namespace bench
