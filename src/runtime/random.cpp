#include <utility>

#include "runtime/maths.h"

namespace rt {
namespace {

SequenceGenerator programSequence;
Generator* current = &programSequence;

}  // namespace

// Multiplier 1 mod 4 and an odd increment give the full period.
float SequenceGenerator::next() {
  seed_ = (seed_ * 0x5DEECE5u + 0x3C6EF3u) & 0xFFFFFFu;
  return static_cast<float>(seed_) / 16777216.0f;
}

GeneratorScope::GeneratorScope(Generator& generator)
    : displaced_(std::exchange(current, &generator)) {}

GeneratorScope::~GeneratorScope() { current = displaced_; }

float Rnd() { return current->next(); }

}  // namespace rt
