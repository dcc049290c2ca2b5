#pragma once

#include <string_view>

namespace rt {

// The runtime's font for a form and controls that store none. A backend whose platform puts
// another face in its place narrows that face until the sample takes no more room than in the
// face itself, so that stored layouts keep their fit.
struct DefaultFont {
  static constexpr std::string_view kFace = "MS Sans Serif";
  static constexpr float kPoints = 8.25f;
  // Letters, digits, spaces and punctuation, as captions mix them.
  static constexpr std::string_view kSample =
      "The quick brown fox jumps over the lazy dog, 0123456789 times!";

  // The pixels the sample takes in the face itself.
  static int sampleRoom(int dotsPerInch) { return (kSampleWidthAt96 * dotsPerInch + 48) / 96; }

 private:
  static constexpr int kSampleWidthAt96 = 307;
};

}  // namespace rt
