#pragma once

#include <cmath>

namespace rt {

constexpr int kTwipsPerInch = 1440;

// Drawing positions fall to the pixel they lie in, so a point below half the size never
// reaches the middle pixel.
inline int pixelsFromTwips(float twips, int dotsPerInch) {
  return static_cast<int>(std::floor(twips * static_cast<float>(dotsPerInch) / kTwipsPerInch));
}

inline float twipsFromPixels(int pixels, int dotsPerInch) {
  return static_cast<float>(pixels) * kTwipsPerInch / static_cast<float>(dotsPerInch);
}

}  // namespace rt
