#include "runtime/win32/command_line.h"

namespace rt {
namespace {

// Spaces, tabs and every other control character count as blanks here.
bool isBlank(wchar_t c) { return c <= L' '; }

}  // namespace

std::wstring_view argumentsAfterProgramName(std::wstring_view commandLine) {
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == L'"') {
    const std::size_t closing = commandLine.find(L'"', 1);
    at = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (at < commandLine.size() && !isBlank(commandLine[at])) ++at;
  }
  while (at < commandLine.size() && isBlank(commandLine[at])) ++at;
  return commandLine.substr(at);
}

}  // namespace rt
