#include "base/rnd.h"

#include <cstring>

namespace base {

namespace {
constexpr uint32_t kMask = 0xFFFFFFu;
}

void Rnd::Randomize(double seed) {
  // The clock seeds differ only in their low mantissa bits from one run to the
  // next, so every bit of the value is spread over the 24 bits of state (a
  // 64-bit finaliser); the old state plays no part, so a seed always starts
  // the same sequence.
  uint64_t bits = 0;
  static_assert(sizeof bits == sizeof seed);
  std::memcpy(&bits, &seed, sizeof bits);
  bits ^= bits >> 30;
  bits *= 0xBF58476D1CE4E5B9ull;
  bits ^= bits >> 27;
  bits *= 0x94D049BB133111EBull;
  bits ^= bits >> 31;
  state_ = static_cast<uint32_t>(bits ^ (bits >> 24) ^ (bits >> 48)) & kMask;
}

float Rnd::Next() {
  // Odd increment and a multiplier of the form 4k + 1 (mod 2^24): the sequence
  // runs through all 2^24 states before it repeats, whatever the seed.
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & kMask;
  // A 24-bit state fits a float's mantissa exactly, so the quotient is exact
  // and at most 1 - 2^-24.
  return static_cast<float>(state_) / 16777216.0f;
}

}  // namespace base
