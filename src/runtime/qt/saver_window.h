#pragma once

#include <QColor>
#include <QImage>

#include "runtime/qt/form_window.h"

namespace rt::qt {

// A borderless window over the whole primary screen. Its backing store is its lasting image:
// what is drawn goes there and to the screen, and an exposed part comes back from there, so the
// program keeps one copy of the screen.
class SaverWindow : public FormWindow {
  Q_OBJECT

 public:
  SaverWindow(const FormDescription& description, WindowEvents& events);

  void paintPicture(const Picture& picture, float x, float y) override;
  void print(const PrintedText& text) override;

  // What the window shows.
  const QImage& image();

 protected:
  void showAsForm() override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QImage& lastingImage();
  template <typename Draw>
  void drawOn(const QRect& area, Draw&& draw);
  QPoint pixelsFrom(float x, float y) const;

  QColor backColor_;
  QSize screenSize_;
  // The buffer the back colour was laid on; another one holds nothing drawn yet.
  const uchar* laidBuffer_ = nullptr;
};

}  // namespace rt::qt
