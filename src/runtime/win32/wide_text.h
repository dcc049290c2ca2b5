#pragma once

#include <string>
#include <string_view>

namespace rt::win32 {

// The runtime's UTF-8 texts as the platform's wide strings; the platform's wide strings as the
// UTF-16 the runtime reads (wchar_t holds UTF-16 code units on this platform).
std::wstring wideFromUtf8(std::string_view text);
std::u16string utf16FromWide(std::wstring_view text);

}  // namespace rt::win32
