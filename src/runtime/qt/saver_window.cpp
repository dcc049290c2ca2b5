#include "runtime/qt/saver_window.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QString>

#include "runtime/qt/ico.h"
#include "runtime/qt/key_character.h"
#include "runtime/qt/text_font.h"
#include "runtime/twips.h"

namespace rt {
namespace {

constexpr double kMetresPerInch = 0.0254;

QColor qColour(Colour colour) { return QColor(redOf(colour), greenOf(colour), blueOf(colour)); }

}  // namespace

SaverWindow::SaverWindow(Form& form)
    : FormWindow(form), backColor_(qColour(form.description().backColor.value_or(0))) {
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  const FormDescription& description = form.description();
  setCursor(pointerFromIcon(description.mouseIcon,
                            QPoint(description.mouseHotSpot.x, description.mouseHotSpot.y)));
  QScreen* primary = QGuiApplication::primaryScreen();
  setScreen(primary);
  setGeometry(primary->geometry());
  fitImageToWindow();
}

void SaverWindow::showAsForm() {
  showFullScreen();
  activateWindow();
}

void SaverWindow::paintImage(const QImage& picture, float x, float y) {
  const QPoint topLeft = pixelsFrom(x, y);
  QPainter painter(&image_);
  painter.drawImage(topLeft, picture);
  update(QRect(topLeft, picture.size()));
}

// The text's cell top lies at the position; one line, cut off at the window's edges.
void SaverWindow::print(const TextOut& text) {
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

// Only a key that yields a character, by Windows' rule, is a key press of the form.
void SaverWindow::keyPressEvent(QKeyEvent* event) {
  if (const auto character = windowsCharacter(*event)) {
    form().raiseKeyPress(static_cast<std::int16_t>(*character));
  }
}

QPoint SaverWindow::pixelsFrom(float x, float y) const {
  return QPoint(pixelsFromTwips(x, dotsPerInch()), pixelsFromTwips(y, dotsPerInch()));
}

}  // namespace rt
