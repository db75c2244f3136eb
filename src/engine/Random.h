#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tavlo {

// The program's random numbers. Every draw first mixes the millisecond clock
// into the generator's state, so sequences differ from run to run; the state
// is never reset to the clock alone, so draws within one millisecond still
// differ and stay uniform.
class RandomSource {
 public:
  // A number from lo to hi, both included.
  static int RandomInt(int lo, int hi);
  // Mixes the clock into the state (what each draw does first).
  static void Reseed();
  // Uniform in [0, 1), after a re-seed.
  static double NextUnit();
};

// While it lives, the draws follow from the seed alone, so that a test sees
// the same draws every run; it gives the state back as it found it, so that
// no later test inherits a fixed sequence.
class FixedRandomSeed {
 public:
  explicit FixedRandomSeed(std::uint64_t seed);
  ~FixedRandomSeed();
  FixedRandomSeed(const FixedRandomSeed&) = delete;
  FixedRandomSeed& operator=(const FixedRandomSeed&) = delete;

 private:
  std::uint64_t saved_state_;
  bool saved_fixed_;
};

inline int RandomInt(int lo, int hi) { return RandomSource::RandomInt(lo, hi); }

// Visits every position once and swaps it with a position drawn from the whole
// array, itself and positions already visited included.
template <typename T>
void ShuffleObjects(std::vector<T>& items) {
  if (items.empty()) return;
  const int upper = static_cast<int>(items.size()) - 1;
  for (int i = 0; i <= upper; ++i) {
    const int j = RandomInt(0, upper);
    std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
  }
}

}  // namespace tavlo
