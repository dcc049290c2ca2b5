#include "runtime/qt/startup_checks.h"

#include <pthread.h>
#include <sys/eventfd.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <vector>

namespace rt::qt {
namespace {

void* waitForTheGate(void* gate) {
  char byte;
  while (read(*static_cast<int*>(gate), &byte, 1) < 0 && errno == EINTR) {
  }
  return nullptr;
}

}  // namespace

bool displayAnswers() {
  int screen = 0;
  xcb_connection_t* connection = xcb_connect(nullptr, &screen);
  const bool answers = xcb_connection_has_error(connection) == 0 &&
                       screen < xcb_setup_roots_length(xcb_get_setup(connection));
  xcb_disconnect(connection);
  return answers;
}

bool descriptorsAvailable(int count) {
  std::vector<int> opened;
  for (int i = 0; i < count; ++i) {
    const int descriptor = eventfd(0, EFD_CLOEXEC);
    if (descriptor < 0) break;
    opened.push_back(descriptor);
  }
  for (const int descriptor : opened) close(descriptor);
  return static_cast<int>(opened.size()) == count;
}

// The threads all run together: each waits until the gate's write end closes.
bool threadsAvailable(int count) {
  int gate[2];
  if (pipe(gate) != 0) return false;
  std::vector<pthread_t> started;
  for (int i = 0; i < count; ++i) {
    pthread_t thread;
    if (pthread_create(&thread, nullptr, waitForTheGate, &gate[0]) != 0) break;
    started.push_back(thread);
  }
  close(gate[1]);
  for (const pthread_t thread : started) pthread_join(thread, nullptr);
  close(gate[0]);
  return static_cast<int>(started.size()) == count;
}

}  // namespace rt::qt
