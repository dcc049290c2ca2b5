#include "runtime/qt/picture_copy.h"

#include <QColor>

namespace rt::qt {
namespace {

// Formats whose pixels are 0xAARRGGBB words, where an opaque colour is written as it is.
bool takesOpaqueWords(const QImage& image) {
  return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
         image.format() == QImage::Format_ARGB32_Premultiplied;
}

}  // namespace

// Plain row copies: a picture is small, and no drawing engine gets to split it between threads.
QRect copyPicture(const Picture& picture, QImage& target, QPoint topLeft) {
  const QRect area = QRect(topLeft, QSize(picture.width(), picture.height())) & target.rect();
  const bool words = takesOpaqueWords(target);
  for (int y = area.top(); y <= area.bottom(); ++y) {
    // Rows are stored bottom-up, each pixel blue, green, red.
    const int row = picture.height() - 1 - (y - topLeft.y());
    const std::uint8_t* source =
        picture.rows() + row * picture.rowStride() + 3 * (area.left() - topLeft.x());
    auto* line = reinterpret_cast<QRgb*>(target.scanLine(y));
    for (int x = area.left(); x <= area.right(); ++x, source += 3) {
      const QRgb colour = qRgb(source[2], source[1], source[0]);
      if (words) {
        line[x] = colour;
      } else {
        target.setPixelColor(x, y, QColor(colour));
      }
    }
  }
  return area;
}

}  // namespace rt::qt
