#pragma once

#include <QWidget>

#include "runtime/qt/form_window.h"

namespace rt {

// A fixed-size window holding the form's controls at their stored places, in the runtime's
// default font and colours.
class DialogWindow : public FormWindow {
  Q_OBJECT

 public:
  explicit DialogWindow(Form& form);

 protected:
  void showAsForm() override;

 private:
  QWidget* createControl(const ControlDescription& control, QWidget* container);
  QWidget* containerOf(const ControlDescription& control);
  void orderTabs();

  int pixels(int twips) const;
};

}  // namespace rt
