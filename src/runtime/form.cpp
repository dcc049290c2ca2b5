#include "runtime/form.h"

#include <utility>

#include "runtime/error.h"
#include "runtime/start.h"

namespace rt {
namespace {

// What a form without a stored font draws with.
const FontDescription kDefaultFont{"MS Sans Serif", 400, 8.25f, 0, false, false, false};

}  // namespace

Form::Form(std::string name, FormDescription description)
    : name_(std::move(name)),
      description_(std::move(description)),
      font_(description_.font.value_or(kDefaultFont)),
      foreColor_(description_.foreColor.value_or(0)) {}

void Form::Show(ShowMode /*mode*/) {
  checkStatus(name_, "Show");
  backend().runModal(*this);
  // A handler's error leaves Show here, once the event loop has returned.
  if (leaving_) std::rethrow_exception(std::exchange(leaving_, nullptr));
}

float Form::Width() const {
  checkStatus(name_, "Width");
  return backend().width(*this);
}

float Form::Height() const {
  checkStatus(name_, "Height");
  return backend().height(*this);
}

void Form::CurrentX(float x) {
  checkStatus(name_, "CurrentX");
  currentX_ = x;
}

void Form::CurrentY(float y) {
  checkStatus(name_, "CurrentY");
  currentY_ = y;
}

void Form::ForeColor(Colour colour) {
  checkStatus(name_, "ForeColor");
  foreColor_ = colour;
}

StdFont& Form::Font() {
  checkStatus(name_, "Font");
  return font_;
}

void Form::PaintPicture(const Picture& picture, float X1, float Y1) {
  checkStatus(name_, "PaintPicture");
  backend().paintPicture(*this, picture, X1, Y1);
}

void Form::Print(const std::string& text) {
  checkStatus(name_, "Print");
  backend().print(*this, TextOut{text, currentX_, currentY_, foreColor_, font_.description()});
}

template <typename Handler>
void Form::dispatch(Handler&& handler) {
  if (leaving_) return;
  try {
    handler();
  } catch (...) {
    leaving_ = std::current_exception();
    backend().endModal(*this);
  }
}

void Form::raiseLoad() {
  dispatch([this] { Form_Load(); });
}

void Form::raiseKeyPress(std::int16_t keyAscii) {
  dispatch([this, keyAscii]() mutable { Form_KeyPress(keyAscii); });
}

bool Form::raiseUnload() {
  std::int16_t cancel = 0;
  dispatch([this, &cancel] { Form_Unload(cancel); });
  return cancel == 0;
}

void Form::raiseLostFocus() {
  dispatch([this] { Form_LostFocus(); });
}

void Form::raiseControlEvent(std::string_view control, std::string_view event) {
  dispatch(
      [this, control, event] { ControlEvent(std::string(control) + "_" + std::string(event)); });
}

}  // namespace rt
