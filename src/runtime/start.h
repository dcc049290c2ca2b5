#pragma once

#include "runtime/backend.h"
#include "runtime/project.h"

namespace rt {

class RuntimeError;

// Makes backend the runtime's platform while it lives.
class BackendScope {
 public:
  explicit BackendScope(Backend& backend);
  ~BackendScope();
  BackendScope(const BackendScope&) = delete;
  BackendScope& operator=(const BackendScope&) = delete;

 private:
  Backend* displaced_;
};

// The platform in place; there must be one.
Backend& backend();

// Runs the project's startup procedure; an error that leaves it is reported in the project's
// message language and ends the program with a non-zero status.
[[noreturn]] void startProgram(const ProjectHeader& header);

// Reports the error as an error leaving the startup procedure is reported, and ends the program:
// for a platform's library that gives up on the spot instead of returning.
[[noreturn]] void failProgram(const RuntimeError& error);

// Ends the program at once: no further event runs and the caller never resumes.
[[noreturn]] void End();

}  // namespace rt
