// Prints the saver's resident memory as ticks pile up, each tick followed by the repaint it
// causes, back to back: a leak shows as growth that goes on from 10,000 to 100,000 ticks. No timing
// here: back-to-back ticks with warm caches say nothing of what a spaced tick costs.
#include <QApplication>
#include <QTimer>
#include <QWidget>
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

// The saver window, its Timer1 due at once, measured from inside its own modal show.
class MeasuredSaver : public teskf {
 public:
  MeasuredSaver() {
    On("Timer1", rt::ControlEvent::Timer, [this] { ++ticks_; });
  }

 protected:
  void Form_Load() override {
    teskf::Form_Load();
    QTimer::singleShot(0, [this] { measure(); });
  }

 private:
  void tickUntil(int ticks) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* timer = window->findChild<QTimer*>()) timer->setInterval(0);
    }
    while (ticks_ < ticks) QCoreApplication::processEvents();
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
  rt::qt::QtBackend backend(argc, argv);
  const rt::BackendScope platform(backend);
  MeasuredSaver window;
  window.Show(rt::ShowMode::Modal);
}
