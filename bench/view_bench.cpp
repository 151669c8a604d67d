// The register view in the real window (offscreen): building a device of
// 1000 and 10000 registers through the loader's calls until the window is
// shown, beside a baseline that creates and shows one plain Qt widget per
// item the view shows (labels for bit boxes, labels and lines, line edits
// for text and value boxes, combo boxes for lists) on pages of the same
// size, the reference a naive view reaches. Goals: 1000 registers in at most
// 105 ms CPU and 50 MB, 10000 in at most 1 s and 250 MB (peak memory is the
// process's: run one build size alone for its figure), the cost per register
// of 10000 within 1.2x that of 1000. Then, on a shown device: a tab click
// until the new page is painted (goal 30 ms), a page height change on 1000
// registers until painted (100 ms), and one keystroke in a field text box of
// an 8-field register until every control of the register shows the new
// state (no port I/O, 100 microseconds). bench/compare_view.sh runs these
// for two builds in turn, the way the figures in docs/benchmarks.md were
// taken against the build before a change.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <memory>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include "BenchDevice.h"
#include "ControlType.h"
#include "Field.h"
#include "HandBuiltDevice.h"
#include "ScriptedDialogs.h"
#include "PageTabBar.h"
#include "Twips.h"
#include "WindowFurniture.h"
#include "frmAutoControls.h"

using namespace velk;
using bench::ProcessCpuMilliseconds;
using bench::ShowAndPaint;

namespace {

double PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

// A shown window holding the bench device, for the measures on one.
struct ShownBenchDevice {
    ScriptedDialogs dialogs;
    frmAutoControls window{dialogs};

    explicit ShownBenchDevice(int registers)
    {
        bench::BuildBenchDevice(window, registers);
        ShowAndPaint(window);
    }
};

void ViewBuildAndShow(benchmark::State& state)
{
    const int registers = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const double cpuStart = ProcessCpuMilliseconds();
        ScriptedDialogs dialogs;
        auto window = std::make_unique<frmAutoControls>(dialogs);
        bench::BuildBenchDevice(*window, registers);
        ShowAndPaint(*window);
        state.PauseTiming();
        state.counters["cpu_us_per_register"] = (ProcessCpuMilliseconds() - cpuStart) * 1000 / registers;
        state.counters["pages"] = window->state().view.layout.pageCount();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = PeakMegabytes();
}

// A tab click until the new page is painted: the pages of a shown device
// in turn, far apart so that no page is shown twice in a row.
void SwitchPage(benchmark::State& state)
{
    ShownBenchDevice shown(static_cast<int>(state.range(0)));
    QTabBar& tabs = *shown.window.furniture().tabs;
    int tab = 0;
    for (auto _ : state) {
        tab = (tab + tabs.count() / 3 + 1) % tabs.count();
        tabs.setCurrentIndex(tab);
        QCoreApplication::processEvents();
    }
    if (shown.window.view().layout.currentPage != tab + 1) state.SkipWithError("the tab click did not show its page");
}

// The page height command on a shown device, between two heights, until
// the window is painted: every group is laid out again.
void PageHeightChange(benchmark::State& state)
{
    ShownBenchDevice shown(static_cast<int>(state.range(0)));
    int entry = 1;
    for (auto _ : state) {
        entry = 3 - entry;  // 6000 and 9000 twips in turn
        shown.window.mnuMaxHeightClick(entry);
        QCoreApplication::processEvents();
    }
    if (!shown.dialogs.messages().empty()) state.SkipWithError(shown.dialogs.messages().front().text.c_str());
}

// The same items as plain widgets: per register 44 labels (32 bit boxes, 4
// name labels, 2 address labels, 6 lines), 7 line edits (4 field text
// boxes, 1 group text box, 2 value boxes) and 4 lists, six registers a page.
void BaselinePlainWidgets(benchmark::State& state)
{
    const int registers = static_cast<int>(state.range(0));
    const QStringList items = [] {
        QStringList list;
        for (const auto& caption : bench::BenchListCaptions()) list << QString::fromStdString(caption);
        return list;
    }();
    for (auto _ : state) {
        auto window = std::make_unique<QWidget>();
        window->resize(ToPixels(7140), ToPixels(8000));
        auto* clip = new QWidget(window.get());
        clip->setGeometry(TwipsRect(105, 1185, 6525, 6000));
        QWidget* page = nullptr;
        for (int r = 0; r < registers; ++r) {
            if (r % 6 == 0) {
                if (page) page->hide();
                page = new QWidget(clip);
                page->setGeometry(TwipsRect(0, 0, 6525, 9020));
            }
            const int top = ToPixels(1450 * (r % 6));
            for (int i = 0; i < 44; ++i) {
                auto* label = new QLabel(QStringLiteral("0"), page);
                label->setGeometry(150 + (i % 11) * 13, top + (i / 11) * 23, 13, 19);
                label->show();
            }
            for (int i = 0; i < 7; ++i) {
                auto* box = new QLineEdit(QStringLiteral("0"), page);
                box->setGeometry(300 + (i % 2) * 40, top + (i / 2) * 23, 33, 19);
                box->show();
            }
            for (int i = 0; i < 4; ++i) {
                auto* list = new QComboBox(page);
                list->addItems(items);
                list->setGeometry(380, top + i * 23, 60, 19);
                list->show();
            }
        }
        ShowAndPaint(*window);
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = PeakMegabytes();
}

// One keystroke in the first field's text box of an 8-field register, the
// value alternating between 1 and 2, until every control shows it.
void ChangeChainOneKeystroke(benchmark::State& state)
{
    ScriptedDialogs dialogs;
    frmAutoControls window(dialogs);
    SetDevice(window.state(), "Bench", "10011000", "10011000");
    GroupSpec plan{"Eight", "10", 2, {}};
    for (int16_t f = 0; f < 8; ++f) {
        const auto row = static_cast<int16_t>(50 + 350 * f);
        plan.fields.emplace_back("F" + std::to_string(f), static_cast<int16_t>(f / 4), static_cast<int16_t>(2 * (3 - f % 4)),
                                 2,
                                 std::vector<ControlSpec>{Described(ControlType::TextBox, 0, 3, 0, row, 500),
                                                          Described(ControlType::Combo, 0, 3, 550, row, 900)});
    }
    plan.controls = {Described(ControlType::TextBox, 0, 255, 1500, 50, 500)};
    const auto group = AddGroup(window.state(), plan);
    window.ReapplyMaxHeight();
    ShowAndPaint(window);
    const auto field = group->childFields.Item(1);
    auto* box = static_cast<QLineEdit*>(window.view().realWidget(WidgetOf(**field->controls.begin())));
    box->setFocus();
    int value = 1;
    for (auto _ : state) {
        box->selectAll();
        QTest::keyClick(box, static_cast<char>('0' + value));
        value = 3 - value;
    }
    if (field->value != 3 - value) state.SkipWithError("the keystroke did not reach the field");
}

}  // namespace

// The machine is shared: each build runs a few times and the fastest run counts.
double Fastest(const std::vector<double>& runs) { return *std::min_element(runs.begin(), runs.end()); }

BENCHMARK(ViewBuildAndShow)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(BaselinePlainWidgets)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)
    ->ComputeStatistics("min", Fastest);
BENCHMARK(SwitchPage)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(40);
BENCHMARK(PageHeightChange)->Arg(1000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(ChangeChainOneKeystroke)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
