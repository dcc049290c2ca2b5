#include <gtest/gtest.h>

#include "recording_backend.h"
#include "resources/stored_data.h"
#include "runtime/start.h"

namespace {

// One run of the program, in a child process so that each run starts with empty form slots.
void runProgram(const std::string& commandLine) {
  RecordingBackend backend;
  backend.commandLineText = commandLine;
  try {
    rt::startProgram(resources::projectHeader);
  } catch (const ProgramEnded& ended) {
    for (const auto& line : backend.log) std::fprintf(stderr, "%s\n", line.c_str());
    std::exit(ended.exitStatus);
  }
}

TEST(MainTest, EmptyCommandLineEnds) {
  EXPECT_EXIT(runProgram(""), testing::ExitedWithCode(0), "^end 0\n$");
}

}  // namespace
