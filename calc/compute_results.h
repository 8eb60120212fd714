// Computes the four results from the field texts. Reads no widget and formats nothing
// itself: every text <-> number step goes through the runtime's toNumber, round, toText.
//
// The results chain through the texts as shown: the total uses the rounded unit weight
// read back from its text, so with 0 decimals 0.888 kg/m x 3 x 2.5 m shows 8, not 7; the
// bar count uses the shown (rounded) length from weight.
#pragma once

#include <ostream>
#include <string>

namespace calc {

constexpr double kReferenceDensity = 7850.0;  // kg/m3: the tables' unit weights are for steel

struct Inputs {
    std::string tableUnitWeight;  // column 2 of the selected row, "" when none
    std::string density;
    std::string decimals;
    std::string count;
    std::string length;
    std::string knownWeight;
    std::string stockLength;
};

struct Results {
    std::string unitWeight;
    std::string totalWeight;
    std::string lengthFromWeight;
    std::string barCount;
    friend bool operator==(const Results&, const Results&) = default;
};

std::ostream& operator<<(std::ostream& out, const Results& results);

Results computeResults(const Inputs& in);

}  // namespace calc
