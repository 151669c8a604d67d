// The name registry against a plain hash map of the same keys: filling it,
// looking every key up, and emptying it from the front as the program does
// before a load. Time per key should stay flat from 10,000 to 100,000 keys.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "Group.h"
#include "NameRegistry.h"

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

}  // namespace

BENCHMARK(NameRegistryFillLookUpEmpty)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BaselineHashMap)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
