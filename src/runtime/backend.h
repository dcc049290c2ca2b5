#pragma once

#include <string>
#include <string_view>

#include "runtime/colour.h"
#include "runtime/form_description.h"
#include "runtime/picture.h"
#include "runtime/status.h"

namespace rt {

class Form;

// One Print: the text, where it starts (twips in the drawing area), its colour and font.
struct TextOut {
  std::string text;
  float x;
  float y;
  Colour colour;
  FontDescription font;
};

// What a platform gives the runtime. Everything the program relies on is built above this.
class Backend {
 public:
  virtual ~Backend() = default;

  // The command line's argument text, UTF-8.
  virtual std::string commandLine() = 0;

  // Builds the form's window and controls from its description, raises Load, shows the window
  // and dispatches its events until it is unloaded or hidden.
  virtual void runModal(Form& form) = 0;
  // Makes a running runModal of form return after the current event.
  virtual void endModal(Form& form) = 0;

  // The window's outer size, twips.
  virtual float width(const Form& form) = 0;
  virtual float height(const Form& form) = 0;

  // Both draw on the window's lasting image; nothing is ever cleared.
  virtual void paintPicture(Form& form, const Picture& picture, float x, float y) = 0;
  virtual void print(Form& form, const TextOut& text) = 0;

  // The status the platform reports for a call on one of its objects.
  virtual Status callStatus(std::string_view /*object*/, std::string_view /*member*/) {
    return kOk;
  }

  virtual void reportError(const std::string& title, const std::string& message) = 0;
  [[noreturn]] virtual void end(int exitStatus) = 0;
};

}  // namespace rt
