#pragma once

#include "runtime/form_description.h"

namespace rt {

// The font object a form draws its text with.
class StdFont {
 public:
  explicit StdFont(FontDescription description) : description_(std::move(description)) {}

  // Set late-bound: a failure is raised by the runtime itself.
  void Size(float points);
  const FontDescription& description() const { return description_; }

 private:
  FontDescription description_;
};

}  // namespace rt
