#pragma once

#include <string_view>

namespace rt {

// What follows the program's name on a command line, as WinMain is handed it: the name ends at
// the first blank outside quotes, and the blanks after it are dropped; the rest stays as it is.
std::wstring_view argumentsAfterProgramName(std::wstring_view commandLine);

}  // namespace rt
