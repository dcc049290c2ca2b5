#include "runtime/maths.h"

namespace rt {
namespace {

// A 24-bit linear congruential generator; k / 2^24 is exact in single precision and below 1.
std::uint32_t seed = 0x50000;

}  // namespace

float Rnd() {
  seed = (seed * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return static_cast<float>(seed) / 16777216.0f;
}

}  // namespace rt
