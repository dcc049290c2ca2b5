#include "runtime/qt/application_start.h"

#include <QGuiApplication>
#include <QScreen>

#include "runtime/error.h"
#include "runtime/qt/display_only.h"
#include "runtime/qt/qt_environment.h"
#include "runtime/qt/qt_messages.h"
#include "runtime/qt/startup_checks.h"
#include "runtime/status.h"

namespace rt::qt {
namespace {

// A shown window holds about a dozen: the display, the event loops' wake-ups, shared memory for
// drawing, fonts and plugins while they load. Short of them, Qt aborts or waits for ever.
constexpr int kDescriptorsNeeded = 32;
// The display's event reader and the accessibility bridge's bus thread.
constexpr int kThreadsNeeded = 2;

}  // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv) {
  settleQtEnvironment();
  keepToTheDisplay();
  if (!descriptorsAvailable(kDescriptorsNeeded) || !displayAnswers()) throw PlatformFailure(kFail);
  if (!threadsAvailable(kThreadsNeeded)) throw RuntimeError(ErrorKind::OutOfMemory);
  handleQtMessagesWhileStarting();
  // Not torn down when the window is refused: nothing of it runs on the way out.
  auto* application = new QApplication(argc, argv);
  if (!QGuiApplication::primaryScreen()) throw PlatformFailure(kFail);
  sayQtMessagesFromNowOn();
  return std::unique_ptr<QApplication>(application);
}

}  // namespace rt::qt
