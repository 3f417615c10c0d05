// Seeded choices for the table's layouts: each call takes the next number of a SplitMix64
// sequence; seed 0 takes the default given, so a fixed layout is written out where it is chosen.
#pragma once

#include <algorithm>
#include <cstdint>

namespace scorlet::table {

class SeededDice {
 public:
  explicit SeededDice(std::uint32_t seed) : m_seed(seed), m_state(seed) {}
  // A number from lo to hi (hi below lo counts as lo); `fixed`, kept within them, for seed 0.
  int Pick(int lo, int hi, int fixed) {
    if (hi < lo) hi = lo;
    if (m_seed == 0) return std::clamp(fixed, lo, hi);
    m_state += 0x9E3779B97F4A7C15ull;
    std::uint64_t z = m_state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    return lo + static_cast<int>(z % static_cast<std::uint64_t>(hi - lo + 1));
  }

 private:
  std::uint32_t m_seed;
  std::uint64_t m_state;
};

}  // namespace scorlet::table
