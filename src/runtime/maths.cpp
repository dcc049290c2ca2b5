#include "runtime/maths.h"

#include <cmath>

#include "runtime/error.h"

namespace rt {
std::int16_t roundToInteger(float value) {
  const float rounded = std::nearbyint(value);
  if (!(rounded >= -32768.0f && rounded <= 32767.0f)) {
    throw RuntimeError(ErrorKind::Overflow);
  }
  return static_cast<std::int16_t>(rounded);
}

}  // namespace rt
