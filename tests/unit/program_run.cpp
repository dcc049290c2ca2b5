#include "program_run.h"

#include <cstdio>
#include <cstdlib>

#include "resources/stored_data.h"
#include "runtime/start.h"

void runProgram(RecordingBackend& backend) {
  try {
    rt::startProgram(resources::projectHeader);
  } catch (const ProgramEnded& ended) {
    std::string out;
    for (const auto& line : backend.log) out += line + ";";
    for (const auto& error : backend.errors) out += "error: " + error + ";";
    std::fprintf(stderr, "%s\n", out.c_str());
    std::exit(ended.exitStatus);
  }
  std::abort();
}

std::string logPattern(std::initializer_list<const char*> lines) {
  std::string pattern = "^";
  for (const char* line : lines) pattern += std::string(line) + ";";
  return pattern + "\n$";
}
