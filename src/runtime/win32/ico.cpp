#include "runtime/win32/ico.h"

#include <vector>

namespace rt {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;
// The version of the icon-image format the platform's icon functions expect.
constexpr DWORD kIconFormat = 0x00030000;

std::uint32_t field(std::span<const std::uint8_t> bytes, std::size_t at, std::size_t length) {
  std::uint32_t value = 0;
  for (std::size_t i = length; i-- > 0;) value = (value << 8) | bytes[at + i];
  return value;
}

std::span<const std::uint8_t> entryImage(std::span<const std::uint8_t> ico, std::size_t entry) {
  const std::size_t at = kHeaderSize + entry * kEntrySize;
  const std::size_t size = field(ico, at + 8, 4);
  const std::size_t offset = field(ico, at + 12, 4);
  if (offset > ico.size() || size > ico.size() - offset) return {};
  return ico.subspan(offset, size);
}

}  // namespace

std::span<const std::uint8_t> icoImage(std::span<const std::uint8_t> ico, int size) {
  if (ico.size() < kHeaderSize || field(ico, 2, 2) != 1) return {};
  const std::size_t count = field(ico, 4, 2);
  if (count == 0 || ico.size() < kHeaderSize + count * kEntrySize) return {};
  for (std::size_t entry = 0; entry < count; ++entry) {
    // A width byte of 0 stands for 256.
    const int width = static_cast<int>(field(ico, kHeaderSize + entry * kEntrySize, 1));
    if ((width == 0 ? 256 : width) == size) return entryImage(ico, entry);
  }
  return entryImage(ico, 0);
}

OwnedIcon iconFromIco(std::span<const std::uint8_t> ico, int size) {
  const std::span<const std::uint8_t> image = icoImage(ico, size);
  if (image.empty()) return nullptr;
  // The function only reads the bits it is handed.
  auto* bits = const_cast<std::uint8_t*>(image.data());
  return OwnedIcon(CreateIconFromResourceEx(bits, static_cast<DWORD>(image.size()), TRUE,
                                            kIconFormat, size, size, LR_DEFAULTCOLOR));
}

OwnedCursor cursorFromIco(std::span<const std::uint8_t> ico, int size, POINT hotSpot) {
  const std::span<const std::uint8_t> image = icoImage(ico, size);
  if (image.empty()) return nullptr;
  // A cursor's image is an icon's, led by its hot spot: two 16-bit coordinates.
  std::vector<std::uint8_t> bits{
      static_cast<std::uint8_t>(hotSpot.x & 0xFF), static_cast<std::uint8_t>(hotSpot.x >> 8),
      static_cast<std::uint8_t>(hotSpot.y & 0xFF), static_cast<std::uint8_t>(hotSpot.y >> 8)};
  bits.insert(bits.end(), image.begin(), image.end());
  return OwnedCursor(CreateIconFromResourceEx(bits.data(), static_cast<DWORD>(bits.size()), FALSE,
                                              kIconFormat, size, size, LR_DEFAULTCOLOR));
}

}  // namespace rt
