#include "harness/reset_globals.h"
#include "kit/system/fint.h"
#include "kit/system/random.h"

#include <gtest/gtest.h>

using Random = FreshGlobals;

TEST_F(Random, MatchesTheClassicGeneratorStream) {
    kitSystem::SeedRandom(1);
    // The first outputs of the classic generator seeded with 1.
    EXPECT_EQ(kitSystem::Random(), 41);
    EXPECT_EQ(kitSystem::Random(), 18467);
    EXPECT_EQ(kitSystem::Random(), 6334);
    kitSystem::SeedRandom(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        int r = kitSystem::Random();
        ASSERT_GE(r, 0);
        ASSERT_LE(r, 32767);
    }
}

TEST(FloatToInt, TruncatesAndSaturates) {
    EXPECT_EQ(FloatToInt(1.9), 1);
    EXPECT_EQ(FloatToInt(-1.9), -1);
    EXPECT_EQ(FloatToInt(1e20), 2147483647);
    EXPECT_EQ(FloatToInt(-1e20), -2147483647 - 1);
    EXPECT_EQ(FloatToInt(std::nan("")), 0);
}
