#pragma once

#include <cstdint>
#include <span>

#include "runtime/win32/gdi.h"
#include "runtime/win32/windows_api.h"

namespace rt {

// The image of an .ico file that is size pixels wide (else the file's first), in the form the
// platform's icon functions take: bitmap header, palette, colours, mask. Empty when malformed.
std::span<const std::uint8_t> icoImage(std::span<const std::uint8_t> ico, int size);

// An icon of size x size pixels from an .ico file; null when the file holds none.
OwnedIcon iconFromIco(std::span<const std::uint8_t> ico, int size);

// A mouse pointer from an .ico file's image of that size, pointing at hotSpot.
OwnedCursor cursorFromIco(std::span<const std::uint8_t> ico, int size, POINT hotSpot);

}  // namespace rt
