#pragma once

#include <cstdint>
#include <span>

namespace rt {

// The image of an .ico file that is size pixels wide (else the file's first), as the file stores
// it: bitmap header, palette, colours, mask. Empty when the file is malformed.
std::span<const std::uint8_t> icoImage(std::span<const std::uint8_t> ico, int size);

}  // namespace rt
