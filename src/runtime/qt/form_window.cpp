#include "runtime/qt/form_window.h"

#include <QCloseEvent>
#include <QScreen>
#include <QString>
#include <QTimer>

#include "runtime/twips.h"

namespace rt::qt {

FormWindow::FormWindow(const FormDescription& description, WindowEvents& events) : events_(events) {
  setWindowTitle(QString::fromStdString(description.caption));
}

int FormWindow::dotsPerInch() const { return qRound(screen()->logicalDotsPerInch()); }

int FormWindow::pixels(float twips) const { return pixelsFromTwips(twips, dotsPerInch()); }

void FormWindow::startTimer(std::size_t control, int milliseconds) {
  auto* timer = new QTimer(this);
  // A coarse timer may fire up to 5% early; a tick is due every interval, not about.
  timer->setTimerType(Qt::PreciseTimer);
  connect(timer, &QTimer::timeout, this, [this, control] { events_.timerDue(control); });
  timer->start(milliseconds);
}

void FormWindow::show() {
  showAsForm();
  activateWindow();
}

void FormWindow::runUntilEnded() {
  if (!ended_) loop_.exec();
}

void FormWindow::end() {
  ended_ = true;
  loop_.quit();
}

float FormWindow::outerWidth() const {
  return twipsFromPixels(frameGeometry().width(), dotsPerInch());
}

float FormWindow::outerHeight() const {
  return twipsFromPixels(frameGeometry().height(), dotsPerInch());
}

// The window stays until the show is over.
void FormWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  events_.closeRequested();
}

void FormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange) events_.activationChanged(isActiveWindow());
}

}  // namespace rt::qt
