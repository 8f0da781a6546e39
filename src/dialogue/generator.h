// The run's one pseudo-random generator: a 32-bit linear congruential state word whose
// outputs are bits 16 to 30, so a seed always gives the same draws on every host.
#pragma once

#include <cstdint>

struct generator {
  std::uint32_t state = 0;
};

generator seeded_generator(std::uint32_t seed);

// Advances the state and returns a number from 0 to 32767.
int next_output(generator& random);

// low + (next output mod (high - low + 1)); requires low <= high.
int draw_in_range(generator& random, int low, int high);

// Whole seconds since 1970-01-01 00:00:00 UTC, modulo 2^32: the seed of a real run.
std::uint32_t clock_seed();
