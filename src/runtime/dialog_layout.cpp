#include "runtime/dialog_layout.h"

#include <algorithm>

namespace rt::dialog {
namespace {

bool hasWindow(ControlKind kind) {
  return kind != ControlKind::Timer && kind != ControlKind::ImageList;
}

void appendBackToFront(const FormDescription& form, std::optional<std::size_t> container,
                       std::vector<std::size_t>& order) {
  for (std::size_t index = form.controls.size(); index-- > 0;) {
    if (!hasWindow(form.controls[index].kind) || containerOf(form, index) != container) continue;
    order.push_back(index);
    if (form.controls[index].kind == ControlKind::Frame) appendBackToFront(form, index, order);
  }
}

}  // namespace

bool takesFocus(ControlKind kind) {
  return kind == ControlKind::TextBox || kind == ControlKind::CommandButton;
}

// A control that names no frame of the form lies on the drawing area.
std::optional<std::size_t> containerOf(const FormDescription& form, std::size_t control) {
  const std::string& name = form.controls[control].container;
  for (std::size_t index = 0; index < form.controls.size(); ++index) {
    const ControlDescription& candidate = form.controls[index];
    if (!name.empty() && candidate.kind == ControlKind::Frame && candidate.name == name) {
      return index;
    }
  }
  return std::nullopt;
}

std::vector<std::size_t> stackingOrder(const FormDescription& form) {
  std::vector<std::size_t> order;
  appendBackToFront(form, std::nullopt, order);
  return order;
}

std::vector<std::size_t> tabOrder(const FormDescription& form) {
  std::vector<std::size_t> order;
  for (std::size_t index = 0; index < form.controls.size(); ++index) {
    if (takesFocus(form.controls[index].kind)) order.push_back(index);
  }
  std::ranges::stable_sort(order, {},
                           [&form](std::size_t index) { return form.controls[index].tabIndex; });
  return order;
}

std::size_t nextInTabOrder(std::size_t count, std::optional<std::size_t> from, bool backwards) {
  if (!from) return 0;
  return (*from + (backwards ? count - 1 : 1)) % count;
}

Point placeOnForm(const FormDescription& form, std::size_t control) {
  const ControlDescription& placed = form.controls[control];
  const std::optional<std::size_t> container = containerOf(form, control);
  if (!container) return {placed.left, placed.top};
  const Point origin = placeOnForm(form, *container);
  return {origin.x + placed.left, origin.y + placed.top};
}

}  // namespace rt::dialog
