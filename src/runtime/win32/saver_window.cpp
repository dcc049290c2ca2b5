#include "runtime/win32/saver_window.h"

#include "runtime/win32/ico.h"
#include "runtime/win32/wide_text.h"

namespace rt::win32 {
namespace {

constexpr int kPointerSize = 32;

RECT primaryScreen() {
  return RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

WNDCLASSEXW saverClass() {
  WNDCLASSEXW windowClass{};
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  return windowClass;
}

}  // namespace

SaverWindow::SaverWindow(const FormDescription& description, WindowEvents& events)
    : FormWindow(events),
      pointer_(cursorFromIco(description.mouseIcon, kPointerSize,
                             POINT{description.mouseHotSpot.x, description.mouseHotSpot.y})),
      image_(primaryScreen().right, primaryScreen().bottom, description.backColor.value_or(0)),
      window_(create(L"SkarvelundeSaverWindow", saverClass(), WS_POPUP, WS_EX_TOPMOST,
                     description.caption, primaryScreen())) {}

void SaverWindow::show() {
  ShowWindow(handle(), SW_SHOW);
  SetForegroundWindow(handle());
  SetFocus(handle());
  UpdateWindow(handle());
}

void SaverWindow::paintPicture(const Picture& picture, float x, float y) {
  const RECT touched = image_.paint(picture, pixelsX(x), pixelsY(y));
  InvalidateRect(handle(), &touched, FALSE);
}

void SaverWindow::print(const PrintedText& text) {
  const RECT touched =
      image_.print(wideFromUtf8(text.text), pixelsX(text.x), pixelsY(text.y), text.colour,
                   text.font, pixelsFromPoints(text.font.size, dotsPerInchY()));
  InvalidateRect(handle(), &touched, FALSE);
}

LRESULT SaverWindow::handleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      repaint(window);
      return 0;
    case WM_ERASEBKGND:
      // The lasting image covers the whole window.
      return 1;
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT || !pointer_) break;
      SetCursor(pointer_.get());
      return TRUE;
  }
  return FormWindow::handleMessage(window, message, wParam, lParam);
}

void SaverWindow::repaint(HWND window) {
  PAINTSTRUCT paint;
  const HDC target = BeginPaint(window, &paint);
  image_.copyTo(target, paint.rcPaint);
  EndPaint(window, &paint);
}

}  // namespace rt::win32
