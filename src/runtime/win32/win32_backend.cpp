#include "runtime/win32/win32_backend.h"

#include <cstdio>
#include <memory>

#include "runtime/form.h"
#include "runtime/twips.h"
#include "runtime/win32/command_line.h"
#include "runtime/win32/dialog_window.h"
#include "runtime/win32/saver_window.h"
#include "runtime/win32/wide_text.h"
#include "runtime/win32/windows_api.h"

namespace rt {
namespace {

std::unique_ptr<FormWindow> createWindow(Form& form) {
  if (form.description().style == WindowStyle::FullScreen) {
    return std::make_unique<SaverWindow>(form);
  }
  return std::make_unique<DialogWindow>(form);
}

RECT outerRectangle(const FormWindow& window) {
  RECT outer{};
  GetWindowRect(window.handle(), &outer);
  return outer;
}

}  // namespace

std::string Win32Backend::commandLine() {
  return utf8FromWide(argumentsAfterProgramName(GetCommandLineW()));
}

void Win32Backend::runModal(Form& form) {
  const std::unique_ptr<FormWindow> window = createWindow(form);
  // The form is forgotten however the show ends, by an error too.
  struct Shown {
    std::map<const Form*, FormWindow*>& shown;
    const Form* form;
    ~Shown() { shown.erase(form); }
  } shown{shown_, &form};
  shown_[&form] = window.get();
  window->startTimers();
  form.raiseLoad();
  window->runModal();
}

void Win32Backend::endModal(Form& form) {
  if (FormWindow* shown = window(form)) shown->endModal();
}

// A form that is not shown has its stored size.
float Win32Backend::width(const Form& form) {
  const FormWindow* shown = window(form);
  if (!shown || !shown->handle()) return static_cast<float>(form.description().width);
  const RECT outer = outerRectangle(*shown);
  return twipsFromPixels(outer.right - outer.left, shown->dotsPerInchX());
}

float Win32Backend::height(const Form& form) {
  const FormWindow* shown = window(form);
  if (!shown || !shown->handle()) return static_cast<float>(form.description().height);
  const RECT outer = outerRectangle(*shown);
  return twipsFromPixels(outer.bottom - outer.top, shown->dotsPerInchY());
}

// Only a form shown full screen keeps a lasting image to draw on.
void Win32Backend::paintPicture(Form& form, const Picture& picture, float x, float y) {
  if (auto* saver = dynamic_cast<SaverWindow*>(window(form))) saver->paintPicture(picture, x, y);
}

void Win32Backend::print(Form& form, const TextOut& text) {
  if (auto* saver = dynamic_cast<SaverWindow*>(window(form))) saver->print(text);
}

void Win32Backend::reportError(const std::string& title, const std::string& message) {
  MessageBoxW(nullptr, wideFromUtf8(message).c_str(), wideFromUtf8(title).c_str(),
              MB_OK | MB_ICONERROR);
}

// Nothing runs on the way out: no further message, no window torn down by hand.
void Win32Backend::end(int exitStatus) {
  std::fflush(nullptr);
  ExitProcess(static_cast<UINT>(exitStatus));
}

FormWindow* Win32Backend::window(const Form& form) const {
  const auto found = shown_.find(&form);
  return found == shown_.end() ? nullptr : found->second;
}

}  // namespace rt
