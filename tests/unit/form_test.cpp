// The runtime's rules for a shown form's events, whatever platform reports them.
#include "runtime/form.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "recording_backend.h"
#include "runtime/error.h"

namespace {

rt::FormDescription probeDescription() {
  rt::FormDescription form{.caption = "Probe", .style = rt::WindowStyle::Dialog, .width = 1234};
  form.controls.push_back({.name = "Timer1", .kind = rt::ControlKind::Timer, .interval = 50});
  form.controls.push_back({.name = "Command1", .kind = rt::ControlKind::CommandButton});
  form.controls.push_back({.name = "Timer2", .kind = rt::ControlKind::Timer});
  return form;
}

// Records its events; Cancel holds back an unload while cancelling is set.
class ProbeForm : public rt::Form {
 public:
  ProbeForm() : rt::Form("Probe", probeDescription()) {
    On("Timer1", rt::ControlEvent::Timer, [this] { events.push_back("Timer1_Timer"); });
    On("Command1", rt::ControlEvent::Click, [this] { events.push_back("Command1_Click"); });
  }

  using rt::Form::On;
  std::vector<std::string> events;
  bool cancelling = false;

 protected:
  void Form_Load() override { events.push_back("Load"); }
  void Form_KeyPress(std::int16_t& KeyAscii) override {
    events.push_back("KeyPress " + std::to_string(KeyAscii));
  }
  void Form_Unload(std::int16_t& Cancel) override {
    events.push_back("Unload");
    Cancel = cancelling ? 1 : 0;
  }
  void Form_LostFocus() override { events.push_back("LostFocus"); }
};

struct Script {
  const char* name;
  std::function<void(RecordingBackend&, ProbeForm&)> events;
  std::vector<std::string> raised;  // after Load
};

const Script kScripts[] = {
    {"KeysWithACharacterOnly",
     [](RecordingBackend& b, ProbeForm&) {
       b.key(std::nullopt);
       b.key(u'a');
       b.key(u'\x9');
     },
     {"KeyPress 97", "KeyPress 9"}},
    {"LostFocusOnlyOnceActive",
     [](RecordingBackend& b, ProbeForm&) {
       b.activate(false);
       b.activate(true);
       b.activate(false);
     },
     {"LostFocus"}},
    {"ControlsReachTheirBoundHandlers",
     [](RecordingBackend& b, ProbeForm&) {
       b.tick("Timer1");
       b.tick("Timer2");  // bound to nothing
       b.click("Command1");
     },
     {"Timer1_Timer", "Command1_Click"}},
    {"NoEventOnceTheUnloadEndsTheShow",
     [](RecordingBackend& b, ProbeForm&) {
       b.close();
       b.tick("Timer1");
       b.key(u'a');
       b.activate(true);
       b.activate(false);
     },
     {"Unload"}},
    {"CancelledUnloadKeepsTheShow",
     [](RecordingBackend& b, ProbeForm& form) {
       form.cancelling = true;
       b.close();
       b.tick("Timer1");
       form.cancelling = false;
       b.close();
     },
     {"Unload", "Timer1_Timer", "Unload"}},
};

class FormEventTest : public testing::TestWithParam<Script> {};

TEST_P(FormEventTest, RawEventsBecomeTheFormsEvents) {
  RecordingBackend backend;
  ProbeForm form;
  backend.whileShown = [&] { GetParam().events(backend, form); };
  form.Show(rt::ShowMode::Modal);
  std::vector<std::string> expected{"Load"};
  expected.insert(expected.end(), GetParam().raised.begin(), GetParam().raised.end());
  EXPECT_EQ(form.events, expected);
}

INSTANTIATE_TEST_SUITE_P(Scripts, FormEventTest, testing::ValuesIn(kScripts),
                         [](const testing::TestParamInfo<Script>& script) {
                           return std::string(script.param.name);
                         });

TEST(FormTest, ShowStartsTheTimersBeforeLoadAndShowsAfterIt) {
  RecordingBackend backend;
  ProbeForm form;
  form.Show(rt::ShowMode::Modal);
  // Timer2 has no interval and never ticks.
  EXPECT_EQ(backend.log, (std::vector<std::string>{"timer 0 50", "show Probe", "returned Probe"}));
  EXPECT_EQ(form.events, std::vector<std::string>{"Load"});
}

TEST(FormTest, AFormUnloadedIsLoadedAndShownAfresh) {
  RecordingBackend backend;
  ProbeForm form;
  backend.whileShown = [&] {
    backend.activate(true);
    backend.close();
  };
  form.Show(rt::ShowMode::Modal);
  backend.whileShown = [&] { backend.activate(false); };
  form.Show(rt::ShowMode::Modal);
  EXPECT_EQ(form.events, (std::vector<std::string>{"Load", "Unload", "Load"}));
}

TEST(FormTest, HandlerErrorEndsTheShowAndLeavesFromShow) {
  RecordingBackend backend;
  ProbeForm form;
  form.On("Command1", rt::ControlEvent::Click,
          [] { throw rt::RuntimeError(rt::ErrorKind::Internal); });
  backend.whileShown = [&] {
    backend.click("Command1");
    backend.tick("Timer1");
  };
  EXPECT_THROW(form.Show(rt::ShowMode::Modal), rt::RuntimeError);
  EXPECT_EQ(form.events, (std::vector<std::string>{"Load", "Command1_Click"}));
}

TEST(FormTest, BindingToAControlThatIsNotStoredFailsAtOnce) {
  RecordingBackend backend;
  ProbeForm form;
  EXPECT_THROW(form.On("Timer3", rt::ControlEvent::Timer, [] {}), std::logic_error);
  EXPECT_THROW(form.On("Command1", rt::ControlEvent::Timer, [] {}), std::logic_error);
}

TEST(FormTest, SizeIsTheStoredOneUntilShown) {
  RecordingBackend backend;
  ProbeForm form;
  EXPECT_EQ(form.Width(), 1234.0f);
  backend.whileShown = [&] { EXPECT_EQ(form.Width(), backend.windowWidth); };
  form.Show(rt::ShowMode::Modal);
}

}  // namespace
