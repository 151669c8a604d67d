// The name registry against a plain hash map of the same keys: filling it,
// looking every key up, and emptying it from the front as the program does
// before a load. Time per key should stay flat from 10,000 to 100,000 keys.
//
// The change chain: one keystroke in a field text box of an 8-field register
// until every control of the register shows the new state, through the
// headless view without its call log and without a link (no port I/O).
// Beside it, the least that work can cost: packing the register and showing
// the new state on every control once, with no lookups, checks or events.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "ControlType.h"
#include "Factories.h"
#include "Field.h"
#include "Group.h"
#include "HeadlessRegisterView.h"
#include "NameRegistry.h"
#include "ProgramState.h"
#include "ScriptedDialogs.h"
#include "WidgetRoutines.h"

namespace {

std::vector<std::string> Keys(int64_t count)
{
    std::vector<std::string> keys;
    keys.reserve(static_cast<size_t>(count));
    for (int64_t i = 0; i < count; ++i) keys.push_back(velk::FieldRegistryKey("Field " + std::to_string(i)));
    return keys;
}

void NameRegistryFillLookUpEmpty(benchmark::State& state)
{
    const auto keys = Keys(state.range(0));
    const auto group = std::make_shared<velk::Group>();
    for (auto _ : state) {
        velk::NameRegistry registry;
        for (const auto& key : keys) registry.Add(group, key);
        for (const auto& key : keys) benchmark::DoNotOptimize(registry.Find(key));
        while (registry.count() > 0) registry.Remove(1);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BaselineHashMap(benchmark::State& state)
{
    const auto keys = Keys(state.range(0));
    const auto group = std::make_shared<velk::Group>();
    for (auto _ : state) {
        std::unordered_map<std::string, velk::RegisteredObject> map;
        for (const auto& key : keys) map.emplace(key, group);
        for (const auto& key : keys) benchmark::DoNotOptimize(map.find(key));
        map.clear();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A register of eight one-bit fields, each with a text box, laid out on a
// headless view as the loader does it.
struct EightFieldRegister {
    velk::HeadlessRegisterView view;
    velk::ScriptedDialogs dialogs;
    velk::ProgramState state{view, dialogs};
    std::shared_ptr<velk::Group> group = velk::NewGroup(state);
    std::vector<std::shared_ptr<velk::ControlRecord>> boxes;

    EightFieldRegister()
    {
        view.setRecording(false);
        for (int16_t bit = 7; bit >= 0; --bit) {
            const int16_t sequence = velk::SequenceOf(0, bit);
            auto field = group->childFields.AddV(0, 0, bit, 1, group, sequence, velk::SequenceKey(sequence));
            field->fieldName = "F" + std::to_string(bit);
            auto box = velk::NewControlRecord(false);
            velk::CreateControlView(view, *box, field->RegistryKey(), -1);
            boxes.push_back(field->controls.Add(box));
        }
        group->Initialize(state, false);
        state.eventsEnabled = true;
    }
};

void ChangeChainKeystroke(benchmark::State& state)
{
    EightFieldRegister reg;
    const auto field = reg.group->childFields.Item(1);
    const auto& box = *reg.boxes.front();
    int keystroke = 0;
    for (auto _ : state) {
        field->processChange(reg.state, true, velk::ControlType::TextBox, box.Index, (++keystroke & 1) ? "1" : "0");
    }
    if (field->value != (keystroke & 1)) state.SkipWithError("the keystroke did not reach the field");
}

void BaselineShowEveryControlOnce(benchmark::State& state)
{
    EightFieldRegister reg;
    const auto field = reg.group->childFields.Item(1);
    int keystroke = 0;
    for (auto _ : state) {
        field->value = static_cast<int16_t>(++keystroke & 1);
        reg.group->BuildValue();
        const int16_t byte = reg.group->GetValue(0);
        for (const auto& f : reg.group->childFields)
            for (const auto& record : f->controls) velk::ShowValue(reg.view, byte, *record);
        for (const auto& record : reg.group->controls) velk::ShowValue(reg.view, byte, *record);
    }
}

}  // namespace

BENCHMARK(ChangeChainKeystroke)->Unit(benchmark::kMicrosecond);
BENCHMARK(BaselineShowEveryControlOnce)->Unit(benchmark::kMicrosecond);
BENCHMARK(NameRegistryFillLookUpEmpty)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineHashMap)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
