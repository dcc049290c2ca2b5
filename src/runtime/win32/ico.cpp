#include "runtime/win32/ico.h"

#include <vector>

#include "runtime/ico_file.h"
#include "runtime/win32/checked_call.h"

namespace rt::win32 {
namespace {

// The version of the icon-image format the platform's icon functions expect.
constexpr DWORD kIconFormat = 0x00030000;

// The function only reads the bits it is handed.
HICON iconFromImage(std::span<const std::uint8_t> bits, BOOL isIcon, int size) {
  return checked(CreateIconFromResourceEx, const_cast<std::uint8_t*>(bits.data()),
                 static_cast<DWORD>(bits.size()), isIcon, kIconFormat, size, size, LR_DEFAULTCOLOR);
}

}  // namespace

OwnedIcon iconFromIco(std::span<const std::uint8_t> ico, int size) {
  const std::span<const std::uint8_t> image = icoImage(ico, size);
  if (image.empty()) return nullptr;
  return OwnedIcon(iconFromImage(image, TRUE, size));
}

OwnedCursor cursorFromIco(std::span<const std::uint8_t> ico, int size, POINT hotSpot) {
  const std::span<const std::uint8_t> image = icoImage(ico, size);
  if (image.empty()) return nullptr;
  // A cursor's image is an icon's, led by its hot spot: two 16-bit coordinates.
  std::vector<std::uint8_t> bits{
      static_cast<std::uint8_t>(hotSpot.x & 0xFF), static_cast<std::uint8_t>(hotSpot.x >> 8),
      static_cast<std::uint8_t>(hotSpot.y & 0xFF), static_cast<std::uint8_t>(hotSpot.y >> 8)};
  bits.insert(bits.end(), image.begin(), image.end());
  return OwnedCursor(iconFromImage(bits, FALSE, size));
}

}  // namespace rt::win32
