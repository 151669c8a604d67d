#include "ThroughputRatioReporter.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <utility>

namespace bench {
// Colour only on a terminal, as the library's own console report does.
ThroughputRatioReporter::ThroughputRatioReporter(std::vector<std::string> parsers, std::vector<std::string> inputs)
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular),
      parsers_(std::move(parsers)),
      inputs_(std::move(inputs))
{
}

void ThroughputRatioReporter::AddSpreadStatistics(benchmark::internal::Benchmark* benchmark)
{
    benchmark->ComputeStatistics("min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); });
    benchmark->ComputeStatistics("max", [](const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); });
}

void ThroughputRatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const auto counter = run.counters.find("bytes_per_second");
        const std::string& name = run.run_name.function_name;
        const size_t slash = name.find('/');
        if (run.error_occurred || counter == run.counters.end() || slash == std::string::npos) continue;
        const std::string parser = name.substr(0, slash), input = name.substr(slash + 1);
        Throughput& t = byInput_[input][parser];
        const double megabytes = counter->second.value / 1e6;
        // A single run (no repetitions) stands for all three figures.
        if (run.run_type == Run::RT_Iteration && run.repetitions <= 1) t = {megabytes, megabytes, megabytes};
        if (run.run_type != Run::RT_Aggregate) continue;
        if (run.aggregate_name == "median") t.median = megabytes;
        if (run.aggregate_name == "min") t.lowest = megabytes;
        if (run.aggregate_name == "max") t.highest = megabytes;
    }
}

void ThroughputRatioReporter::Finalize()
{
    if (parsers_.empty() || byInput_.empty()) return;
    std::FILE* out = stdout;
    std::fprintf(out, "\nMB/s, median (lowest-highest repetition); ratio of %s's median to each other's\n",
                 parsers_.front().c_str());
    for (const std::string& input : inputs_) {
        const std::map<std::string, Throughput>& row = byInput_[input];
        std::fprintf(out, "%-28s", input.c_str());
        for (const std::string& parser : parsers_) {
            const auto t = row.find(parser);
            if (t == row.end())
                std::fprintf(out, "  %s -", parser.c_str());  // filtered out or failed
            else
                std::fprintf(out, "  %s %.0f (%.0f-%.0f)", parser.c_str(), t->second.median, t->second.lowest,
                             t->second.highest);
        }
        const auto first = row.find(parsers_.front());
        for (size_t i = 1; i < parsers_.size(); ++i) {
            const auto other = row.find(parsers_[i]);
            if (first == row.end() || other == row.end() || other->second.median <= 0) continue;
            std::fprintf(out, "  /%s %.2f", parsers_[i].c_str(), first->second.median / other->second.median);
        }
        std::fprintf(out, "\n");
    }
}

}  // namespace bench
