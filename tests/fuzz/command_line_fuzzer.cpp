// Any command line leads to exactly one of the three courses: the dialog, the saver or nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "recording_backend.h"
#include "resources/stored_data.h"
#include "runtime/start.h"

namespace {

// A switch's bytes are ASCII, and no byte of a longer UTF-8 sequence is: a search of the bytes,
// either case of the letter, finds exactly the switches the program must see.
bool holdsSwitch(const std::string& commandLine, char letter) {
  for (std::size_t at = 0; at + 1 < commandLine.size(); ++at) {
    const char next = commandLine[at + 1];
    if (commandLine[at] == '/' && (next == letter || next == letter - 'a' + 'A')) return true;
  }
  return false;
}

std::string expectedCourse(const std::string& commandLine) {
  if (holdsSwitch(commandLine, 'c')) return "show Skarvelunde Screen Saver";
  if (holdsSwitch(commandLine, 's')) return "show Tesk screen saver";
  return "end 0";
}

std::string takenCourse(const RecordingBackend& backend) {
  for (const std::string& line : backend.log) {
    if (line.rfind("show ", 0) == 0) return line;
  }
  return backend.log.empty() ? "" : backend.log.back();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  RecordingBackend backend;
  backend.commandLineText.assign(reinterpret_cast<const char*>(data), size);
  try {
    rt::startProgram(resources::projectHeader);
  } catch (const ProgramEnded& ended) {
    if (ended.exitStatus != 0 || backend.log.back() != "end 0") std::abort();
  }
  if (takenCourse(backend) != expectedCourse(backend.commandLineText)) std::abort();
  return 0;
}
