#include "dialogue/generator.h"

#include <cstdint>
#include <ctime>

generator seeded_generator(std::uint32_t seed) {
  return generator{seed};
}

int next_output(generator& random) {
  random.state = random.state * 214013u + 2531011u;
  return static_cast<int>((random.state >> 16) & 0x7FFFu);
}

int draw_in_range(generator& random, int low, int high) {
  std::int64_t size = std::int64_t{high} - low + 1;
  return static_cast<int>(low + next_output(random) % size);
}

std::uint32_t clock_seed() {
  return static_cast<std::uint32_t>(static_cast<std::uint64_t>(std::time(nullptr)));
}
