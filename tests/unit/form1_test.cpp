#include "infodialog/form1.h"

#include <gtest/gtest.h>

#include "recording_backend.h"

namespace {

struct StoredControl {
  const char* name;
  const char* container;
  const char* caption;
  int left, top, width, height, tabIndex;
};

// In creation order; where two overlap the earlier one lies in front.
const StoredControl kControls[] = {
    {"Frame2", "", "Complete Version available", 0, 1560, 4695, 2655, 5},
    {"Text1", "Frame2", nullptr, 1920, 960, 1695, 1215, 9},
    {"Label9", "Frame2", "- and more ...", 2280, 600, 2175, 255, 12},
    {"Label8", "Frame2", "- Options available (Speed,...)", 2280, 360, 2175, 255, 11},
    {"Label7", "Frame2", "Don't forget to give your e-mail or your address !!", 120, 2280, 4455,
     255, 10},
    {"Label6", "Frame2", "To order : send 10$ to :", 120, 960, 1815, 255, 8},
    {"Label5", "Frame2", "- More quotations", 120, 600, 1695, 255, 7},
    {"Label4", "Frame2", "- More pictures !!!", 120, 360, 1575, 255, 6},
    {"Command1", "", "&OK", 3600, 1080, 975, 375, 3},
    {"Frame1", "", "Lite Version", 0, 120, 4695, 1455, 0},
    {"Label3", "Frame1", "Contribution price : 1$", 240, 960, 1935, 255, 4},
    {"Label2", "Frame1", nullptr, 240, 600, 4095, 255, 2},
    {"Label1", "Frame1", nullptr, 240, 360, 1935, 255, 1},
};

TEST(Form1Test, StoredLayoutHoldsTheThirteenControls) {
  RecordingBackend backend;
  Form1 dialog;
  const rt::FormDescription& form = dialog.description();
  EXPECT_EQ(form.caption, "Skarvelunde Screen Saver");
  EXPECT_EQ(form.width, 4770);
  EXPECT_EQ(form.height, 4305);
  EXPECT_FALSE(form.font.has_value());
  ASSERT_EQ(form.controls.size(), std::size(kControls));
  for (std::size_t i = 0; i < form.controls.size(); ++i) {
    const rt::ControlDescription& control = form.controls[i];
    const StoredControl& stored = kControls[i];
    SCOPED_TRACE(stored.name);
    EXPECT_EQ(control.name, stored.name);
    EXPECT_EQ(control.container, stored.container);
    if (stored.caption != nullptr) {
      EXPECT_EQ(control.caption, stored.caption);
    }
    EXPECT_EQ(control.left, stored.left);
    EXPECT_EQ(control.top, stored.top);
    EXPECT_EQ(control.width, stored.width);
    EXPECT_EQ(control.height, stored.height);
    EXPECT_EQ(control.tabIndex, stored.tabIndex);
  }
}

TEST(Form1Test, StoredTextsOfTheMaker) {
  RecordingBackend backend;
  Form1 dialog;
  const auto& controls = dialog.description().controls;
  const std::string& address = controls[1].caption;
  EXPECT_TRUE(controls[1].multiLine);
  EXPECT_EQ(address.rfind("Quendral & Cie\r\n", 0), 0u);
  EXPECT_EQ(std::count(address.begin(), address.end(), '\n'), 5);
  EXPECT_EQ(address.substr(address.size() - 2), "\r\n");
  const std::string& maker = controls[11].caption;
  EXPECT_EQ(maker.rfind("Quendral && Cie / ", 0), 0u);
  EXPECT_EQ(std::count(maker.begin(), maker.end(), '/'), 3);
}

struct Way {
  const char* name;
  std::function<void(rt::Form&)> event;
  bool endsInHandler;
};

class Form1WayTest : public testing::TestWithParam<Way> {};

// OK and the form's own loss of focus end the program; an unload only ends the modal show.
TEST_P(Form1WayTest, EveryWayOutEnds) {
  RecordingBackend backend;
  backend.whileShown = GetParam().event;
  Form1 dialog;
  if (GetParam().endsInHandler) {
    EXPECT_THROW(dialog.Show(rt::ShowMode::Modal), ProgramEnded);
    EXPECT_EQ(backend.log.at(1), "end 0");
  } else {
    dialog.Show(rt::ShowMode::Modal);
    EXPECT_EQ(backend.log.back(), "returned Form1");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Form1WayTest,
    testing::Values(Way{"Click", [](rt::Form& f) { f.raiseControlEvent("Command1", "Click"); },
                        true},
                    Way{"LostFocus", [](rt::Form& f) { f.raiseLostFocus(); }, true},
                    Way{"KeysAndUnload",
                        [](rt::Form& f) {
                          f.raiseKeyPress(27);
                          EXPECT_TRUE(f.raiseUnload());
                        },
                        false}),
    [](const testing::TestParamInfo<Way>& way) { return std::string(way.param.name); });

}  // namespace
