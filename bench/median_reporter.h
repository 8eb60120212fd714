// Collects the median of each benchmark's repetitions, so that a benchmark program can
// print its figures against their baselines once everything has run. Displays nothing
// itself: the raw runs go to Google Benchmark's file reporter when --benchmark_out asks.
#pragma once

#include <benchmark/benchmark.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace bench {

class MedianReporter : public benchmark::BenchmarkReporter {
public:
    bool ReportContext(const Context&) override { return true; }

    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.error_occurred) {
                m_errors.push_back(nameOf(run) + ": " + run.error_message);
                continue;
            }
            // A single repetition has no aggregate: its own time is the median.
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            if (single || (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"))
                m_seconds[nameOf(run)] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        }
    }

    // "function/arguments", without the repetition and time settings.
    static std::string nameOf(const Run& run)
    {
        const auto& name = run.run_name;
        return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
    }

    // Median real time of one iteration in seconds; NaN when the benchmark did not run.
    double seconds(const std::string& name) const
    {
        const auto found = m_seconds.find(name);
        return found == m_seconds.end() ? std::nan("") : found->second;
    }
    const std::vector<std::string>& errors() const { return m_errors; }

private:
    std::map<std::string, double> m_seconds;
    std::vector<std::string> m_errors;
};

}  // namespace bench
