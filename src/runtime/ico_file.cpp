#include "runtime/ico_file.h"

#include <cstddef>

namespace rt {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kEntrySize = 16;

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

}  // namespace rt
