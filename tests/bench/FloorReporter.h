// Every figure of these benchmarks stands beside a floor measured in the same run:
// "Name_Floor" is the least the work of "Name" can cost here (Qt's own share of it,
// or the same work on a trivial input). After the run each figure is printed as a
// multiple of its floor, so runs on a loaded or a fast machine compare. The figures
// are CPU time, which a shared machine disturbs less than the wall clock, except
// where a benchmark times by hand (a child process): then its own time. With
// --benchmark_repetitions the best repetition counts.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

class FloorReporter : public benchmark::ConsoleReporter {
public:
    FloorReporter() : ConsoleReporter(OO_Tabular) {}  // plain text: the output is kept in notes

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred || run.iterations <= 0) continue;
            const std::string name = run.benchmark_name();
            const bool manual = name.ends_with("/manual_time");
            const double seconds = (manual ? run.real_accumulated_time : run.cpu_accumulated_time) /
                                   static_cast<double>(run.iterations);
            auto [kept, first] = m_seconds.emplace(name, seconds);
            if (!first) kept->second = std::min(kept->second, seconds);  // the best repetition
        }
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        for (const auto& [name, seconds] : m_seconds) {
            // "Name/args" pairs with "Name_Floor/args".
            const std::size_t slash = std::min(name.find('/'), name.size());
            auto floor = m_seconds.find(name.substr(0, slash) + "_Floor" + name.substr(slash));
            if (floor == m_seconds.end() || floor->second <= 0) continue;
            std::printf("%s: %.3f ms, %.2f x its floor (%.3f ms)\n", name.c_str(), seconds * 1e3,
                        seconds / floor->second, floor->second * 1e3);
        }
        std::fflush(stdout);
    }

private:
    std::map<std::string, double> m_seconds;
};

inline void RunBenchmarksWithFloors(int* argc, char** argv) {
    benchmark::Initialize(argc, argv);
    FloorReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
