// Saving a 1000-register device built in the model (the view_bench
// register: two bytes, four fields with a text box and a 16-entry list
// each, a group text box): doXMLSave with the loaded file being that same
// description, so the copying reader parses the whole file and skips the
// device while the writer writes it afresh, through the temporary file,
// flush and rename. Goal: under 100 ms.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "BenchRegister.h"
#include "RecordingDescriptionWindow.h"
#include "DescriptionSaver.h"
#include "DescriptionWriter.h"
#include "HeadlessRegisterView.h"
#include "SaveXMLReader.h"
#include "SaxFileReader.h"
#include "ScriptedDialogs.h"

using namespace velk;

namespace {

// The bench device in a program state, saved once into `folder` as the
// loaded description.
struct BenchProgram {
    HeadlessRegisterView view;
    ScriptedDialogs dialogs;
    ProgramState program{view, dialogs};
    velk::test::RecordingDescriptionWindow window{"/nonexistent"};
    std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                   ("velk-save-bench-" + std::to_string(getpid()));
    std::string loaded = (folder / "loaded.xml").string();

    explicit BenchProgram(int registers)
    {
        std::filesystem::create_directories(folder);
        SetDevice(program, "Bench", "10011000", "10011000");
        program.currentFile = std::make_shared<FileRecord>(FileRecord{"Bench board", "", "bench"});
        for (int r = 0; r < registers; ++r) AddGroup(program, bench::BenchRegister(r));
        doXMLSave(program, window, loaded, "3/14/2005");  // no loaded file yet: the device alone
    }
    ~BenchProgram() { std::filesystem::remove_all(folder); }
};

void SaveDescription(benchmark::State& state)
{
    BenchProgram bench(static_cast<int>(state.range(0)));
    const std::string target = (bench.folder / "saved.xml").string();
    for (auto _ : state) {
        bench.program.currentFileName = bench.loaded;
        doXMLSave(bench.program, bench.window, target, "3/14/2005");
    }
    state.counters["file_kB"] = static_cast<double>(std::filesystem::file_size(target)) / 1024.0;
}

// The parts of a save: the writer's rows of the device in memory, and the
// copying reader's pass over the loaded file.
void WriteDeviceRows(benchmark::State& state)
{
    BenchProgram bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        XmlLines out;
        WriteDevice(out, *bench.program.currentDevice, bench.program.allGroups);
        benchmark::DoNotOptimize(out.text().data());
    }
}

void CopyingReadOfTheLoadedFile(benchmark::State& state)
{
    BenchProgram bench(static_cast<int>(state.range(0)));
    const GroupCollection noGroups;
    for (auto _ : state) {
        XmlLines out;
        SaveXMLReader copier(out, "Bench", *bench.program.currentDevice, noGroups);
        ReadWithSax(bench.loaded, copier);
    }
}

}  // namespace

BENCHMARK(SaveDescription)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteDeviceRows)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyingReadOfTheLoadedFile)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    // The sax component from the build's bin/, unless the caller says otherwise.
    setenv("VELK_COMPONENT_PATH", SAX_COMPONENT_FOLDER, 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
