// Compute results over any seven field texts. Every result is a number as to-text writes
// it: either one of the classic infinity and NaN spellings, or a text that reads back to
// a number shown the same way. The same inputs always give the same results.
#include "calc/compute_results.h"
#include "fuzz_input.h"
#include "runtime/conversions.h"

namespace {

bool isSpecial(std::string_view text)
{
    return text == "1.#INF" || text == "-1.#INF" || text == "-1.#IND" || text == "1.#QNAN"
        || text == "-1.#QNAN";
}

void checkShown(const std::string& result, const char* which)
{
    fuzz::check(isSpecial(result) || rt::toText(rt::toNumber(result)) == result, which, result);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Field texts hold no NUL: the program's texts end at the first one.
    fuzz::Input in(data, size);
    calc::Inputs inputs;
    for (std::string* field : {&inputs.tableUnitWeight, &inputs.density, &inputs.decimals,
                               &inputs.count, &inputs.length, &inputs.knownWeight,
                               &inputs.stockLength})
        *field = std::string(in.takeUntil('\0'));

    const calc::Results results = calc::computeResults(inputs);
    checkShown(results.unitWeight, "unit weight as shown");
    checkShown(results.totalWeight, "total weight as shown");
    checkShown(results.lengthFromWeight, "length from weight as shown");
    checkShown(results.barCount, "bar count as shown");
    fuzz::check(calc::computeResults(inputs) == results, "the same inputs, the same results");
    return 0;
}
