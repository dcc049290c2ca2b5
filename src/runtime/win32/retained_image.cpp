#include "runtime/win32/retained_image.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "runtime/win32/checked_call.h"

namespace rt::win32 {
namespace {

// The lasting image is the program's largest piece of memory: a refusal for want of memory is
// the program's own want of memory.
template <typename Make>
auto imageMemory(Make&& make) {
  try {
    return make();
  } catch (const PlatformFailure& failure) {
    if (failure.status() == HRESULT_FROM_WIN32(ERROR_NOT_ENOUGH_MEMORY) ||
        failure.status() == HRESULT_FROM_WIN32(ERROR_OUTOFMEMORY)) {
      throw std::bad_alloc();
    }
    throw;
  }
}

MemoryDc screenCompatibleDc() {
  return MemoryDc(imageMemory([] { return checked(CreateCompatibleDC, nullptr); }));
}

GdiObject<HBITMAP> topDownBitmap(HDC dc, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  return GdiObject<HBITMAP>(imageMemory(
      [&] { return checked(CreateDIBSection, dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0); }));
}

COLORREF colourRef(Colour colour) { return static_cast<COLORREF>(colour) & 0xFFFFFF; }

// The cell of the text, widened by what its first and last glyphs reach beyond it.
RECT textRectangle(HDC dc, std::wstring_view text, int x, int y) {
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
  RECT area{x, y, x + extent.cx, y + extent.cy};
  ABC first{};
  ABC last{};
  if (!text.empty() && GetCharABCWidthsW(dc, text.front(), text.front(), &first) &&
      GetCharABCWidthsW(dc, text.back(), text.back(), &last)) {
    area.left += std::min(0, first.abcA);
    area.right -= std::min(0, last.abcC);
  }
  // Smoothed edges may spill one pixel further.
  InflateRect(&area, 1, 0);
  return area;
}

}  // namespace

RetainedImage::RetainedImage(int width, int height, Colour background)
    : dc_(screenCompatibleDc()),
      bitmap_(topDownBitmap(dc_.get(), width, height)),
      bitmapSelection_(dc_.get(), bitmap_.get()),
      font_(dc_.get()) {
  const GdiObject<HBRUSH> brush(checked(CreateSolidBrush, colourRef(background)));
  const RECT all{0, 0, width, height};
  FillRect(dc_.get(), &all, brush.get());
  SetBkMode(dc_.get(), TRANSPARENT);
}

RECT RetainedImage::paint(const Picture& picture, int x, int y) {
  // The file's header need not lie on a boundary the structure wants; a copy does.
  BITMAPINFO info{};
  std::memcpy(&info.bmiHeader, picture.info(), sizeof info.bmiHeader);
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  const int width = picture.width();
  const int height = picture.height();
  SetDIBitsToDevice(dc_.get(), x, y, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), picture.rows(), &info, DIB_RGB_COLORS);
  return RECT{x, y, x + width, y + height};
}

RECT RetainedImage::print(std::wstring_view text, int x, int y, Colour colour,
                          const FontDescription& font, int pixelHeight) {
  font_.select(font, pixelHeight);
  SetTextColor(dc_.get(), colourRef(colour));
  TextOutW(dc_.get(), x, y, text.data(), static_cast<int>(text.size()));
  return textRectangle(dc_.get(), text, x, y);
}

void RetainedImage::copyTo(HDC target, const RECT& area) const {
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(),
         area.left, area.top, SRCCOPY);
}

}  // namespace rt::win32
