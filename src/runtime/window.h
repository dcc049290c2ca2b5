#pragma once

#include <cstddef>
#include <string>

#include "runtime/colour.h"
#include "runtime/form_description.h"
#include "runtime/picture.h"

namespace rt {

// One Print: the text, where its cell's top-left corner lies (twips in the drawing area), its
// colour and font.
struct PrintedText {
  std::string text;
  float x;
  float y;
  Colour colour;
  FontDescription font;
};

// The platform window of one shown form. The form owns it from its creation, hidden, until the
// show is over; destroying it takes the window and all it holds away.
class Window {
 public:
  virtual ~Window() = default;

  // From now on reports timerDue(control) every milliseconds, from the event loop only.
  virtual void startTimer(std::size_t control, int milliseconds) = 0;
  // Makes the window visible and active, with the focus where the platform's form puts it.
  virtual void show() = 0;
  // Dispatches the platform's events until end; returns at once when end came first.
  virtual void runUntilEnded() = 0;
  // Makes runUntilEnded return once the current event is done.
  virtual void end() = 0;

  // The outer size, frame included, in twips.
  virtual float outerWidth() const = 0;
  virtual float outerHeight() const = 0;

  // Both draw on the window's lasting image, nothing is ever cleared; positions in twips of the
  // drawing area. A window without a lasting image keeps nothing of them.
  virtual void paintPicture(const Picture& /*picture*/, float /*x*/, float /*y*/) {}
  virtual void print(const PrintedText& /*text*/) {}
};

}  // namespace rt
