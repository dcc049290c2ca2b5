#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>
#include <unordered_map>

#include "runtime/qt/form_window.h"

namespace rt::qt {

// A borderless window over the whole primary screen that keeps a lasting image of all that is
// drawn on it, so an exposed part comes back with its pictures and texts.
class SaverWindow : public FormWindow {
  Q_OBJECT

 public:
  SaverWindow(const FormDescription& description, WindowEvents& events);

  void paintPicture(const Picture& picture, float x, float y) override;
  void print(const PrintedText& text) override;

  const QImage& image() const { return image_; }
  // How many distinct pictures have been turned into images so far.
  std::size_t decodedPictureCount() const { return pictureImages_.size(); }

 protected:
  void showAsForm() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const QImage& pictureImage(const Picture& picture);
  QPoint pixelsFrom(float x, float y) const;
  void fitImageToWindow();

  QColor backColor_;
  QImage image_;
  std::unordered_map<const std::uint8_t*, QImage> pictureImages_;
};

}  // namespace rt::qt
