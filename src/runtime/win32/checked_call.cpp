#include "runtime/win32/checked_call.h"

namespace rt::win32 {

PlatformFailure lastCallFailure() {
  const DWORD error = GetLastError();
  if (error == ERROR_SUCCESS) return PlatformFailure(kFail);
  return PlatformFailure(static_cast<Status>(HRESULT_FROM_WIN32(error)));
}

}  // namespace rt::win32
