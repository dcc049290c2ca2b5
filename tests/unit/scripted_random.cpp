#include "scripted_random.h"

#include <cstddef>

#include "runtime/maths.h"

namespace {

std::vector<float> script;
std::size_t taken = 0;

}  // namespace

void scriptDraws(std::vector<float> draws) {
  script = std::move(draws);
  taken = 0;
}

int drawsTaken() { return static_cast<int>(taken); }

// Replaces the runtime's generator in the unit tests, so a test chooses every draw.
float rt::Rnd() {
  const float draw = taken < script.size() ? script[taken] : 0.0f;
  ++taken;
  return draw;
}
