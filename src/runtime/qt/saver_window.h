#pragma once

#include <QColor>
#include <QImage>

#include "runtime/backend.h"
#include "runtime/qt/form_window.h"

namespace rt {

// A borderless window over the whole primary screen that keeps a lasting image of all that is
// drawn on it, so an exposed part comes back with its pictures and texts.
class SaverWindow : public FormWindow {
  Q_OBJECT

 public:
  explicit SaverWindow(Form& form);

  const QImage& image() const { return image_; }
  // Both draw at a position in twips from the window's top-left corner.
  void paintImage(const QImage& picture, float x, float y);
  void print(const TextOut& text);

 protected:
  void showAsForm() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPoint pixelsFrom(float x, float y) const;
  void fitImageToWindow();

  QColor backColor_;
  QImage image_;
};

}  // namespace rt
