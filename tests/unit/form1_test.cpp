#include "infodialog/form1.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "recording_backend.h"

namespace {

struct Way {
  const char* name;
  std::function<void(RecordingBackend&)> event;
  bool endsInHandler;
};

class Form1WayTest : public testing::TestWithParam<Way> {};

// OK and the form's own loss of focus end the program; an unload only ends the modal show.
TEST_P(Form1WayTest, EveryWayOutEnds) {
  RecordingBackend backend;
  backend.whileShown = [&backend] { GetParam().event(backend); };
  Form1 dialog;
  if (GetParam().endsInHandler) {
    EXPECT_THROW(dialog.Show(rt::ShowMode::Modal), ProgramEnded);
    EXPECT_EQ(std::ranges::count(backend.log, "end 0"), 1);
  } else {
    dialog.Show(rt::ShowMode::Modal);
    EXPECT_EQ(backend.log.back(), "returned Skarvelunde Screen Saver");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Form1WayTest,
    testing::Values(Way{"Click", [](RecordingBackend& b) { b.click("Command1"); }, true},
                    Way{"LostFocus",
                        [](RecordingBackend& b) {
                          b.activate(true);
                          b.activate(false);
                        },
                        true},
                    Way{"KeysAndUnload",
                        [](RecordingBackend& b) {
                          b.key(u'\x1B');
                          b.close();
                        },
                        false}),
    [](const testing::TestParamInfo<Way>& way) { return std::string(way.param.name); });

}  // namespace
