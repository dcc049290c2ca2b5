#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "runtime/picture.h"
#include "runtime/project.h"

namespace resources {

// The four space pictures, in their stored order.
std::vector<rt::Picture> spacePictures();
// The saver window's mouse pointer, an .ico file.
std::span<const std::uint8_t> pointerIcon();
// The application icon, an .ico file.
std::span<const std::uint8_t> applicationIcon();

extern const rt::ProjectHeader projectHeader;

}  // namespace resources
