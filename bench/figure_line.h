// Prints one benchmark figure as one line: the figure, the baseline measured in the same
// run, their ratio and the goal with whether it holds. Every benchmark program prints its
// results this way, so that bench/run's output reads as one table. Measures nothing.
#pragma once

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <string_view>

namespace bench {

struct Figure {
    std::string name;
    double value = 0;
    std::string unit;
    std::string baselineName;
    double baseline = 0;
    std::string baselineUnit;  // the figure's unit when empty
    double ratio = 0;          // as the goal reads it: value / baseline unless said otherwise
    std::string goal;  // empty: reported for information, no goal
    bool met = false;
    std::string note;  // printed last, after the verdict
};

// Names built from pieces; spelled as appends because GCC 12 warns falsely (-Wrestrict)
// about `"literal" + std::string(...)`.
inline std::string join(std::initializer_list<std::string_view> pieces)
{
    std::string joined;
    for (std::string_view piece : pieces)
        joined += piece;
    return joined;
}

inline void printFigure(const Figure& f)
{
    const std::string& baselineUnit = f.baselineUnit.empty() ? f.unit : f.baselineUnit;
    const char* verdict = std::isnan(f.ratio) ? "NOT MEASURED"
                          : f.goal.empty()    ? "-"
                          : f.met             ? "met"
                                              : "MISSED";
    std::printf("%-32s %9.4g %-6s | baseline %-26s %9.4g %-6s | ratio %6.3f | goal %-22s %-6s %s\n",
                f.name.c_str(), f.value, f.unit.c_str(), f.baselineName.c_str(), f.baseline,
                baselineUnit.c_str(), f.ratio, f.goal.empty() ? "-" : f.goal.c_str(), verdict,
                f.note.c_str());
    std::fflush(stdout);
}

}  // namespace bench
