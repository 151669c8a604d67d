#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace bench {

// The sax component on the same bytes as ParserCore direct: a reader made
// through the component runtime, parseEx over a stream on the bytes, one
// subscriber that takes every event and its strings (the attributes through
// ISAXAttributes, as a client reads them), on the vtable or the dispatch
// event interface.
void ParseWithComponentVtable(benchmark::State& state, const std::string* bytes);
void ParseWithComponentDispatch(benchmark::State& state, const std::string* bytes);

}  // namespace bench
