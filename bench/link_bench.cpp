// Port operations per second through each backend (trace off), the
// simulated board's own cost per operation, and register transfers through
// I2CDevInterface on the board beside a bare Out2/Inp2 loop of the same 347
// operations one register write makes. Goals: the board sustains 20 million
// port operations per second, and the link costs no more than one call per
// port operation over the bare loop.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <unistd.h>

#include "I2CDevInterface.h"
#include "NullPorts.h"
#include "PortSelection.h"
#include "ScriptedDialogs.h"
#include "SimPorts.h"

namespace {

// A board state file of this run's own, removed at the end.
struct BenchBoard {
    std::string path = (std::filesystem::temp_directory_path() / ("velk-link-bench-" + std::to_string(getpid()))).string();
    ~BenchBoard() { std::filesystem::remove(path); }
};
const BenchBoard benchBoard;

// Alternating data and control writes, as the link's bus steps are.
template <class Out>
void OutLoop(benchmark::State& state, Out out)
{
    uint16_t value = 0;
    for (auto _ : state) {
        out(888, static_cast<uint8_t>(28 + (value & 3)));
        out(890, static_cast<uint8_t>(10 + (value & 1)));
        ++value;
    }
    state.counters["port_ops_per_s"] = benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                                                          benchmark::Counter::kIsRate);
}

void PortLoop(benchmark::State& state, portio::Ports& ports)
{
    OutLoop(state, [&ports](uint16_t port, uint8_t value) { ports.Out2(port, value); });
}

// A bit-banged link on the board, connected to the chip at 0x4C.
struct BoardLink {
    portio::SimPorts ports{benchBoard.path};
    velk::ScriptedDialogs dialogs;
    velk::I2CDevInterface link{dialogs, ports};
    BoardLink()
    {
        link.Configure("LPTPORT", int64_t{888});
        link.Connect(0x98);
    }
};

void PortOpsNull(benchmark::State& state)
{
    portio::NullPorts ports;
    PortLoop(state, ports);
}

void PortOpsSim(benchmark::State& state)
{
    portio::SimPorts ports(benchBoard.path);
    PortLoop(state, ports);
}

// Real hardware when this machine has a usable port (ppdev or direct).
void PortOpsRealPort(benchmark::State& state)
{
    portio::PortOptions options;
    options.boardPath = benchBoard.path;
    auto opened = portio::OpenPorts(options);
    if (!opened.note.empty()) {
        state.SkipWithError(opened.note.c_str());
        return;
    }
    PortLoop(state, *opened.ports);
}

// The board's own work per operation, without the Ports call.
void SimBoardOperation(benchmark::State& state)
{
    portio::SimBoard board(benchBoard.path);
    OutLoop(state, [&board](uint16_t port, uint8_t value) { board.Out(port, value); });
}

// What one WriteByte costs at the port alone: 344 writes and 3 status reads.
void BareLoopOfOneRegisterWrite(benchmark::State& state)
{
    portio::SimPorts ports(benchBoard.path);
    for (auto _ : state) {
        for (int i = 0; i < 344; ++i) ports.Out2(i % 4 == 0 ? 888 : 890, static_cast<uint16_t>(10 + (i & 1)));
        for (int i = 0; i < 3; ++i) benchmark::DoNotOptimize(ports.Inp2(889));
    }
    state.counters["register_writes_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void WriteByteOnSim(benchmark::State& state)
{
    BoardLink board;
    int16_t value = 0;
    for (auto _ : state) board.link.WriteByte(0x10, value++ & 0xFF);
    state.counters["register_writes_per_s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Reading a whole 256-register chip through ReadByte.
void ReadChipOnSim(benchmark::State& state)
{
    BoardLink board;
    for (auto _ : state)
        for (int16_t reg = 0; reg < 256; ++reg) benchmark::DoNotOptimize(board.link.ReadByte(reg));
    state.counters["register_reads_per_s"] =
        benchmark::Counter(256.0 * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

BENCHMARK(PortOpsNull);
BENCHMARK(PortOpsSim);
BENCHMARK(PortOpsRealPort);
BENCHMARK(SimBoardOperation);
BENCHMARK(BareLoopOfOneRegisterWrite)->Unit(benchmark::kMicrosecond);
BENCHMARK(WriteByteOnSim)->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadChipOnSim)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
