#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QList>
#include <cstdint>
#include <span>

namespace rt::qt {

// The images an .ico file holds, in stored order.
QList<QImage> icoImages(std::span<const std::uint8_t> file);

// A window icon made of all the file's images.
QIcon windowIcon(std::span<const std::uint8_t> file);

// A mouse pointer from the file's 32 x 32 image, pointing at hotSpot.
QCursor pointerFromIcon(std::span<const std::uint8_t> file, QPoint hotSpot);

}  // namespace rt::qt
