#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace bench {

// The console report, followed by one line per input: each parser's median
// throughput with the lowest and highest repetition, and the ratio of the
// first parser's median to each other's. Benchmarks are named "parser/input".
class ThroughputRatioReporter final : public benchmark::ConsoleReporter {
public:
    // In the order of the lines and columns; runs of other names are left out.
    ThroughputRatioReporter(std::vector<std::string> parsers, std::vector<std::string> inputs);
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Statistics the ratio line needs beside the built-in median.
    static void AddSpreadStatistics(benchmark::internal::Benchmark* benchmark);

private:
    struct Throughput {
        double median = 0, lowest = 0, highest = 0;
    };
    std::vector<std::string> parsers_;
    std::vector<std::string> inputs_;
    std::map<std::string, std::map<std::string, Throughput>> byInput_;  // input -> parser -> MB/s
};

}  // namespace bench
