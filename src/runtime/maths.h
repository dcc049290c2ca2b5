#pragma once

#include <cstdint>

namespace rt {

// Next number of the generator, in [0, 1); never reseeded, so every run draws the same sequence.
float Rnd();

// Rounds to the nearest 16-bit integer, halves to even; out of range raises the overflow error.
std::int16_t roundToInteger(float value);

}  // namespace rt
