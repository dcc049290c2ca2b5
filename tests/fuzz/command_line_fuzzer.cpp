// Any command line leads to exactly one of the three courses: the dialog, the saver or nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "recording_backend.h"
#include "resources/stored_data.h"
#include "runtime/start.h"
#include "runtime/text.h"

namespace {

std::string expectedCourse(const std::string& commandLine) {
  if (rt::InStr(1, commandLine, "/c", rt::CompareMode::Text) != 0) return "show Form1";
  if (rt::InStr(1, commandLine, "/s", rt::CompareMode::Text) != 0) return "show teskf";
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
