#include "runtime/qt/form_window.h"

#include <QCloseEvent>
#include <QScreen>
#include <QString>
#include <QTimer>

namespace rt {

FormWindow::FormWindow(Form& form) : form_(form) {
  setWindowTitle(QString::fromStdString(form.description().caption));
  startTimers();
}

int FormWindow::dotsPerInch() const { return qRound(screen()->logicalDotsPerInch()); }

void FormWindow::runModal() {
  if (ending_) return;
  showAsForm();
  loop_.exec();
}

void FormWindow::endModal() {
  ending_ = true;
  loop_.quit();
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (ending_ || !form_.raiseUnload()) {
    event->ignore();
    return;
  }
  endModal();
  event->accept();
}

// The form loses the focus when its window, once active, gives way to another one; the focus
// moving between its own controls does not deactivate it.
void FormWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || ending_) return;
  if (isActiveWindow()) {
    wasActive_ = true;
  } else if (wasActive_) {
    form_.raiseLostFocus();
  }
}

// The timers run from the moment the form is loaded; their ticks wait for the loop.
void FormWindow::startTimers() {
  for (const ControlDescription& control : form_.description().controls) {
    if (control.kind != ControlKind::Timer || control.interval <= 0) continue;
    auto* timer = new QTimer(this);
    // A coarse timer may fire up to 5% early; a tick is due every interval, not about.
    timer->setTimerType(Qt::PreciseTimer);
    const std::string name = control.name;
    connect(timer, &QTimer::timeout, this,
            [this, name] { form_.raiseControlEvent(name, "Timer"); });
    timer->start(control.interval);
  }
}

}  // namespace rt
