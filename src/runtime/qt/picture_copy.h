#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include "runtime/picture.h"

namespace rt::qt {

// Copies the picture into target with its top-left corner at topLeft, one picture pixel to one
// target pixel, cut off at target's edges; returns the rectangle it covered.
QRect copyPicture(const Picture& picture, QImage& target, QPoint topLeft);

}  // namespace rt::qt
