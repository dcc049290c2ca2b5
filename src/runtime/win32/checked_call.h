#pragma once

#include <utility>

#include "runtime/error.h"
#include "runtime/win32/windows_api.h"

namespace rt::win32 {

// The failure of the platform call that has just failed, with the status its last error gives;
// a call that left no error failed all the same.
PlatformFailure lastCallFailure();

// Makes a platform call that returns null, zero or FALSE when it fails, and throws its failure.
// The last error is cleared first: one left by an earlier call is not this call's.
template <typename Function, typename... Arguments>
auto checked(Function function, Arguments&&... arguments) {
  SetLastError(ERROR_SUCCESS);
  const auto result = function(std::forward<Arguments>(arguments)...);
  if (!result) throw lastCallFailure();
  return result;
}

}  // namespace rt::win32
