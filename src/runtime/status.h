#pragma once

#include <cstdint>

namespace rt {

// The status every call on a runtime object reports; negative means failure.
using Status = std::int32_t;

constexpr Status kOk = 0;
constexpr Status kFail = static_cast<Status>(0x80004005u);

constexpr bool failed(Status status) { return status < 0; }

}  // namespace rt
