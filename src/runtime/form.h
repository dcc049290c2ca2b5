#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/colour.h"
#include "runtime/font.h"
#include "runtime/form_description.h"
#include "runtime/picture.h"
#include "runtime/window.h"
#include "runtime/window_events.h"

namespace rt {

enum class ShowMode : std::int16_t { Modal = 1 };

// The events a control raises.
enum class ControlEvent { Click, Timer };

// A window of the forms runtime, built from its stored description when it is shown.
// The form's own events reach the virtual members named after them; a control's events reach
// the handlers bound to them.
class Form : private WindowEvents {
 public:
  Form(std::string name, FormDescription description);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  const FormDescription& description() const { return description_; }

  // Loads the form, shows it and returns once it is unloaded.
  void Show(ShowMode mode);

  float Width() const;
  float Height() const;
  void CurrentX(float x);
  void CurrentY(float y);
  void ForeColor(Colour colour);
  StdFont& Font();
  void PaintPicture(const Picture& picture, float X1, float Y1);
  void Print(const std::string& text);

 protected:
  // Binds the event of a stored control to its handler. A control that is not stored, or that
  // raises no such event, is the program's own fault: std::logic_error.
  void On(std::string_view control, ControlEvent event, std::function<void()> handler);

  virtual void Form_Load() {}
  virtual void Form_KeyPress(std::int16_t& /*KeyAscii*/) {}
  virtual void Form_Unload(std::int16_t& /*Cancel*/) {}
  virtual void Form_LostFocus() {}

 private:
  struct Binding {
    std::size_t control;
    ControlEvent event;
    std::function<void()> handler;
  };

  void keyPressed(std::optional<char16_t> character) override;
  void closeRequested() override;
  void activationChanged(bool active) override;
  void controlClicked(std::size_t control) override;
  void timerDue(std::size_t control) override;

  void startTimers();
  void raiseControlEvent(std::size_t control, ControlEvent event);
  template <typename Handler>
  void dispatch(Handler&& handler);
  void endShow();
  // Runs a call on the shown window; the platform's refusal is the call's failure.
  template <typename Operation>
  auto onWindow(std::string_view member, Operation&& call) const;

  std::string name_;
  FormDescription description_;
  StdFont font_;
  float currentX_ = 0;
  float currentY_ = 0;
  Colour foreColor_;
  std::vector<Binding> bindings_;
  std::unique_ptr<Window> window_;
  bool ending_ = false;
  bool wasActive_ = false;
  std::exception_ptr leaving_;
};

}  // namespace rt
