#pragma once

#include <QEventLoop>
#include <QWidget>

#include "runtime/form.h"

namespace rt {

// The window of a form shown modally: delivers the form's own events and runs its loop.
class FormWindow : public QWidget {
  Q_OBJECT

 public:
  explicit FormWindow(Form& form);

  Form& form() const { return form_; }
  // The screen's logical dots per inch, the twips' scale.
  int dotsPerInch() const;

  // Shows the window and dispatches events until endModal; at once if it has been called.
  void runModal();
  void endModal();

 protected:
  virtual void showAsForm() = 0;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void startTimers();

  Form& form_;
  QEventLoop loop_;
  bool ending_ = false;
  bool wasActive_ = false;
};

}  // namespace rt
