#include "runtime/win32/wide_text.h"

#include "runtime/text.h"

namespace rt {

std::wstring wideFromUtf8(std::string_view text) {
  const std::u16string utf16 = utf16FromUtf8(text);
  return std::wstring(utf16.begin(), utf16.end());
}

std::string utf8FromWide(std::wstring_view text) {
  return utf8FromUtf16(std::u16string(text.begin(), text.end()));
}

}  // namespace rt
