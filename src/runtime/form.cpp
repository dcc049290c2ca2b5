#include "runtime/form.h"

#include <stdexcept>
#include <utility>

#include "runtime/call_in_progress.h"
#include "runtime/default_font.h"
#include "runtime/error.h"
#include "runtime/start.h"

namespace rt {
namespace {

// What a form without a stored font draws with.
const FontDescription kDefaultFont{
    std::string(DefaultFont::kFace), 400, DefaultFont::kPoints, 0, false, false, false};

ControlKind raiserOf(ControlEvent event) {
  return event == ControlEvent::Timer ? ControlKind::Timer : ControlKind::CommandButton;
}

}  // namespace

// Once the show is ending no event reaches the form any more; an error in a handler ends it.
template <typename Handler>
void Form::dispatch(Handler&& handler) {
  if (ending_) return;
  try {
    handler();
  } catch (...) {
    leaving_ = std::current_exception();
    endShow();
  }
}

void Form::endShow() {
  ending_ = true;
  if (window_) window_->end();
}

template <typename Operation>
auto Form::onWindow(std::string_view member, Operation&& call) const {
  const CallInProgress inProgress{name_, member};
  try {
    return call();
  } catch (const PlatformFailure& failure) {
    throw RuntimeError::failedCall(failure.status(), name_, member);
  }
}

Form::Form(std::string name, FormDescription description)
    : name_(std::move(name)),
      description_(std::move(description)),
      font_(description_.font.value_or(kDefaultFont)),
      foreColor_(description_.foreColor.value_or(0)) {}

Form::~Form() = default;

// Create, timers, Load, show, run: the timers tick from the load on, their ticks wait for the
// loop. The window goes when the show is over, however it ends.
void Form::Show(ShowMode /*mode*/) {
  checkStatus(name_, "Show");
  // A form unloaded before is loaded afresh.
  ending_ = false;
  wasActive_ = false;
  // No event reaches the form from a window going away.
  struct Unload {
    Form& form;
    ~Unload() {
      form.ending_ = true;
      form.window_.reset();
    }
  } unload{*this};
  onWindow("Show", [this] {
    window_ = backend().createWindow(description_, *this);
    startTimers();
    dispatch([this] { Form_Load(); });
    if (ending_) return;
    window_->show();
    window_->runUntilEnded();
  });
  // A handler's error leaves Show here, once the event loop has returned.
  if (leaving_) std::rethrow_exception(std::exchange(leaving_, nullptr));
}

// A form that is not shown has its stored size.
float Form::Width() const {
  checkStatus(name_, "Width");
  if (!window_) return static_cast<float>(description_.width);
  return onWindow("Width", [this] { return window_->outerWidth(); });
}

float Form::Height() const {
  checkStatus(name_, "Height");
  if (!window_) return static_cast<float>(description_.height);
  return onWindow("Height", [this] { return window_->outerHeight(); });
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
  if (!window_) return;
  onWindow("PaintPicture", [&] { window_->paintPicture(picture, X1, Y1); });
}

void Form::Print(const std::string& text) {
  checkStatus(name_, "Print");
  if (!window_) return;
  onWindow("Print", [&] {
    window_->print(PrintedText{text, currentX_, currentY_, foreColor_, font_.description()});
  });
}

void Form::On(std::string_view control, ControlEvent event, std::function<void()> handler) {
  const auto& controls = description_.controls;
  for (std::size_t index = 0; index < controls.size(); ++index) {
    if (controls[index].name == control && controls[index].kind == raiserOf(event)) {
      bindings_.push_back({index, event, std::move(handler)});
      return;
    }
  }
  throw std::logic_error(name_ + " stores no control " + std::string(control) + " for the event");
}

void Form::startTimers() {
  const auto& controls = description_.controls;
  for (std::size_t index = 0; index < controls.size(); ++index) {
    if (controls[index].kind == ControlKind::Timer && controls[index].interval > 0) {
      window_->startTimer(index, controls[index].interval);
    }
  }
}

// Only a key that yields a character is a key press of the form.
void Form::keyPressed(std::optional<char16_t> character) {
  if (!character) return;
  dispatch([this, keyAscii = static_cast<std::int16_t>(*character)]() mutable {
    Form_KeyPress(keyAscii);
  });
}

// An unload that no handler cancels ends the show.
void Form::closeRequested() {
  std::int16_t cancel = 0;
  dispatch([this, &cancel] { Form_Unload(cancel); });
  if (cancel == 0) endShow();
}

// The form loses the focus when its window, once active, gives way to another one; the focus
// moving between its own controls does not deactivate the window.
void Form::activationChanged(bool active) {
  if (active) {
    wasActive_ = true;
  } else if (wasActive_) {
    dispatch([this] { Form_LostFocus(); });
  }
}

void Form::controlClicked(std::size_t control) { raiseControlEvent(control, ControlEvent::Click); }

void Form::timerDue(std::size_t control) { raiseControlEvent(control, ControlEvent::Timer); }

void Form::raiseControlEvent(std::size_t control, ControlEvent event) {
  for (const Binding& binding : bindings_) {
    if (binding.control == control && binding.event == event) dispatch(binding.handler);
  }
}

}  // namespace rt
