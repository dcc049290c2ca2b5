#include "runtime/start.h"

#include <cstdlib>
#include <new>

#include "runtime/error.h"

namespace rt {
namespace {

Backend* current = nullptr;

// A backend's end never returns; the abort only tells the compiler so.
[[noreturn]] void endWith(int exitStatus) {
  current->end(exitStatus);
  std::abort();
}

}  // namespace

void setBackend(Backend& backend) { current = &backend; }

Backend& backend() { return *current; }

void startProgram(const ProjectHeader& header) {
  try {
    header.startup();
  } catch (const RuntimeError& error) {
    backend().reportError(header.title, errorMessage(error, header.language));
    endWith(1);
  } catch (const std::bad_alloc&) {
    const RuntimeError error(ErrorKind::OutOfMemory, 7, "", "");
    backend().reportError(header.title, errorMessage(error, header.language));
    endWith(1);
  }
  endWith(0);
}

void End() { endWith(0); }

}  // namespace rt
