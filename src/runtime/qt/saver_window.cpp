#include "runtime/qt/saver_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QString>

#include "runtime/qt/ico.h"
#include "runtime/qt/picture_image.h"
#include "runtime/qt/text_font.h"
#include "runtime/twips.h"

namespace rt::qt {
namespace {

constexpr double kMetresPerInch = 0.0254;

QColor qColour(Colour colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

}  // namespace

SaverWindow::SaverWindow(const FormDescription& description, WindowEvents& events)
    : FormWindow(description, events), backColor_(qColour(description.backColor.value_or(0))) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setCursor(pointerFromIcon(description.mouseIcon,
                            QPoint(description.mouseHotSpot.x, description.mouseHotSpot.y)));
  QScreen* primary = QGuiApplication::primaryScreen();
  setScreen(primary);
  setGeometry(primary->geometry());
  fitImageToWindow();
}

void SaverWindow::showAsForm() { showFullScreen(); }

void SaverWindow::paintPicture(const Picture& source, float x, float y) {
  const QImage& picture = pictureImage(source);
  const QPoint topLeft = pixelsFrom(x, y);
  QPainter painter(&image_);
  painter.drawImage(topLeft, picture);
  update(QRect(topLeft, picture.size()));
}

// The text's cell top lies at the position; one line, cut off at the window's edges.
void SaverWindow::print(const PrintedText& text) {
  const QPoint topLeft = pixelsFrom(text.x, text.y);
  const QString line =
      QString::fromUtf8(text.text.data(), static_cast<qsizetype>(text.text.size()));
  const QFont font = textFont(text.font, dotsPerInch());
  const QFontMetrics metrics(font, &image_);
  const QPoint baseline = topLeft + QPoint(0, metrics.ascent());
  QPainter painter(&image_);
  painter.setFont(font);
  painter.setPen(qColour(text.colour));
  painter.drawText(baseline, line);
  const QRect cell(topLeft, QSize(metrics.horizontalAdvance(line), metrics.height()));
  update(cell.united(metrics.boundingRect(line).translated(baseline)).adjusted(-1, -1, 1, 1));
}

void SaverWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.drawImage(event->rect(), image_, event->rect());
}

void SaverWindow::resizeEvent(QResizeEvent* event) {
  FormWindow::resizeEvent(event);
  fitImageToWindow();
}

// The image follows the window's size and keeps what was drawn; a new part shows the back colour.
void SaverWindow::fitImageToWindow() {
  if (image_.size() == size()) return;
  QImage grown(size(), QImage::Format_RGB32);
  const int dotsPerMetre = qRound(dotsPerInch() / kMetresPerInch);
  grown.setDotsPerMeterX(dotsPerMetre);
  grown.setDotsPerMeterY(dotsPerMetre);
  grown.fill(backColor_);
  if (!image_.isNull()) QPainter(&grown).drawImage(0, 0, image_);
  image_ = std::move(grown);
}

// Only a key that yields a character is a key press of the form. As on Windows, Delete and keys
// held with Alt (menu keys there) yield none.
void SaverWindow::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (text.isEmpty() || event->key() == Qt::Key_Delete || event->modifiers() & Qt::AltModifier) {
    events().keyPressed(std::nullopt);
    return;
  }
  events().keyPressed(text.at(0).unicode());
}

// Each picture is decoded once, on its first paint.
const QImage& SaverWindow::pictureImage(const Picture& picture) {
  const auto [entry, added] = pictureImages_.try_emplace(picture.file().data());
  if (added) entry->second = imageFromPicture(picture);
  return entry->second;
}

QPoint SaverWindow::pixelsFrom(float x, float y) const { return QPoint(pixels(x), pixels(y)); }

}  // namespace rt::qt
