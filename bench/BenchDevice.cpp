#include "BenchDevice.h"

#include <ctime>

#include <QCoreApplication>
#include <QTest>

#include "frmAutoControls.h"

using namespace velk;

namespace bench {

void BuildBenchDevice(frmAutoControls& window, int registers)
{
    SetDevice(window.state(), "Bench", "10011000", "10011000");
    for (int r = 0; r < registers; ++r) AddGroup(window.state(), BenchRegister(r));
    window.ReapplyMaxHeight();
}

void ShowAndPaint(QWidget& window)
{
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    QCoreApplication::processEvents();
}

double ProcessCpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

}  // namespace bench
