#pragma once

#include <QImage>

#include "runtime/picture.h"

namespace rt::qt {

// The picture's pixels, top row first, one picture pixel to one image pixel.
QImage imageFromPicture(const Picture& picture);

}  // namespace rt::qt
