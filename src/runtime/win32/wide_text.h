#pragma once

#include <string>
#include <string_view>

namespace rt {

// The runtime's UTF-8 texts as the platform's wide strings, and back.
std::wstring wideFromUtf8(std::string_view text);
std::string utf8FromWide(std::wstring_view text);

}  // namespace rt
