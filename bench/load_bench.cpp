// Kind loading through the real list view: the kind's name written into the hidden kind
// field, which runs Load profile data on the running program (offscreen), then the event
// loop until the table has been laid out and painted. The largest shipped table and
// synthetic tables of 1,000, 10,000 and 100,000 rows; each load replaces a table of the
// same size, as reloading the shown kind does.
//
// Baselines: the same file read, opened and split into rows without any window (what the
// data itself costs), and for the growth check the 1,000-row load's time per row.
#include "bench/figure_line.h"
#include "bench/median_reporter.h"
#include "bench/offscreen_app.h"
#include "bench/synthetic_table.h"
#include "data/data_cipher.h"
#include "data/profile_data.h"
#include "runtime/files.h"
#include "runtime/gbk.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kSizes[] = {1000, 10000, 100000};
constexpr double kWholeGoalMs = 50;
constexpr double kGrowthLimit = 1.5;  // a quadratic step would show as 10x and 100x
constexpr char kDataOnly[] = "file, cipher, split only";

bench::OffscreenApp* g_app = nullptr;

struct Table {
    std::string label;  // benchmark name suffix
    std::string kind;   // GBK, as written into the hidden kind field
    int rows;
};

int shownRows() { return g_app->runtime().getItemCount(rt::WindowId::Main, "显示数据"); }

void load(benchmark::State& state, const Table& table)
{
    g_app->loadKind(table.kind);
    g_app->settle();
    if (shownRows() != table.rows) {
        state.SkipWithError(bench::join({"loaded ", std::to_string(shownRows()), " rows"}).c_str());
        return;
    }
    for (auto _ : state) {
        g_app->loadKind(table.kind);
        g_app->settle();
    }
}

void dataOnly(benchmark::State& state, const Table& table)
{
    const std::string path = data::profileFilePath(g_app->runDirectory(), table.kind);
    for (auto _ : state)
        benchmark::DoNotOptimize(data::parseProfile(data::openDataFile(rt::readFile(path))));
}

void registerBenchmarks(const std::vector<Table>& tables)
{
    for (const Table& t : tables) {
        const int repetitions = t.rows >= 100000 ? 9 : 15;
        benchmark::RegisterBenchmark(bench::join({"load/", t.label}).c_str(),
                                     [t](benchmark::State& s) { load(s, t); })
            ->Repetitions(repetitions)->MinTime(0.05)->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(bench::join({"data_only/", t.label}).c_str(),
                                     [t](benchmark::State& s) { dataOnly(s, t); })
            ->Repetitions(repetitions)->MinTime(0.05)->Unit(benchmark::kMillisecond);
    }
}

void printFigures(const bench::MedianReporter& medians, const std::vector<Table>& tables)
{
    const double perRowAt1000 = medians.seconds("load/1000") / 1000 * 1e6;
    for (const Table& t : tables) {
        const double whole = medians.seconds(bench::join({"load/", t.label})) * 1e3;
        const double floor = medians.seconds(bench::join({"data_only/", t.label})) * 1e3;
        if (t.label == "shipped") {
            bench::printFigure({.name = bench::join({"load largest shipped, ",
                                                     std::to_string(t.rows), " rows"}),
                                .value = whole, .unit = "ms", .baselineName = kDataOnly,
                                .baseline = floor, .ratio = whole / floor,
                                .note = bench::join({"(", rt::gbkToUtf8(t.kind), ")"})});
            continue;
        }
        const double perRow = whole / t.rows * 1e3;
        const double growth = perRow / perRowAt1000;
        char note[64];
        std::snprintf(note, sizeof note, "(per row %.2f x the 1000-row figure)", growth);
        bench::printFigure({.name = bench::join({"load ", t.label, " rows"}), .value = perRow,
                            .unit = "us/row", .baselineName = kDataOnly,
                            .baseline = floor / t.rows * 1e3, .ratio = whole / floor,
                            .goal = "per row <= 1.5 x", .met = growth <= kGrowthLimit,
                            .note = note});
        if (t.rows == 100000)
            bench::printFigure({.name = "load 100000 rows, whole", .value = whole, .unit = "ms",
                                .baselineName = kDataOnly, .baseline = floor,
                                .ratio = whole / floor, .goal = "< 50 ms",
                                .met = whole < kWholeGoalMs});
    }
}

}  // namespace

int main(int argc, char** argv)
{
    bench::OffscreenApp app(argc, argv);
    benchmark::Initialize(&argc, argv);
    g_app = &app;

    std::vector<Table> tables;
    for (int rows : kSizes) {
        const std::string kind = bench::join({"bench-", std::to_string(rows)});
        app.addTable(kind, bench::syntheticTable(rows));
        tables.push_back({std::to_string(rows), kind, rows});
    }
    app.start();
    const std::string shipped = app.largestShippedKind();
    app.loadKind(shipped);
    tables.insert(tables.begin(), {"shipped", shipped, shownRows()});

    registerBenchmarks(tables);
    bench::MedianReporter medians;
    benchmark::RunSpecifiedBenchmarks(&medians);
    for (const std::string& error : medians.errors())
        std::fprintf(stderr, "load_bench: %s\n", error.c_str());
    printFigures(medians, tables);
    return medians.errors().empty() ? 0 : 1;
}
