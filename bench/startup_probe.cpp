// Start-up time and peak memory of a program against a baseline program, each started many
// times under the X display in $DISPLAY (see startup_watch.h for what one start-up
// measures).
//
// Usage: startup_probe [--runs N] [--out FILE] PROGRAM BASELINE
//
// The two programs run alternately, the order swapped every round, after one unrecorded
// warm-up each (the font and file caches). Prints the medians as figure lines; --out writes
// every run as a tab-separated line.
#include "bench/figure_line.h"
#include "bench/startup_watch.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using bench::StartupSample;

constexpr double kTimeGoal = 1.25;
constexpr double kMemoryGoal = 1.2;
constexpr char kBaselineName[] = "one-line Qt window";

struct Options {
    int runs = 20;
    std::string outPath;
    std::vector<std::string> programs;
};

struct Series {
    std::string program;
    std::vector<StartupSample> samples;

    double median(double StartupSample::*field) const
    {
        std::vector<double> values;
        for (const StartupSample& s : samples)
            values.push_back(s.*field);
        if (values.empty())
            return std::nan("");
        std::sort(values.begin(), values.end());
        const std::size_t middle = values.size() / 2;
        return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
    }
};

Options parseOptions(int argc, char** argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--runs" && i + 1 < argc)
            options.runs = std::atoi(argv[++i]);
        else if (arg == "--out" && i + 1 < argc)
            options.outPath = argv[++i];
        else
            options.programs.emplace_back(arg);
    }
    return options;
}

// Round -1 is the warm-up. False, with a message, when any start-up fails.
bool runRounds(bench::StartupWatch& watch, int runs, Series (&series)[2], std::ofstream& out)
{
    for (int round = -1; round < runs; ++round) {
        for (int k = 0; k < 2; ++k) {
            Series& s = series[(round + k + 2) % 2];  // AB, BA, AB...
            std::string error;
            const std::optional<StartupSample> sample = watch.measure(s.program, error);
            if (!sample) {
                std::fprintf(stderr, "startup_probe: %s: %s\n", s.program.c_str(), error.c_str());
                return false;
            }
            if (round < 0)
                continue;
            s.samples.push_back(*sample);
            if (out)
                out << s.program << '\t' << round << '\t' << sample->mappedMs << '\t'
                    << sample->paintedMs << '\t' << sample->peakMegabytes << '\n';
        }
    }
    return true;
}

void printFigures(const Series& program, const Series& baseline, int runs)
{
    const std::string note = bench::join({"(median of ", std::to_string(runs), " runs each)"});
    const double painted = program.median(&StartupSample::paintedMs);
    const double basePainted = baseline.median(&StartupSample::paintedMs);
    bench::printFigure({.name = "start-up to painted", .value = painted, .unit = "ms",
                        .baselineName = kBaselineName, .baseline = basePainted,
                        .ratio = painted / basePainted, .goal = "<= 1.25 x",
                        .met = painted / basePainted <= kTimeGoal, .note = note});
    const double mapped = program.median(&StartupSample::mappedMs);
    const double baseMapped = baseline.median(&StartupSample::mappedMs);
    bench::printFigure({.name = "start-up to mapped", .value = mapped, .unit = "ms",
                        .baselineName = kBaselineName, .baseline = baseMapped,
                        .ratio = mapped / baseMapped, .note = note});
    const double peak = program.median(&StartupSample::peakMegabytes);
    const double basePeak = baseline.median(&StartupSample::peakMegabytes);
    bench::printFigure({.name = "peak resident memory", .value = peak, .unit = "MB",
                        .baselineName = kBaselineName, .baseline = basePeak,
                        .ratio = peak / basePeak, .goal = "<= 1.2 x",
                        .met = peak / basePeak <= kMemoryGoal, .note = note});
}

}  // namespace

int main(int argc, char** argv)
{
    const Options options = parseOptions(argc, argv);
    if (options.programs.size() != 2 || options.runs < 1) {
        std::fprintf(stderr, "usage: startup_probe [--runs N] [--out FILE] PROGRAM BASELINE\n");
        return 2;
    }
    // The programs take the X display from $DISPLAY like any; nothing may send them offscreen.
    ::unsetenv("QT_QPA_PLATFORM");
    bench::StartupWatch watch;
    if (!watch.connect()) {
        std::fprintf(stderr, "startup_probe: cannot open the X display\n");
        return 1;
    }
    std::ofstream out;
    if (!options.outPath.empty()) {
        out.open(options.outPath);
        out << "program\tround\tmapped_ms\tpainted_ms\tpeak_mb\n";
    }
    Series series[2] = {{options.programs[0], {}}, {options.programs[1], {}}};
    if (!runRounds(watch, options.runs, series, out))
        return 1;
    printFigures(series[0], series[1], options.runs);
    return 0;
}
