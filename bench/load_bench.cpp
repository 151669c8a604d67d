// Loading a description in the real window (offscreen): the 1000- and
// 10000-register devices of view_bench written as description files, from
// ParseFile until the window is shown, beside view_bench's own build of the
// same device without the parser, to show what parsing and loading add to
// the view's own cost. Also the generator's description of sax_bench,
// loaded the same way.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <utility>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QTest>

#include "BenchDevice.h"
#include "DescriptionLoader.h"
#include "DescriptionWindow.h"
#include "DeviceDescriptionGenerator.h"
#include "SaxFileReader.h"
#include "ScriptedDialogs.h"
#include "TempDir.h"
#include "frmAutoControls.h"

using namespace velk;
using bench::ProcessCpuMilliseconds;
using bench::ShowAndPaint;

namespace {

// The window's side of a load, reduced to what the benchmark needs: the
// caption and the page height; no menus and no link.
class BenchDescriptionWindow : public DescriptionWindow {
public:
    explicit BenchDescriptionWindow(frmAutoControls& window) : window_(window) {}
    std::string caption() const override { return window_.windowTitle().toStdString(); }
    void setCaption(const std::string& text) override { window_.setWindowTitle(QString::fromStdString(text)); }
    void addDeviceEntry(int16_t) override {}
    void removeDeviceEntry(int16_t) override {}
    void setDeviceEntry(int16_t, const std::string&, bool) override {}
    void checkDeviceEntry(int16_t, bool) override {}
    void BuildAddress() override { window_.BuildAddress(); }
    void setRegisterViewVisible(bool) override {}
    void ReapplyMaxHeight() override { window_.ReapplyMaxHeight(); }
    void ReopenLink() override {}
    std::string programFolder() const override { return {}; }

private:
    frmAutoControls& window_;
};

const TempDir& Folder()
{
    static const TempDir folder;
    return folder;
}

std::string WrittenOnce(const std::string& name, const std::string& text)
{
    const std::string path = Folder().file(name);
    if (!std::ifstream(path)) std::ofstream(path, std::ios::binary) << text;
    return path;
}

// One timed build: wall and CPU milliseconds, and the registers built.
struct BuildTime {
    double wallMs;
    double cpuMs;
    int registers;
};

// Builds a new window with `build` and shows it; the window's destruction is
// not counted. CPU time is the steadier figure on a shared machine.
template <class Build>
BuildTime TimedWindowBuild(benchmark::State& state, Build build)
{
    ScriptedDialogs dialogs;
    auto window = std::make_unique<frmAutoControls>(dialogs);
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = ProcessCpuMilliseconds();
    build(*window);
    ShowAndPaint(*window);
    const double cpu = ProcessCpuMilliseconds() - cpuStart;
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (!dialogs.messages().empty()) state.SkipWithError(dialogs.messages().front().text.c_str());
    const int registers = window->state().allGroups.count();
    window.reset();
    QCoreApplication::processEvents();
    return {took.count(), cpu, registers};
}

void LoadThroughParseFile(frmAutoControls& window, const std::string& path)
{
    BenchDescriptionWindow description(window);
    ParseFile(window.state(), description, path, "");
}

// view_bench's build of the device and ParseFile of its description, taken
// in turn so that both see the same machine load. Two figures of the
// overhead: the fastest load over the fastest build, and the median of each
// round's load over the build just before it (the steadier one where the
// machine's speed drifts between rounds).
void LoadAgainstHandBuild(benchmark::State& state)
{
    const int registers = static_cast<int>(state.range(0));
    const std::string path =
        WrittenOnce("bench" + std::to_string(registers) + ".xml", bench::BenchDescription(registers));
    double fastestHand = 1e300, fastestLoad = 1e300, leastHandCpu = 1e300, leastLoadCpu = 1e300;
    std::vector<double> roundCpuRatios;
    for (auto _ : state) {
        const auto hand = TimedWindowBuild(state, [&](frmAutoControls& window) { bench::BuildBenchDevice(window, registers); });
        const auto load = TimedWindowBuild(state, [&](frmAutoControls& window) { LoadThroughParseFile(window, path); });
        if (hand.registers != registers || load.registers != registers) state.SkipWithError("a build lacks registers");
        fastestHand = std::min(fastestHand, hand.wallMs);
        fastestLoad = std::min(fastestLoad, load.wallMs);
        leastHandCpu = std::min(leastHandCpu, hand.cpuMs);
        leastLoadCpu = std::min(leastLoadCpu, load.cpuMs);
        roundCpuRatios.push_back(load.cpuMs / hand.cpuMs);
    }
    std::sort(roundCpuRatios.begin(), roundCpuRatios.end());
    const size_t middle = roundCpuRatios.size() / 2;
    const double medianRatio = roundCpuRatios.size() % 2
                                   ? roundCpuRatios[middle]
                                   : (roundCpuRatios[middle - 1] + roundCpuRatios[middle]) / 2;
    state.counters["hand_ms"] = fastestHand;
    state.counters["load_ms"] = fastestLoad;
    state.counters["load_over_hand_pct"] = (fastestLoad / fastestHand - 1) * 100;
    state.counters["hand_cpu_ms"] = leastHandCpu;
    state.counters["load_cpu_ms"] = leastLoadCpu;
    state.counters["cpu_over_pct"] = (leastLoadCpu / leastHandCpu - 1) * 100;
    state.counters["cpu_over_pct_median_round"] = (medianRatio - 1) * 100;
}

// The generator's description of sax_bench, loaded the same way.
void LoadGeneratedDescription(benchmark::State& state)
{
    const int registers = static_cast<int>(state.range(0));
    const std::string path =
        WrittenOnce("generated" + std::to_string(registers) + ".xml", bench::DeviceDescription(registers));
    double fastest = 1e300, leastCpu = 1e300;
    for (auto _ : state) {
        const auto load = TimedWindowBuild(state, [&](frmAutoControls& window) { LoadThroughParseFile(window, path); });
        fastest = std::min(fastest, load.wallMs);
        leastCpu = std::min(leastCpu, load.cpuMs);
        if (load.registers != registers) state.SkipWithError("the load lacks registers");
    }
    state.counters["load_ms"] = fastest;
    state.counters["load_cpu_ms"] = leastCpu;
}

// The parser and the event dispatch alone: every element reaches a handler
// that only reads the attribute count.
void ParseBenchDescriptionOnly(benchmark::State& state)
{
    struct CountingEvents : ElementEvents {
        long elements = 0;
        void startElement(const std::string&, const AttributeList& attributes) override { elements += attributes.getLength() >= 0; }
        void endElement(const std::string&) override {}
    };
    const int registers = static_cast<int>(state.range(0));
    const std::string path = WrittenOnce("bench" + std::to_string(registers) + ".xml", bench::BenchDescription(registers));
    for (auto _ : state) {
        CountingEvents events;
        if (!ReadWithSax(path, events).ok) state.SkipWithError("the description does not parse");
        state.counters["elements"] = static_cast<double>(events.elements);
    }
}

}  // namespace

// The machine is shared: each benchmark repeats its builds and keeps the fastest.
BENCHMARK(LoadAgainstHandBuild)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(11);
BENCHMARK(ParseBenchDescriptionOnly)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(LoadGeneratedDescription)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The component is found beside the build's tools unless the caller says otherwise.
    setenv("VELK_COMPONENT_PATH", SAX_COMPONENT_FOLDER, 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
