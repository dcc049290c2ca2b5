#include "runtime/win32/form_window.h"

#include <cstdint>
#include <utility>

#include "runtime/error.h"
#include "runtime/win32/wide_text.h"

namespace rt {
namespace {

int screenDotsPerInch(int axis) {
  const HDC screen = GetDC(nullptr);
  const int dots = GetDeviceCaps(screen, axis);
  ReleaseDC(nullptr, screen);
  return dots > 0 ? dots : 96;
}

}  // namespace

FormWindow::FormWindow(Form& form)
    : form_(form),
      dotsPerInchX_(screenDotsPerInch(LOGPIXELSX)),
      dotsPerInchY_(screenDotsPerInch(LOGPIXELSY)) {}

FormWindow::~FormWindow() { destroy(); }

// The window forgets its object first: no message reaches a half-destroyed one.
void FormWindow::destroy() {
  ending_ = true;
  if (!window_) return;
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(std::exchange(window_, nullptr));
}

void FormWindow::create(const wchar_t* className, const WNDCLASSEXW& classTemplate, DWORD style,
                        DWORD extendedStyle, const RECT& outer) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass = classTemplate;
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &FormWindow::procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = className;
  WNDCLASSEXW registered{};
  if (!GetClassInfoExW(instance, className, &registered)) RegisterClassExW(&windowClass);
  const std::wstring caption = wideFromUtf8(form_.description().caption);
  CreateWindowExW(extendedStyle, className, caption.c_str(), style, outer.left, outer.top,
                  outer.right - outer.left, outer.bottom - outer.top, nullptr, nullptr, instance,
                  this);
  if (!window_) throw RuntimeError(ErrorKind::FailedCall, kFail, form_.name(), "Show");
}

void FormWindow::startTimers() {
  const auto& controls = form_.description().controls;
  for (std::size_t index = 0; index < controls.size(); ++index) {
    const ControlDescription& control = controls[index];
    if (control.kind != ControlKind::Timer || control.interval <= 0) continue;
    const UINT_PTR id = index + 1;
    timers_[id] = control.name;
    SetTimer(window_, id, static_cast<UINT>(control.interval), nullptr);
  }
}

void FormWindow::runModal() {
  if (!ending_) {
    showAsForm();
    MSG message;
    while (!ending_) {
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
  }
  if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
}

void FormWindow::endModal() { ending_ = true; }

LRESULT FormWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      const auto timer = timers_.find(wParam);
      if (timer == timers_.end()) break;
      form_.raiseControlEvent(timer->second, "Timer");
      return 0;
    }
    case WM_CHAR:
      form_.raiseKeyPress(static_cast<std::int16_t>(wParam));
      return 0;
    case WM_CLOSE:
      close();
      return 0;
    case WM_ACTIVATE:
      // Only a window that was active can lose the focus to another one.
      if (LOWORD(wParam) != WA_INACTIVE) {
        wasActive_ = true;
      } else if (wasActive_) {
        form_.raiseLostFocus();
      }
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// An unload that no handler cancels takes the window away and ends the modal show.
void FormWindow::close() {
  if (!form_.raiseUnload()) return;
  endModal();
  DestroyWindow(window_);
}

// No C++ exception may cross into the platform: one that arises here leaves from runModal.
LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created =
        static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    created->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  // Once the show is ending no event reaches the form any more.
  if (self->ending_ && message != WM_PAINT) return DefWindowProcW(window, message, wParam, lParam);
  try {
    return self->handleMessage(message, wParam, lParam);
  } catch (...) {
    self->failure_ = std::current_exception();
    self->endModal();
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace rt
