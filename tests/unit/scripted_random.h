#pragma once

#include <cstddef>
#include <vector>

#include "runtime/maths.h"

// The unit tests' generator, in Rnd's place while it lives: hands out the scripted draws in
// order, then zeros, so a test chooses every draw.
class ScriptedDraws : public rt::Generator {
 public:
  void script(std::vector<float> draws);
  int taken() const { return static_cast<int>(taken_); }
  float next() override;

 private:
  std::vector<float> script_;
  std::size_t taken_ = 0;
  rt::GeneratorScope scope_{*this};
};
