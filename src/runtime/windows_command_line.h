#pragma once

#include <string_view>

namespace rt {

// What follows the program's name on a Windows command line, as WinMain is handed it: a quoted
// name ends at its closing quote, a bare one at the first blank; the blanks after it are dropped
// and the rest stays as it is.
std::u16string_view argumentsAfterProgramName(std::u16string_view commandLine);

}  // namespace rt
