#pragma once

#include "runtime/backend.h"
#include "runtime/project.h"

namespace rt {

void setBackend(Backend& backend);
Backend& backend();

// Runs the project's startup procedure; an error that leaves it is reported in the project's
// message language and ends the program with a non-zero status.
[[noreturn]] void startProgram(const ProjectHeader& header);

// Ends the program at once: no further event runs and the caller never resumes.
[[noreturn]] void End();

}  // namespace rt
