#include "engine/Random.h"

#include "engine/MilliTimer.h"

namespace tavlo {
namespace {

std::uint64_t g_state = 0x9E3779B97F4A7C15ull;
bool g_fixed_for_tests = false;

// SplitMix64: a small generator whose every output is a full mix of its state.
std::uint64_t NextBits() {
  g_state += 0x9E3779B97F4A7C15ull;
  std::uint64_t z = g_state;
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

}  // namespace

void RandomSource::Reseed() {
  if (g_fixed_for_tests) return;
  g_state ^= static_cast<std::uint64_t>(MilliTimer64()) * 0xD1B54A32D192ED03ull;
}

FixedRandomSeed::FixedRandomSeed(std::uint64_t seed)
    : saved_state_(g_state), saved_fixed_(g_fixed_for_tests) {
  g_state = seed;
  g_fixed_for_tests = true;
}

FixedRandomSeed::~FixedRandomSeed() {
  g_state = saved_state_;
  g_fixed_for_tests = saved_fixed_;
}

double RandomSource::NextUnit() {
  Reseed();
  // The top 53 bits give every double in [0, 1) that is a multiple of 2^-53.
  return static_cast<double>(NextBits() >> 11) * 0x1.0p-53;
}

int RandomSource::RandomInt(int lo, int hi) {
  const double r = NextUnit();
  return lo + static_cast<int>(r * (static_cast<double>(hi) - lo + 1));
}

}  // namespace tavlo
