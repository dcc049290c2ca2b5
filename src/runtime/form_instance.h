#pragma once

#include <memory>

#include "runtime/error.h"

namespace rt {

// Creates a form class's default instance into its empty slot; creating does not load it.
template <typename FormClass>
FormClass& New(std::unique_ptr<FormClass>& slot) {
  if (!slot) {
    auto instance = std::make_unique<FormClass>();
    checkStatus(instance->name(), "New");
    slot = std::move(instance);
  }
  return *slot;
}

}  // namespace rt
