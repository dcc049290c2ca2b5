#include "runtime/qt/leak_check.h"

#if defined(__SANITIZE_ADDRESS__)
#define SKARVELUNDE_CHECKS_LEAKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define SKARVELUNDE_CHECKS_LEAKS 1
#endif
#endif

#ifdef SKARVELUNDE_CHECKS_LEAKS
#include <sanitizer/lsan_interface.h>
#endif

namespace rt::qt {

void checkLeaks() {
#ifdef SKARVELUNDE_CHECKS_LEAKS
  __lsan_do_leak_check();
#endif
}

}  // namespace rt::qt
