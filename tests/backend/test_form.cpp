#include "test_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "runtime/start.h"

namespace {

// A script that hangs fails the test instead of hanging it.
constexpr int kGuardMilliseconds = 10000;

}  // namespace

rt::qt::QtBackend& testBackend() {
  static int argc = 1;
  static char name[] = "backend_tests";
  static char* argv[] = {name, nullptr};
  // The tests' own application, on the platform their environment names; never destroyed, so
  // that it is not torn down among the statics. The backend uses it instead of starting one.
  if (!QApplication::instance()) new QApplication(argc, argv);
  static rt::qt::QtBackend* const backend = new rt::qt::QtBackend(argc, argv);
  static const rt::BackendScope* const platform = new rt::BackendScope(*backend);
  (void)platform;
  return *backend;
}

rt::qt::FormWindow& shownWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (auto* window = qobject_cast<rt::qt::FormWindow*>(widget)) return *window;
  }
  throw std::logic_error("no form is shown");
}

TestForm::TestForm(rt::FormDescription description, bool cancelUnload)
    : rt::Form("TestForm", std::move(description)), cancelUnload_(cancelUnload) {}

void TestForm::record(const std::string& control, rt::ControlEvent event) {
  const std::string name = control + (event == rt::ControlEvent::Click ? "_Click" : "_Timer");
  On(control, event, [this, name] { events.push_back(name); });
}

void TestForm::showWhile(std::function<void(rt::qt::FormWindow&)> script) {
  script_ = std::move(script);
  testBackend();
  Show(rt::ShowMode::Modal);
}

void TestForm::Form_Load() {
  events.push_back("Load");
  rt::qt::FormWindow* window = &shownWindow();
  QTimer::singleShot(0, window, [this, window] {
    struct EndShow {
      rt::qt::FormWindow* window;
      ~EndShow() { window->end(); }
    } endShow{window};
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    script_(*window);
  });
  QTimer::singleShot(kGuardMilliseconds, window, [window] {
    ADD_FAILURE() << "the show did not end";
    window->end();
  });
}

void TestForm::Form_KeyPress(std::int16_t& KeyAscii) {
  events.push_back("KeyPress " + std::to_string(KeyAscii));
}

void TestForm::Form_Unload(std::int16_t& Cancel) {
  events.push_back("Unload");
  if (cancelUnload_) Cancel = 1;
}

void TestForm::Form_LostFocus() { events.push_back("LostFocus"); }
