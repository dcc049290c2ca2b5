#pragma once

#include <cstdint>
#include <span>

namespace rt {

// A picture the program carries: the bytes of a 24-bit, uncompressed, bottom-up BMP file.
class Picture {
 public:
  explicit Picture(std::span<const std::uint8_t> bmpFile) : file_(bmpFile) {}

  int width() const { return field(18); }
  int height() const { return field(22); }
  // The BITMAPINFOHEADER, followed at fileHeaderSize + infoSize by the rows, bottom row first.
  const std::uint8_t* info() const { return file_.data() + 14; }
  const std::uint8_t* rows() const { return file_.data() + field(10); }
  int rowStride() const { return (width() * 3 + 3) / 4 * 4; }
  std::span<const std::uint8_t> file() const { return file_; }

 private:
  int field(std::size_t at) const {
    std::uint32_t value = 0;
    for (std::size_t i = 4; i-- > 0;) value = (value << 8) | file_[at + i];
    return static_cast<int>(value);
  }

  std::span<const std::uint8_t> file_;
};

}  // namespace rt
