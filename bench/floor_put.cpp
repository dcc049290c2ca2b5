// The least a tick must pay to reach the screen: a plain Xlib client that puts one 384 x 256
// picture at a random place of a full-screen window every 2 s, and waits until the X server has
// it. Usage: floor_put shm | plain (XShmPutImage or XPutImage). It runs until it is killed.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

constexpr unsigned kWidth = 384;
constexpr unsigned kHeight = 256;
constexpr long kPeriodSeconds = 2;

struct FullScreenWindow {
  Display* display;
  Window id;
  unsigned width;
  unsigned height;
};

// An unmanaged window over the whole screen, so that every put lands on visible pixels.
FullScreenWindow openFullScreenWindow() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) {
    std::fprintf(stderr, "floor_put: cannot open the display\n");
    std::exit(1);
  }
  const int screen = DefaultScreen(display);
  const auto width = static_cast<unsigned>(DisplayWidth(display, screen));
  const auto height = static_cast<unsigned>(DisplayHeight(display, screen));
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  attributes.background_pixel = BlackPixel(display, screen);
  attributes.event_mask = ExposureMask;
  const Window window = XCreateWindow(display, RootWindow(display, screen), 0, 0, width, height, 0,
                                      CopyFromParent, InputOutput, CopyFromParent,
                                      CWOverrideRedirect | CWBackPixel | CWEventMask, &attributes);
  XMapRaised(display, window);
  XEvent event;
  XWindowEvent(display, window, ExposureMask, &event);
  return {display, window, width, height};
}

void paintPattern(XImage* image) {
  for (unsigned y = 0; y < kHeight; ++y) {
    for (unsigned x = 0; x < kWidth; ++x) {
      XPutPixel(image, static_cast<int>(x), static_cast<int>(y), (x * 0x10101UL) ^ (y << 8));
    }
  }
}

XImage* plainImage(const FullScreenWindow& target) {
  const int number = DefaultScreen(target.display);
  auto* data = static_cast<char*>(std::malloc(kWidth * kHeight * 4));
  return XCreateImage(target.display, DefaultVisual(target.display, number),
                      static_cast<unsigned>(DefaultDepth(target.display, number)), ZPixmap, 0, data,
                      kWidth, kHeight, 32, 0);
}

// The segment is marked for removal once both sides hold it, so it goes when the program does.
XImage* sharedImage(const FullScreenWindow& target, XShmSegmentInfo& segment) {
  const int number = DefaultScreen(target.display);
  XImage* image = XShmCreateImage(target.display, DefaultVisual(target.display, number),
                                  static_cast<unsigned>(DefaultDepth(target.display, number)),
                                  ZPixmap, nullptr, &segment, kWidth, kHeight);
  const auto size = static_cast<std::size_t>(image->bytes_per_line) * kHeight;
  segment.shmid = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
  segment.shmaddr = image->data = static_cast<char*>(shmat(segment.shmid, nullptr, 0));
  segment.readOnly = False;
  XShmAttach(target.display, &segment);
  XSync(target.display, False);
  shmctl(segment.shmid, IPC_RMID, nullptr);
  return image;
}

void putEveryPeriod(const FullScreenWindow& target, XImage* image, bool shared) {
  const GC gc = XCreateGC(target.display, target.id, 0, nullptr);
  std::minstd_rand random(1);
  std::uniform_int_distribution<int> left(0, static_cast<int>(target.width - kWidth));
  std::uniform_int_distribution<int> top(0, static_cast<int>(target.height - kHeight));
  timespec next{};
  clock_gettime(CLOCK_MONOTONIC, &next);
  for (;;) {
    next.tv_sec += kPeriodSeconds;
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
    const int x = left(random);
    const int y = top(random);
    if (shared) {
      XShmPutImage(target.display, target.id, gc, image, 0, 0, x, y, kWidth, kHeight, False);
    } else {
      XPutImage(target.display, target.id, gc, image, 0, 0, x, y, kWidth, kHeight);
    }
    XSync(target.display, False);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool shared = argc == 2 && std::strcmp(argv[1], "shm") == 0;
  if (argc != 2 || (!shared && std::strcmp(argv[1], "plain") != 0)) {
    std::fprintf(stderr, "usage: floor_put shm | plain\n");
    return 2;
  }
  const FullScreenWindow target = openFullScreenWindow();
  if (shared && !XShmQueryExtension(target.display)) {
    std::fprintf(stderr, "floor_put: the display has no MIT-SHM\n");
    return 1;
  }
  XShmSegmentInfo segment{};
  XImage* image = shared ? sharedImage(target, segment) : plainImage(target);
  paintPattern(image);
  putEveryPeriod(target, image, shared);
}
