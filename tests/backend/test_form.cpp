#include "test_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {

// A script that forgets to end the show fails the test instead of hanging it.
constexpr int kGuardMilliseconds = 10000;

}  // namespace

rt::QtBackend& testBackend() {
  static int argc = 1;
  static char name[] = "backend_tests";
  static char* argv[] = {name, nullptr};
  // The tests' own application, on the platform their environment names; never destroyed, so
  // that it is not torn down among the statics. The backend uses it instead of starting one.
  if (!QApplication::instance()) new QApplication(argc, argv);
  static rt::QtBackend* const backend = new rt::QtBackend(argc, argv);
  rt::setBackend(*backend);
  return *backend;
}

TestForm::TestForm(rt::FormDescription description, bool cancelUnload)
    : rt::Form("TestForm", std::move(description)), cancelUnload_(cancelUnload) {}

void TestForm::showWhile(std::function<void(rt::FormWindow&)> script) {
  script_ = std::move(script);
  testBackend();
  Show(rt::ShowMode::Modal);
}

void TestForm::Form_Load() {
  events.push_back("Load");
  rt::FormWindow* window = testBackend().window(*this);
  ASSERT_NE(window, nullptr);
  QTimer::singleShot(0, window, [this, window] {
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    script_(*window);
  });
  QTimer::singleShot(kGuardMilliseconds, window, [this] {
    ADD_FAILURE() << "the show did not end";
    testBackend().endModal(*this);
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

void TestForm::ControlEvent(std::string_view handler) { events.emplace_back(handler); }
