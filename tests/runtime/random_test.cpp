#include "runtime/random.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

TEST(RandomSource, ClassicGeneratorSequence)
{
    rt::RandomSource source;
    source.seed(1);
    std::vector<int> drawn;
    for (int i = 0; i < 5; ++i)
        drawn.push_back(source.number(0, 32767));
    EXPECT_EQ(drawn, (std::vector<int>{41, 18467, 6334, 26500, 19169}));
}

TEST(RandomSource, SeedAddsARunningCounter)
{
    rt::RandomSource source;
    source.seedFromTick(1000);
    EXPECT_EQ(source.state(), 1000u);  // counter 0 -> 0 + 1000 % 256 + 100 = 332
    source.seedFromTick(1000);
    EXPECT_EQ(source.state(), 1332u) << "the same tick twice gives another seed";
    source.seedFromTick(0xFFFFFFFFu);  // counter 332 + 1332 % 256 + 100 = 484
    EXPECT_EQ(source.state(), 483u) << "wraps around at 32 bits";
}

TEST(RandomSource, NumbersStayInRange)
{
    rt::RandomSource source;
    source.seed(12345);
    for (int i = 0; i < 1000; ++i) {
        const int n = source.number(1, 145);
        ASSERT_GE(n, 1);
        ASSERT_LE(n, 145);
    }
    EXPECT_EQ(source.number(7, 7), 7);
}

TEST(RandomSource, ExtremeRangesAreSafe)
{
    rt::RandomSource source;
    source.seed(1);
    EXPECT_EQ(source.number(INT_MIN, INT_MAX), INT_MIN + 41) << "no overflow in hi - lo + 1";
    EXPECT_EQ(source.number(5, 4), 5) << "an empty range gives lo";
    EXPECT_EQ(source.number(INT_MAX, INT_MIN), INT_MAX);
    EXPECT_EQ(source.number(0, 32767), 26500) << "the empty ranges still stepped";
}

TEST(RandomNumber, ProcessWideSourceDrawsInRange)
{
    rt::setRandomSeed();
    const int n = rt::randomNumber(1, 145);
    EXPECT_GE(n, 1);
    EXPECT_LE(n, 145);
}

}  // namespace
