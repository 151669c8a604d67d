// Register transfers through the Linux I2C link on the fake kernel bus of
// the tests (the simulated board's register files): system calls and time
// per operation. Each WriteByte and ReadByte is one I2C_RDWR call, and a
// ReadBytes of 16 registers is one call where sixteen ReadByte calls make
// sixteen; the bit-banged link on the same board is the reference a byte
// costs over the parallel port.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "FakeI2CBus.h"
#include "I2CDevInterface.h"
#include "LinuxI2CDevInterface.h"
#include "ScriptedDialogs.h"
#include "SimPorts.h"

namespace {

struct BenchBoard {
    std::string path = (std::filesystem::temp_directory_path() / ("velk-i2cdev-bench-" + std::to_string(getpid()))).string();
    ~BenchBoard() { std::filesystem::remove(path); }
};
const BenchBoard benchBoard;

// The link on bus 1 of the fake kernel, connected to the chip at 0x4C.
struct KernelLink {
    portio::SimPorts ports{benchBoard.path};
    FakeI2CBus bus{ports.board(), 1};
    velk::ScriptedDialogs dialogs;
    velk::LinuxI2CDevInterface link{dialogs, bus};
    uint64_t opened = 0;  // the calls of opening the bus
    KernelLink()
    {
        link.Configure("I2CBUS", int64_t{1});
        link.Connect(0x98);
        bus.setRecording(false);
        opened = bus.callCount();
    }
    // System calls per operation, counted over the run.
    void Report(benchmark::State& state)
    {
        state.counters["syscalls_per_op"] = static_cast<double>(bus.callCount() - opened) /
                                            static_cast<double>(state.iterations());
    }
};

void KernelWriteByte(benchmark::State& state)
{
    KernelLink k;
    int16_t value = 0;
    for (auto _ : state) k.link.WriteByte(0x10, static_cast<int16_t>(value++ & 0xFF));
    k.Report(state);
}

void KernelReadByte(benchmark::State& state)
{
    KernelLink k;
    for (auto _ : state) benchmark::DoNotOptimize(k.link.ReadByte(0x10));
    k.Report(state);
}

void KernelReadBytes16(benchmark::State& state)
{
    KernelLink k;
    std::vector<int16_t> values(16);
    for (auto _ : state) {
        k.link.ReadBytes(0x10, values);
        benchmark::DoNotOptimize(values.data());
    }
    k.Report(state);
}

void KernelSixteenReadByte(benchmark::State& state)
{
    KernelLink k;
    for (auto _ : state)
        for (int16_t reg = 0x10; reg < 0x20; ++reg) benchmark::DoNotOptimize(k.link.ReadByte(reg));
    k.Report(state);
}

void ParallelReadByte(benchmark::State& state)
{
    portio::SimPorts ports{benchBoard.path};
    velk::ScriptedDialogs dialogs;
    velk::I2CDevInterface link{dialogs, ports};
    link.Configure("LPTPORT", int64_t{888});
    link.Connect(0x98);
    for (auto _ : state) benchmark::DoNotOptimize(link.ReadByte(0x10));
}

}  // namespace

BENCHMARK(KernelWriteByte);
BENCHMARK(KernelReadByte);
BENCHMARK(KernelReadBytes16);
BENCHMARK(KernelSixteenReadByte);
BENCHMARK(ParallelReadByte);
BENCHMARK_MAIN();
