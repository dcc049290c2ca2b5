#pragma once

#include <string>

#include "recording_backend.h"

// Runs the whole program on the recording backend and ends the process the way it ended,
// with its log on stderr as "line;line;...;" so that a death test can match it.
[[noreturn]] void runProgram(RecordingBackend& backend);

// The log a run must leave, as runProgram writes it.
std::string logPattern(std::initializer_list<const char*> lines);
