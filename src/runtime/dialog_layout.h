#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "runtime/form_description.h"

// How a dialog's stored controls stand to each other, whatever platform draws them. Controls are
// their indexes in the form's description.
namespace rt::dialog {

bool takesFocus(ControlKind kind);

// The frame a control lies in; none for the form's drawing area.
std::optional<std::size_t> containerOf(const FormDescription& form, std::size_t control);

// The controls that have a window, back to front: where two overlap the earlier stored one lies
// in front, and a frame's controls lie in front of it, so each frame comes before them.
std::vector<std::size_t> stackingOrder(const FormDescription& form);

// The controls that take the focus, by tab index; the focus starts on the first.
std::vector<std::size_t> tabOrder(const FormDescription& form);

// Where Tab, or Shift+Tab, moves the focus in a tab order of count controls, from the one at
// position from; from the first when the focus lies on none of them.
std::size_t nextInTabOrder(std::size_t count, std::optional<std::size_t> from, bool backwards);

struct Point {
  int x;
  int y;
};

// The control's top-left corner on the form's drawing area, twips.
Point placeOnForm(const FormDescription& form, std::size_t control);

}  // namespace rt::dialog
