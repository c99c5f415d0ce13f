// The random generator of "reg?": a linear congruential generator whose seed
// starts at 0 and is never taken from the clock, so every program start draws
// the same sequence and saved walkthroughs replay exactly.
#pragma once
#include <cstdint>

namespace lumora {

struct RandomGenerator {
  uint32_t seed = 0;

  // Advances the seed (x 134775813 + 1, wrapping at 32 bits) and returns the high
  // 32 bits of range x seed: a number 0 <= x < range, or 0 for range 0.
  uint32_t Draw(uint32_t range) {
    seed = seed * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(range) * seed) >> 32);
  }
};

}  // namespace lumora
