#include "scripted_random.h"

void ScriptedDraws::script(std::vector<float> draws) {
  script_ = std::move(draws);
  taken_ = 0;
}

float ScriptedDraws::next() {
  const float draw = taken_ < script_.size() ? script_[taken_] : 0.0f;
  ++taken_;
  return draw;
}
