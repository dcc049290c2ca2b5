#pragma once

#include <cstdint>

namespace rt {

// Where Rnd's numbers come from.
class Generator {
 public:
  virtual float next() = 0;

 protected:
  ~Generator() = default;
};

// The runtime's own generator: a full-period 24-bit linear congruential one, k / 2^24, exact in
// single precision and below 1. A new one starts the sequence every run draws.
class SequenceGenerator final : public Generator {
 public:
  float next() override;

 private:
  std::uint32_t seed_ = 0x2545F4;
};

// Puts another generator in Rnd's place while it lives.
class GeneratorScope {
 public:
  explicit GeneratorScope(Generator& generator);
  ~GeneratorScope();
  GeneratorScope(const GeneratorScope&) = delete;
  GeneratorScope& operator=(const GeneratorScope&) = delete;

 private:
  Generator* displaced_;
};

// Next number of the generator, in [0, 1); never reseeded, so every run draws the same sequence.
float Rnd();

// Rounds to the nearest 16-bit integer, halves to even; out of range raises the overflow error.
std::int16_t roundToInteger(float value);

}  // namespace rt
