#pragma once

namespace rt::qt {

// In the sanitizer build, looks for leaks now and fails the run on one: the program ends without
// its exit handlers, where the leak checker would otherwise look. Elsewhere it does nothing.
void checkLeaks();

}  // namespace rt::qt
