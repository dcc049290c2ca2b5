#include "runtime/start.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <utility>

#include "runtime/error.h"

namespace rt {
namespace {

Backend* current = nullptr;
const ProjectHeader* running = nullptr;

// A backend's end never returns; the abort only tells the compiler so.
[[noreturn]] void endWith(int exitStatus) {
  backend().end(exitStatus);
  std::abort();
}

[[noreturn]] void report(const ProjectHeader& header, const RuntimeError& error) {
  backend().reportError(header.title, errorMessage(error, header.language));
  endWith(1);
}

}  // namespace

BackendScope::BackendScope(Backend& backend) : displaced_(std::exchange(current, &backend)) {}

BackendScope::~BackendScope() { current = displaced_; }

Backend& backend() {
  if (!current) {
    std::fputs("no platform for the runtime\n", stderr);
    std::abort();
  }
  return *current;
}

void startProgram(const ProjectHeader& header) {
  running = &header;
  try {
    header.startup();
  } catch (const RuntimeError& error) {
    report(header, error);
  } catch (const std::bad_alloc&) {
    report(header, RuntimeError(ErrorKind::OutOfMemory));
  } catch (const std::exception&) {
    report(header, RuntimeError(ErrorKind::Internal));
  }
  endWith(0);
}

void failProgram(const RuntimeError& error) { report(*running, error); }

void End() { endWith(0); }

}  // namespace rt
