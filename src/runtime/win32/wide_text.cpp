#include "runtime/win32/wide_text.h"

#include "runtime/text.h"

namespace rt::win32 {

std::wstring wideFromUtf8(std::string_view text) {
  const std::u16string utf16 = utf16FromUtf8(text);
  return std::wstring(utf16.begin(), utf16.end());
}

std::u16string utf16FromWide(std::wstring_view text) {
  return std::u16string(text.begin(), text.end());
}

}  // namespace rt::win32
