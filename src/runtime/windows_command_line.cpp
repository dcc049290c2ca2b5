#include "runtime/windows_command_line.h"

namespace rt {
namespace {

// Spaces, tabs and every other control character count as blanks here.
bool isBlank(char16_t c) { return c <= u' '; }

}  // namespace

std::u16string_view argumentsAfterProgramName(std::u16string_view commandLine) {
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == u'"') {
    const std::size_t closing = commandLine.find(u'"', 1);
    at = closing == std::u16string_view::npos ? commandLine.size() : closing + 1;
  } else {
    while (at < commandLine.size() && !isBlank(commandLine[at])) ++at;
  }
  while (at < commandLine.size() && isBlank(commandLine[at])) ++at;
  return commandLine.substr(at);
}

}  // namespace rt
