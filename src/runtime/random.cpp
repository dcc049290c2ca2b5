#include "runtime/maths.h"

namespace rt {
namespace {

// A full-period 24-bit linear congruential generator (multiplier 1 mod 4, odd increment);
// k / 2^24 is exact in single precision and below 1.
std::uint32_t seed = 0x2545F4;

}  // namespace

float Rnd() {
  seed = (seed * 0x5DEECE5u + 0x3C6EF3u) & 0xFFFFFFu;
  return static_cast<float>(seed) / 16777216.0f;
}

}  // namespace rt
