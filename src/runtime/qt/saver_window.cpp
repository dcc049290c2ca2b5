#include "runtime/qt/saver_window.h"

#include <QBackingStore>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPaintEngine>
#include <QPainter>
#include <QScreen>
#include <QString>
#include <QTextLayout>
#include <new>

#include "runtime/error.h"
#include "runtime/qt/ico.h"
#include "runtime/qt/key_character.h"
#include "runtime/qt/picture_copy.h"
#include "runtime/qt/qt_text.h"
#include "runtime/qt/text_font.h"

namespace rt::qt {
namespace {

QColor qColour(Colour colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

// Lays a text out on one line, shaped once for both its drawing and its extent.
void layOutLine(QTextLayout& layout) {
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  layout.setTextOption(option);
  layout.setCacheEnabled(true);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
}

// The text's cell, widened by whatever its glyphs reach beyond it.
QRect inkedArea(const QTextLayout& layout) {
  QRectF area = layout.lineAt(0).naturalTextRect();
  for (const QGlyphRun& run : layout.glyphRuns()) area |= run.boundingRect();
  return area.toAlignedRect().adjusted(-1, -1, 1, 1);
}

}  // namespace

// Draws on the lasting image within area; the screen gets it once the event is done, in one
// piece with whatever else the event drew.
template <typename Draw>
void SaverWindow::drawOn(const QRect& area, Draw&& draw) {
  const QRect shown = area & lastingImage().rect();
  if (shown.isEmpty()) return;
  QBackingStore* store = backingStore();
  store->beginPaint(shown);
  // The image to draw on is the one the store hands out while painting.
  draw(lastingImage());
  store->endPaint();
  update(shown);
}

SaverWindow::SaverWindow(const FormDescription& description, WindowEvents& events)
    : FormWindow(description, events), backColor_(qColour(description.backColor.value_or(0))) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(pointerFromIcon(description.mouseIcon,
                            QPoint(description.mouseHotSpot.x, description.mouseHotSpot.y)));
  QScreen* primary = QGuiApplication::primaryScreen();
  if (!primary) throw PlatformFailure(kFail);
  setScreen(primary);
  setGeometry(primary->geometry());
  screenSize_ = primary->size();
}

void SaverWindow::showAsForm() { showFullScreen(); }

void SaverWindow::paintPicture(const Picture& picture, float x, float y) {
  const QPoint topLeft = pixelsFrom(x, y);
  drawOn(QRect(topLeft, QSize(picture.width(), picture.height())),
         [&](QImage& image) { copyPicture(picture, image, topLeft); });
}

// The text's cell top lies at the position; one line, cut off at the window's edges.
void SaverWindow::print(const PrintedText& text) {
  QTextLayout layout(qText(text.text), textFont(text.font, dotsPerInch()));
  layOutLine(layout);
  const QPoint topLeft = pixelsFrom(text.x, text.y);
  drawOn(inkedArea(layout).translated(topLeft), [&](QImage& image) {
    QPainter painter(&image);
    if (!painter.isActive()) throw std::bad_alloc();
    painter.setPen(qColour(text.colour));
    layout.draw(&painter, topLeft);
  });
}

const QImage& SaverWindow::image() { return lastingImage(); }

// Whatever Qt repaints on the backing store is there already; drawn anywhere else, as when the
// window is grabbed, it is copied from there.
void SaverWindow::paintEvent(QPaintEvent* event) {
  try {
    const QImage& image = lastingImage();
    QPainter painter(this);
    if (painter.paintEngine()->paintDevice() != &image) {
      painter.drawImage(event->rect(), image, event->rect());
    }
  } catch (...) {
    endWithFailure(std::current_exception());
  }
}

// The window keeps the size of the screen, whatever another program asks of it: its lasting
// image never grows past what the screen can show, and never loses what was drawn.
void SaverWindow::resizeEvent(QResizeEvent* event) {
  FormWindow::resizeEvent(event);
  if (size() != screenSize_) resize(screenSize_);
}

// The backing store, laid with the back colour the first time it is used.
QImage& SaverWindow::lastingImage() {
  QPaintDevice& device = storeDevice();
  if (device.devType() != QInternal::Image) throw std::bad_alloc();
  auto& image = static_cast<QImage&>(device);
  if (image.isNull()) throw std::bad_alloc();
  if (image.constBits() != laidBuffer_) {
    image.fill(backColor_);
    laidBuffer_ = image.constBits();
  }
  return image;
}

// A key press and its character, by Windows' rule of which presses yield one.
void SaverWindow::keyPressEvent(QKeyEvent* event) { events().keyPressed(windowsCharacter(*event)); }

QPoint SaverWindow::pixelsFrom(float x, float y) const { return QPoint(pixels(x), pixels(y)); }

}  // namespace rt::qt
