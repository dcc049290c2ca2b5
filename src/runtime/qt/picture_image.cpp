#include "runtime/qt/picture_image.h"

namespace rt::qt {

QImage imageFromPicture(const Picture& picture) {
  const int width = picture.width();
  const int height = picture.height();
  QImage image(width, height, QImage::Format_RGB32);
  for (int row = 0; row < height; ++row) {
    // Rows are stored bottom-up, each pixel blue, green, red.
    const std::uint8_t* source = picture.rows() + (height - 1 - row) * picture.rowStride();
    auto* target = reinterpret_cast<QRgb*>(image.scanLine(row));
    for (int column = 0; column < width; ++column, source += 3) {
      target[column] = qRgb(source[2], source[1], source[0]);
    }
  }
  return image;
}

}  // namespace rt::qt
