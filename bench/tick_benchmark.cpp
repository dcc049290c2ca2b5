// Prints what one tick of the saver costs on the Qt backend, beside the cost of the copy that
// no tick can avoid, and the resident memory as ticks pile up. Run under a 1920 x 1080 display.
#include <unistd.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <vector>

#include "resources/stored_data.h"
#include "runtime/qt/picture_copy.h"
#include "runtime/qt/qt_backend.h"
#include "runtime/start.h"
#include "saver/teskf.h"

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration duration) {
  return std::chrono::duration<double, std::micro>(duration).count();
}

struct Figures {
  double median;
  double p99;
};

Figures figuresOf(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {samples[samples.size() / 2], samples[samples.size() * 99 / 100]};
}

Figures timed(int runs, const std::function<void()>& run) {
  std::vector<double> samples;
  samples.reserve(static_cast<std::size_t>(runs));
  for (int i = 0; i < runs; ++i) {
    const auto start = Clock::now();
    run();
    samples.push_back(microseconds(Clock::now() - start));
  }
  return figuresOf(std::move(samples));
}

long residentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0;
  long resident = 0;
  statm >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// The physical floor of a tick: one 384 x 256 picture copied into a full-screen image.
Figures pictureCopy() {
  QImage retained(1920, 1080, QImage::Format_RGB32);
  retained.fill(Qt::black);
  const rt::Picture picture = resources::spacePictures()[3];
  int step = 0;
  return timed(10000, [&] {
    rt::qt::copyPicture(picture, retained, QPoint(step % 960, step % 540));
    ++step;
  });
}

// The saver window, measured from inside its own modal show.
class MeasuredSaver : public teskf {
 protected:
  void Form_Load() override {
    teskf::Form_Load();
    QTimer::singleShot(0, [this] { measure(); });
  }

 private:
  // Timer1 due at once: the next pass of the loop runs one tick.
  void tick() {
    QCoreApplication::processEvents();
    ++ticks_;
  }

  void measure() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (auto* timer = window->findChild<QTimer*>()) timer->setInterval(0);
    }
    // The first repaint brings the window's backing store, the one large allocation of a run.
    while (ticks_ < 1000) tick();
    QCoreApplication::processEvents();
    const long after1k = residentKilobytes();
    const Figures alone = timed(10000, [this] { tick(); });
    const Figures shown = timed(2000, [this] {
      tick();
      QCoreApplication::processEvents();
    });
    const Figures floor = pictureCopy();
    while (ticks_ < 100000) tick();
    const long after100k = residentKilobytes();
    std::printf("one tick (changepic)         median %8.1f us   p99 %8.1f us\n", alone.median,
                alone.p99);
    std::printf("one tick and its repaint     median %8.1f us   p99 %8.1f us\n", shown.median,
                shown.p99);
    std::printf("copy of one 384x256 picture  median %8.1f us   p99 %8.1f us\n", floor.median,
                floor.p99);
    std::printf("resident memory after   1,000 ticks  %7ld KiB\n", after1k);
    std::printf("resident memory after 100,000 ticks  %7ld KiB\n", after100k);
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
