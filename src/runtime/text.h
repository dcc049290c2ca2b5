#pragma once

#include <string>
#include <string_view>

namespace rt {

enum class CompareMode { Binary = 0, Text = 1 };

// 1-based position, in characters, of the first occurrence of sought in searched at or after
// start; 0 when there is none. Text compare matches letters whatever their case.
long InStr(long start, std::string_view searched, std::string_view sought, CompareMode compare);

// The program's command-line argument text.
std::string Command();

// UTF-8 to UTF-16 and back; ill-formed input becomes U+FFFD, never an error.
std::u16string utf16FromUtf8(std::string_view text);
std::string utf8FromUtf16(std::u16string_view text);

}  // namespace rt
