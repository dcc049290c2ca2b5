#include "runtime/win32/saver_window.h"

#include <optional>

#include "runtime/error.h"
#include "runtime/twips.h"
#include "runtime/win32/ico.h"
#include "runtime/win32/wide_text.h"

namespace rt {
namespace {

constexpr int kPointerSize = 32;

RECT primaryScreen() {
  return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

SaverWindow::SaverWindow(Form& form)
    : FormWindow(form),
      pointer_(cursorFromIco(
          form.description().mouseIcon, kPointerSize,
          POINT{form.description().mouseHotSpot.x, form.description().mouseHotSpot.y})),
      image_(primaryScreen().right, primaryScreen().bottom,
             form.description().backColor.value_or(0)) {
  WNDCLASSEXW windowClass{};
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  create(L"SkarvelundeSaverWindow", windowClass, WS_POPUP, WS_EX_TOPMOST, primaryScreen());
}

void SaverWindow::paintPicture(const Picture& picture, float x, float y) {
  const RECT touched =
      image_.paint(picture, pixelsFromTwips(x, dotsPerInchX()), pixelsFromTwips(y, dotsPerInchY()));
  InvalidateRect(handle(), &touched, FALSE);
}

void SaverWindow::print(const TextOut& text) {
  const std::optional<RECT> touched =
      image_.print(wideFromUtf8(text.text), pixelsFromTwips(text.x, dotsPerInchX()),
                   pixelsFromTwips(text.y, dotsPerInchY()), text.colour, text.font,
                   pixelsFromPoints(text.font.size, dotsPerInchY()));
  if (!touched) throw RuntimeError(ErrorKind::FailedCall, kFail, form().name(), "Print");
  InvalidateRect(handle(), &*touched, FALSE);
}

void SaverWindow::showAsForm() {
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
  SetFocus(handle());
  UpdateWindow(handle());
}

LRESULT SaverWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      repaint();
      return 0;
    case WM_ERASEBKGND:
      // The lasting image covers the whole window.
      return 1;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT || !pointer_) break;
      SetCursor(pointer_.get());
      return TRUE;
  }
  return FormWindow::handleMessage(message, wParam, lParam);
}

void SaverWindow::repaint() {
  PAINTSTRUCT paint;
  const HDC target = BeginPaint(handle(), &paint);
  image_.copyTo(target, paint.rcPaint);
  EndPaint(handle(), &paint);
}

}  // namespace rt
