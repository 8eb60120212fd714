#include "runtime/random.h"

#include <chrono>
#include <cstdint>

namespace rt {

void RandomSource::seedFromTick(std::uint32_t tickMs)
{
    const std::uint32_t seedValue = tickMs + m_counter;
    m_state = seedValue;
    // Two seedings within the same millisecond still start different sequences.
    m_counter += seedValue % 256 + 100;
}

int RandomSource::number(int lo, int hi)
{
    m_state = m_state * 214013u + 2531011u;
    const std::int64_t g = (m_state >> 16) & 0x7FFF;
    if (hi < lo)
        return lo;  // an empty range; the generator has still moved on
    const std::int64_t span = static_cast<std::int64_t>(hi) - lo + 1;
    return static_cast<int>(lo + g % span);
}

namespace {

RandomSource& processSource()
{
    static RandomSource source;
    return source;
}

std::uint32_t tickCount()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now).count();
    return static_cast<std::uint32_t>(ms);
}

}  // namespace

void setRandomSeed()
{
    processSource().seedFromTick(tickCount());
}

int randomNumber(int lo, int hi)
{
    return processSource().number(lo, hi);
}

}  // namespace rt
