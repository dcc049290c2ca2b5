#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "runtime/form.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/start.h"

// The process's one backend; it creates the application on the first show.
rt::QtBackend& testBackend();

// A form whose handlers record their events instead of ending the program.
class TestForm : public rt::Form {
 public:
  explicit TestForm(rt::FormDescription description, bool cancelUnload = false);

  // Shows the form modally and runs the script once its window is active; the script makes
  // the show end, by endModal or by closing the window.
  void showWhile(std::function<void(rt::FormWindow& window)> script);

  // "Load", "KeyPress 97", "Unload", "LostFocus", "Command1_Click", ...
  std::vector<std::string> events;

 protected:
  void Form_Load() override;
  void Form_KeyPress(std::int16_t& KeyAscii) override;
  void Form_Unload(std::int16_t& Cancel) override;
  void Form_LostFocus() override;
  void ControlEvent(std::string_view handler) override;

 private:
  std::function<void(rt::FormWindow&)> script_;
  bool cancelUnload_;
};
