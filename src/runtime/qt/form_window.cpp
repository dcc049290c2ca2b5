#include "runtime/qt/form_window.h"

#include <QBackingStore>
#include <QCloseEvent>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <utility>

#include "runtime/qt/leak_check.h"
#include "runtime/qt/qt_text.h"
#include "runtime/twips.h"

namespace rt::qt {
namespace {

bool looping = false;

// Qt leaves through exit(1) from inside the event loop when the display connection breaks. The
// process ends there, as on every other way out: no teardown runs under a window whose display
// is gone.
void endInsideTheLoop() {
  if (!looping) return;
  std::fflush(nullptr);
  checkLeaks();
  std::_Exit(1);
}

}  // namespace

FormWindow::FormWindow(const FormDescription& description, WindowEvents& events) : events_(events) {
  setWindowTitle(qText(description.caption));
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
  requirePaintableStore();
}

// An error that arose under one of Qt's event handlers leaves from here.
void FormWindow::runUntilEnded() {
  [[maybe_unused]] static const int exitHandler = std::atexit(endInsideTheLoop);
  if (!ended_) {
    looping = true;
    loop_.exec();
    looping = false;
  }
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

// No exception may cross Qt's code: it ends the show and waits there.
void FormWindow::endWithFailure(std::exception_ptr failure) {
  if (!failure_) failure_ = std::move(failure);
  end();
}

// A window whose backing store no painter can draw on (a display of 256 colours) would stay blank
// while Qt complained on every repaint: the runtime's want of memory instead.
void FormWindow::requirePaintableStore() {
  if (!storeDevice().paintEngine()) throw std::bad_alloc();
}

// The backing store's surface at the window's size. A store that cannot hold the window is the
// runtime's want of memory.
QPaintDevice& FormWindow::storeDevice() {
  QBackingStore* store = backingStore();
  if (!store) throw std::bad_alloc();
  if (store->size() != size()) store->resize(size());
  QPaintDevice* device = store->paintDevice();
  if (!device) throw std::bad_alloc();
  return *device;
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
