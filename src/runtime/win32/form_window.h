#pragma once

#include <cstddef>
#include <exception>
#include <string>

#include "runtime/twips.h"
#include "runtime/win32/owned_handles.h"
#include "runtime/win32/windows_api.h"
#include "runtime/window.h"
#include "runtime/window_events.h"

namespace rt::win32 {

// What every platform window of a shown form does: runs its loop, keeps its timers and
// translates the messages each form window gets into raw events. A derived window owns its
// handle and declares it after all the window uses, so that the window goes first.
class FormWindow : public Window {
 public:
  FormWindow(const FormWindow&) = delete;
  FormWindow& operator=(const FormWindow&) = delete;

  void startTimer(std::size_t control, int milliseconds) override;
  // An error that arose in the window's procedure leaves from here.
  void runUntilEnded() override;
  void end() override;
  float outerWidth() const override;
  float outerHeight() const override;

 protected:
  explicit FormWindow(WindowEvents& events);

  WindowEvents& events() const { return events_; }
  // Twips as pixels of the screen, by its logical dots per inch.
  int pixelsX(float twips) const { return pixelsFromTwips(twips, dotsPerInchX_); }
  int pixelsY(float twips) const { return pixelsFromTwips(twips, dotsPerInchY_); }
  int dotsPerInchY() const { return dotsPerInchY_; }

  virtual HWND handle() const = 0;
  // Registers the class once per name and creates the hidden window with that outer rectangle.
  OwnedWindow create(const wchar_t* className, WNDCLASSEXW windowClass, DWORD style,
                     DWORD extendedStyle, const std::string& caption, const RECT& outer);
  // A message for the window; what it leaves to the platform goes to the default procedure.
  virtual LRESULT handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // True when it took the queued message over, dispatch included.
  virtual bool routeQueued(MSG& /*message*/) { return false; }

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  RECT outerRectangle() const;

  WindowEvents& events_;
  int dotsPerInchX_;
  int dotsPerInchY_;
  bool ended_ = false;
  std::exception_ptr failure_;
};

}  // namespace rt::win32
