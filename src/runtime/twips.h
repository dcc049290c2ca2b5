#pragma once

#include <algorithm>
#include <cmath>

namespace rt {

constexpr int kTwipsPerInch = 1440;

// Drawing positions fall to the pixel they lie in, so a point below half the size never
// reaches the middle pixel.
inline int pixelsFromTwips(float twips, int dotsPerInch) {
  return static_cast<int>(std::floor(twips * static_cast<float>(dotsPerInch) / kTwipsPerInch));
}

// Text is drawn in whole pixel heights, one at least: zero and tiny sizes draw one pixel high.
inline int pixelsFromPoints(float points, int dotsPerInch) {
  constexpr double kPointsPerInch = 72.0;
  const double pixels = points * static_cast<double>(dotsPerInch) / kPointsPerInch;
  return std::max(1, static_cast<int>(std::lround(pixels)));
}

inline float twipsFromPixels(int pixels, int dotsPerInch) {
  return static_cast<float>(pixels) * kTwipsPerInch / static_cast<float>(dotsPerInch);
}

}  // namespace rt
