#pragma once

#include <memory>
#include <type_traits>

#include "runtime/win32/windows_api.h"

namespace rt {

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

// Owned handles of the platform's drawing objects, released when they go.
template <typename Handle>
using GdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;
using MemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
using OwnedCursor = std::unique_ptr<std::remove_pointer_t<HCURSOR>, CursorDeleter>;

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

}  // namespace rt
