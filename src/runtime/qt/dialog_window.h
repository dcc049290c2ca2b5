#pragma once

#include <QWidget>
#include <vector>

#include "runtime/qt/form_window.h"

namespace rt::qt {

// A fixed-size window holding the form's controls at their stored places, in the runtime's
// default font and colours.
class DialogWindow : public FormWindow {
  Q_OBJECT

 public:
  DialogWindow(const FormDescription& description, WindowEvents& events);

 protected:
  void showAsForm() override;

 private:
  QWidget* createControl(const ControlDescription& control, std::size_t index, QWidget* container);
  QRect pixelRect(int left, int top, int width, int height) const;
  void orderTabs(const std::vector<std::size_t>& order, const std::vector<QWidget*>& widgets);
};

}  // namespace rt::qt
