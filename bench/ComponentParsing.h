#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace bench {

// The sax component on the same bytes as ParserCore direct: a reader made
// through the component runtime, parseEx over a stream on the bytes, one
// subscriber on the vtable or the dispatch event interface that takes every
// event, the strings it passes and the attribute count; with
// `readAttributes` also every attribute's local name and value through the
// ISAXAttributes getters.
void ParseWithComponentVtable(benchmark::State& state, const std::string* bytes, bool readAttributes);
void ParseWithComponentDispatch(benchmark::State& state, const std::string* bytes, bool readAttributes);

}  // namespace bench
