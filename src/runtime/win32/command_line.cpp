#include "runtime/win32/command_line.h"

namespace rt {
namespace {

// Spaces, tabs and every other control character count as blanks here.
bool isBlank(wchar_t c) { return c <= L' '; }

}  // namespace

std::wstring_view argumentsAfterProgramName(std::wstring_view commandLine) {
  std::size_t at = 0;
  bool quoted = false;
  while (at < commandLine.size() && (quoted || !isBlank(commandLine[at]))) {
    if (commandLine[at] == L'"') quoted = !quoted;
    ++at;
  }
  while (at < commandLine.size() && isBlank(commandLine[at])) ++at;
  return commandLine.substr(at);
}

}  // namespace rt
