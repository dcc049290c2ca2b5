#include "runtime/win32/form_window.h"

#include <utility>

#include "runtime/win32/checked_call.h"
#include "runtime/win32/wide_text.h"

namespace rt::win32 {
namespace {

// A timer's id is its control's index past this: the platform takes no timer id 0 here.
constexpr UINT_PTR kFirstTimerId = 1;

int screenDotsPerInch(int axis) {
  const HDC screen = GetDC(nullptr);
  const int dots = GetDeviceCaps(screen, axis);
  ReleaseDC(nullptr, screen);
  return dots > 0 ? dots : 96;
}

}  // namespace

FormWindow::FormWindow(WindowEvents& events)
    : events_(events),
      dotsPerInchX_(screenDotsPerInch(LOGPIXELSX)),
      dotsPerInchY_(screenDotsPerInch(LOGPIXELSY)) {}

OwnedWindow FormWindow::create(const wchar_t* className, WNDCLASSEXW windowClass, DWORD style,
                               DWORD extendedStyle, const std::string& caption, const RECT& outer) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &FormWindow::procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className;
  WNDCLASSEXW registered{};
  if (!GetClassInfoExW(instance, className, &registered)) checked(RegisterClassExW, &windowClass);
  const std::wstring text = wideFromUtf8(caption);
  return OwnedWindow(checked(CreateWindowExW, extendedStyle, className, text.c_str(), style,
                             outer.left, outer.top, outer.right - outer.left,
                             outer.bottom - outer.top, nullptr, nullptr, instance, this));
}

void FormWindow::startTimer(std::size_t control, int milliseconds) {
  checked(SetTimer, handle(), kFirstTimerId + control, static_cast<UINT>(milliseconds), nullptr);
}

void FormWindow::runUntilEnded() {
  MSG message;
  while (!ended_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got <= 0) {
      // A quit request belongs to whoever runs the outer loop.
      if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
      break;
    }
    if (routeQueued(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void FormWindow::end() { ended_ = true; }

float FormWindow::outerWidth() const {
  const RECT outer = outerRectangle();
  return twipsFromPixels(outer.right - outer.left, dotsPerInchX_);
}

float FormWindow::outerHeight() const {
  const RECT outer = outerRectangle();
  return twipsFromPixels(outer.bottom - outer.top, dotsPerInchY_);
}

RECT FormWindow::outerRectangle() const {
  RECT outer{};
  checked(GetWindowRect, handle(), &outer);
  return outer;
}

LRESULT FormWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam < kFirstTimerId) break;
      events_.timerDue(wParam - kFirstTimerId);
      return 0;
    case WM_CHAR:
      events_.keyPressed(static_cast<char16_t>(wParam));
      return 0;
    case WM_CLOSE:
      // The window stays until the show is over: the default would destroy it.
      events_.closeRequested();
      return 0;
    case WM_ACTIVATE:
      events_.activationChanged(LOWORD(wParam) != WA_INACTIVE);
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// No C++ exception may cross into the platform: one that arises here leaves from runUntilEnded.
LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->handleMessage(window, message, wParam, lParam);
  } catch (...) {
    self->failure_ = std::current_exception();
    self->end();
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace rt::win32
