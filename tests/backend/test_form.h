#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/qt/form_window.h"
#include "runtime/qt/qt_backend.h"

// The process's one backend, in place for the tests; it creates the application on the first
// window.
rt::qt::QtBackend& testBackend();

// A form whose handlers record their events instead of ending the program.
class TestForm : public rt::Form {
 public:
  explicit TestForm(rt::FormDescription description, bool cancelUnload = false);

  // Records the control's event as "Control_Event".
  void record(const std::string& control, rt::ControlEvent event);

  // Shows the form modally and runs the script once its window is active; the show ends when
  // the script is over, or left by a failed assertion, or when it closed the window.
  void showWhile(std::function<void(rt::qt::FormWindow& window)> script);

  // "Load", "KeyPress 97", "Unload", "LostFocus", "Command1_Click", ...
  std::vector<std::string> events;

 protected:
  void Form_Load() override;
  void Form_KeyPress(std::int16_t& KeyAscii) override;
  void Form_Unload(std::int16_t& Cancel) override;
  void Form_LostFocus() override;

 private:
  std::function<void(rt::qt::FormWindow&)> script_;
  bool cancelUnload_;
};

// The window of the form being shown.
rt::qt::FormWindow& shownWindow();
