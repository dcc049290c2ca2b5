#pragma once

#include <exception>
#include <map>
#include <string>

#include "runtime/form.h"
#include "runtime/win32/windows_api.h"

namespace rt {

// The window of a form shown modally: delivers the form's own events and runs its loop.
class FormWindow {
 public:
  explicit FormWindow(Form& form);
  virtual ~FormWindow();
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  Form& form() const { return form_; }
  HWND handle() const { return window_; }
  // The screen's logical dots per inch, the twips' scale.
  int dotsPerInchX() const { return dotsPerInchX_; }
  int dotsPerInchY() const { return dotsPerInchY_; }

  // Starts the form's timers; they tick from its load on.
  void startTimers();
  // Shows the window and dispatches messages until endModal; at once if it has been called.
  // An error that arose in the window's procedure leaves from here.
  void runModal();
  void endModal();

 protected:
  // Registers the class once per name and creates the hidden window with that outer rectangle.
  void create(const wchar_t* className, const WNDCLASSEXW& classTemplate, DWORD style,
              DWORD extendedStyle, const RECT& outer);
  virtual void showAsForm() = 0;
  // A message the window handles itself.
  virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // True when it took the queued message over, dispatch included.
  virtual bool routeQueued(MSG& /*message*/) { return false; }
  // Destroys the window while the derived window's resources still exist.
  void destroy();

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void close();

  Form& form_;
  HWND window_ = nullptr;
  int dotsPerInchX_;
  int dotsPerInchY_;
  std::map<UINT_PTR, std::string> timers_;
  bool ending_ = false;
  bool wasActive_ = false;
  std::exception_ptr failure_;
};

}  // namespace rt
