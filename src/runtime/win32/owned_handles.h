#pragma once

#include <memory>
#include <type_traits>

#include "runtime/win32/windows_api.h"

namespace rt::win32 {

struct GdiObjectDeleter {
  void operator()(void* object) const { DeleteObject(static_cast<HGDIOBJ>(object)); }
};
struct DcDeleter {
  void operator()(HDC dc) const { DeleteDC(dc); }
};
struct IconDeleter {
  void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct CursorDeleter {
  void operator()(HCURSOR cursor) const { DestroyCursor(cursor); }
};
// The window forgets its object first: no message reaches an object on its way out.
struct WindowDeleter {
  void operator()(HWND window) const {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    DestroyWindow(window);
  }
};

// Owned handles of the platform's objects, released when they go.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using OwnedCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDeleter>;
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

// Keeps an object selected into a device context and puts the one it displaced back.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), displaced_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, displaced_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ displaced_;
};

}  // namespace rt::win32
