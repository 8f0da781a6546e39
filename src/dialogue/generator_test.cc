#include "dialogue/generator.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

TEST(Generator, SeedOneGivesTheKnownSequence) {
  generator random = seeded_generator(1);
  EXPECT_EQ(next_output(random), 41);
  EXPECT_EQ(next_output(random), 18467);
  EXPECT_EQ(next_output(random), 6334);
}

TEST(Generator, WrapsItsStateModuloTwoToThe32) {
  generator random = seeded_generator(0xFFFFFFFFu);
  // (2^32 - 1) * 214013 + 2531011 mod 2^32 = 2316998, whose bits 16..30 are 35.
  EXPECT_EQ(next_output(random), 35);
  EXPECT_EQ(random.state, 2316998u);
}

TEST(Generator, SameSeedSameDraws) {
  generator a = seeded_generator(1765400000u);
  generator b = seeded_generator(1765400000u);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(next_output(a), next_output(b));
}

TEST(DrawInRange, TakesTheRemainderOfTheNextOutput) {
  generator random = seeded_generator(1);
  EXPECT_EQ(draw_in_range(random, 60, 70), 60 + 41 % 11);
  EXPECT_EQ(draw_in_range(random, 9, 11), 9 + 18467 % 3);
  EXPECT_EQ(draw_in_range(random, 200, 300), 200 + 6334 % 101);
}

TEST(DrawInRange, ASingleValueRangeGivesThatValue) {
  generator random = seeded_generator(7);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(draw_in_range(random, 5, 5), 5);
}

TEST(ClockSeed, IsTheCurrentSecond) {
  auto before = static_cast<std::uint32_t>(std::time(nullptr));
  std::uint32_t seed = clock_seed();
  auto after = static_cast<std::uint32_t>(std::time(nullptr));
  EXPECT_LE(before, seed);
  EXPECT_LE(seed, after);
}

}  // namespace
