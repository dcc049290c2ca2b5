#include "runtime/qt/ico.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPixmap>

namespace rt::qt {
namespace {

constexpr QSize kPointerSize(32, 32);

}  // namespace

QList<QImage> icoImages(std::span<const std::uint8_t> file) {
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(file.data()),
                                             static_cast<qsizetype>(file.size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "ico");
  QList<QImage> images;
  for (int index = 0; index < reader.imageCount(); ++index) {
    reader.jumpToImage(index);
    const QImage image = reader.read();
    if (!image.isNull()) images.append(image);
  }
  return images;
}

QIcon windowIcon(std::span<const std::uint8_t> file) {
  QIcon icon;
  for (const QImage& image : icoImages(file)) icon.addPixmap(QPixmap::fromImage(image));
  return icon;
}

QCursor pointerFromIcon(std::span<const std::uint8_t> file, QPoint hotSpot) {
  for (const QImage& image : icoImages(file)) {
    if (image.size() == kPointerSize)
      return QCursor(QPixmap::fromImage(image), hotSpot.x(), hotSpot.y());
  }
  return QCursor();
}

}  // namespace rt::qt
