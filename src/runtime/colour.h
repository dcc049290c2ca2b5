#pragma once

#include <cstdint>

namespace rt {

// A 24-bit colour as the runtime stores it: red in the low byte, blue in the high one.
using Colour = std::int32_t;

constexpr Colour RGB(std::int16_t red, std::int16_t green, std::int16_t blue) {
  return (red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16);
}

constexpr int redOf(Colour colour) { return colour & 0xFF; }
constexpr int greenOf(Colour colour) { return (colour >> 8) & 0xFF; }
constexpr int blueOf(Colour colour) { return (colour >> 16) & 0xFF; }

}  // namespace rt
