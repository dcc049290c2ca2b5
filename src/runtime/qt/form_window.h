#pragma once

#include <QEventLoop>
#include <QWidget>
#include <exception>

#include "runtime/form_description.h"
#include "runtime/window.h"
#include "runtime/window_events.h"

namespace rt::qt {

// The window of a shown form: reports its raw events and runs its loop.
class FormWindow : public QWidget, public rt::Window {
  Q_OBJECT

 public:
  FormWindow(const FormDescription& description, WindowEvents& events);

  // The screen's logical dots per inch, the twips' scale.
  int dotsPerInch() const;

  void startTimer(std::size_t control, int milliseconds) override;
  void show() override;
  void runUntilEnded() override;
  void end() override;
  float outerWidth() const override;
  float outerHeight() const override;

 protected:
  virtual void showAsForm() = 0;
  WindowEvents& events() const { return events_; }
  void endWithFailure(std::exception_ptr failure);
  int pixels(float twips) const;
  QPaintDevice& storeDevice();
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void requirePaintableStore();

  WindowEvents& events_;
  QEventLoop loop_;
  bool ended_ = false;
  std::exception_ptr failure_;
};

}  // namespace rt::qt
