#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "runtime/colour.h"
#include "runtime/font.h"
#include "runtime/form_description.h"
#include "runtime/picture.h"

namespace rt {

enum class ShowMode : std::int16_t { Modal = 1 };

// A window of the forms runtime, built from its stored description when it is shown.
// Handlers are the virtual members named after the event; one left alone is no handler.
class Form {
 public:
  Form(std::string name, FormDescription description);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  const std::string& name() const { return name_; }
  const FormDescription& description() const { return description_; }

  // Loads the form if needed, shows it and returns once it is unloaded or hidden.
  void Show(ShowMode mode);

  float Width() const;
  float Height() const;
  void CurrentX(float x);
  void CurrentY(float y);
  void ForeColor(Colour colour);
  StdFont& Font();
  void PaintPicture(const Picture& picture, float X1, float Y1);
  void Print(const std::string& text);

  // Raised by the backend while the modal Show runs, one at a time.
  void raiseLoad();
  void raiseKeyPress(std::int16_t keyAscii);
  // False when a handler cancelled the unload.
  bool raiseUnload();
  void raiseLostFocus();
  void raiseControlEvent(std::string_view control, std::string_view event);

 protected:
  virtual void Form_Load() {}
  virtual void Form_KeyPress(std::int16_t& /*KeyAscii*/) {}
  virtual void Form_Unload(std::int16_t& /*Cancel*/) {}
  virtual void Form_LostFocus() {}
  // A control's event, by its handler's name: control, underscore, event.
  virtual void ControlEvent(std::string_view /*handler*/) {}

 private:
  template <typename Handler>
  void dispatch(Handler&& handler);

  std::string name_;
  FormDescription description_;
  StdFont font_;
  float currentX_ = 0;
  float currentY_ = 0;
  Colour foreColor_;
  std::exception_ptr leaving_;
};

}  // namespace rt
