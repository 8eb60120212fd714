// The program's random numbers: a seed from the millisecond tick count and a running
// counter, and the classic linear congruential generator
//   state = state * 214013 + 2531011 (mod 2^32), g = (state >> 16) & 0x7FFF.
#pragma once

#include <cstdint>

namespace rt {

class RandomSource {
public:
    // seed := tick + counter; counter += ((tick + counter) mod 256) + 100.
    void seedFromTick(std::uint32_t tickMs);
    void seed(std::uint32_t value) { m_state = value; }
    // lo + g mod (hi - lo + 1), after one step of the generator.
    int number(int lo, int hi);
    std::uint32_t state() const { return m_state; }

private:
    std::uint32_t m_state = 0;
    std::uint32_t m_counter = 0;
};

// set-random-seed and random-number over one process-wide source; the tick is the
// steady clock in milliseconds, cut to 32 bits.
void setRandomSeed();
int randomNumber(int lo, int hi);

}  // namespace rt
