#include "runtime/start.h"

#include <cstdlib>
#include <exception>
#include <new>

#include "runtime/error.h"

namespace rt {
namespace {

Backend* current = nullptr;
const ProjectHeader* running = nullptr;

// A backend's end never returns; the abort only tells the compiler so.
[[noreturn]] void endWith(int exitStatus) {
  current->end(exitStatus);
  std::abort();
}

[[noreturn]] void report(const ProjectHeader& header, const RuntimeError& error) {
  current->reportError(header.title, errorMessage(error, header.language));
  endWith(1);
}

}  // namespace

void setBackend(Backend& backend) { current = &backend; }

Backend& backend() { return *current; }

void startProgram(const ProjectHeader& header) {
  running = &header;
  try {
    header.startup();
  } catch (const RuntimeError& error) {
    report(header, error);
  } catch (const std::bad_alloc&) {
    report(header, RuntimeError(ErrorKind::OutOfMemory, 7, "", ""));
  } catch (const std::exception&) {
    report(header, RuntimeError(ErrorKind::Internal, 51, "", ""));
  }
  endWith(0);
}

void failProgram(const RuntimeError& error) { report(*running, error); }

void End() { endWith(0); }

}  // namespace rt
