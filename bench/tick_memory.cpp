// Prints the saver's resident memory as ticks pile up, each tick followed by the repaint it
// causes, back to back: a leak shows as growth that goes on from 10,000 to 100,000 ticks. No timing
// here: back-to-back ticks with warm caches say nothing of what a spaced tick costs.
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "runtime/qt/qt_backend.h"
#include "runtime/start.h"
#include "saver/teskf.h"

namespace {

struct Memory {
  long residentKiB = 0;
  long privateKiB = 0;
};

Memory memoryNow() {
  std::ifstream rollup("/proc/self/smaps_rollup");
  Memory memory;
  std::string line;
  while (std::getline(rollup, line)) {
    const long kib = std::atol(line.c_str() + line.find(':') + 1);
    if (line.starts_with("Rss:")) memory.residentKiB = kib;
    if (line.starts_with("Private_")) memory.privateKiB += kib;
  }
  return memory;
}

void print(int ticks, const Memory& memory) {
  std::printf("ticks %d rss_kib %ld uss_kib %ld\n", ticks, memory.residentKiB, memory.privateKiB);
}

// The saver window, ticked from inside its own modal show.
class MeasuredSaver : public teskf {
 protected:
  void Form_Load() override {
    teskf::Form_Load();
    QTimer::singleShot(0, [this] { measure(); });
  }

 private:
  void tickUntil(int ticks) {
    while (ticks_ < ticks) {
      raiseControlEvent("Timer1", "Timer");
      QCoreApplication::processEvents();
      ++ticks_;
    }
  }

  void measure() {
    for (const int ticks : {1000, 10000, 100000}) {
      tickUntil(ticks);
      print(ticks_, memoryNow());
    }
    rt::End();
  }

  int ticks_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
  rt::QtBackend backend(argc, argv);
  rt::setBackend(backend);
  MeasuredSaver window;
  window.Show(rt::ShowMode::Modal);
}
