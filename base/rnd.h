#pragma once
// The program's pseudo-random generator: single-precision values in [0, 1),
// a 24-bit linear congruential sequence seeded once from a number.
#include <cstdint>

namespace base {

class Rnd {
 public:
  void Randomize(double seed);
  float Next();

 private:
  uint32_t state_ = 0x50000;
};

}  // namespace base
