#pragma once

#include <cstdint>
#include <span>

#include "runtime/win32/owned_handles.h"
#include "runtime/win32/windows_api.h"

namespace rt::win32 {

// An icon of size x size pixels from an .ico file; null when the file holds none. The
// platform's refusal to make it throws PlatformFailure.
OwnedIcon iconFromIco(std::span<const std::uint8_t> ico, int size);

// A mouse pointer from an .ico file's image of that size, pointing at hotSpot; likewise.
OwnedCursor cursorFromIco(std::span<const std::uint8_t> ico, int size, POINT hotSpot);

}  // namespace rt::win32
