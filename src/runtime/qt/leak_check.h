#pragma once

namespace rt {

// In the sanitizer build, looks for leaks now and fails the run on one: the program ends without
// its exit handlers, where the leak checker would otherwise look. Elsewhere it does nothing.
void checkLeaks();

}  // namespace rt
