#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <string>
#include <vector>

#include "runtime/qt/text_font.h"
#include "test_form.h"

namespace {

struct Arguments {
  std::vector<std::string> argv;
  std::string commandLine;
};

const Arguments kArguments[] = {
    {{"Skarvelunde.scr"}, ""},
    {{"Skarvelunde.scr", "/s"}, "/s"},
    {{"Skarvelunde.scr", "/p", "1234"}, "/p 1234"},
    {{"Skarvelunde.scr", "a  b", "", "\xC3\xA9\xFF"}, "a  b  \xC3\xA9\xFF"},
};

TEST(QtBackendTest, CommandLineJoinsTheArgumentsBytesAsGiven) {
  for (const Arguments& arguments : kArguments) {
    std::vector<std::string> copies = arguments.argv;
    std::vector<char*> argv;
    for (std::string& argument : copies) argv.push_back(argument.data());
    int argc = static_cast<int>(argv.size());
    rt::qt::QtBackend backend(argc, argv.data());
    EXPECT_EQ(backend.commandLine(), arguments.commandLine);
  }
}

struct FontSize {
  float points;
  int pixels;  // at 96 dpi
};

// Whole pixel heights, as the Windows font service draws them; never under one pixel.
const FontSize kFontSizes[] = {
    {27.75f, 37}, {39.99f, 53}, {1.0f, 1}, {0.7f, 1}, {0.0f, 1}, {-3.0f, 1},
};

TEST(QtBackendTest, FontsDrawWholePixelHeightsAndAtLeastOne) {
  for (const FontSize& size : kFontSizes) {
    const rt::FontDescription description{
        "Century Schoolbook", 700, size.points, 0, false, false, false};
    const QFont font = rt::qt::textFont(description, 96);
    EXPECT_EQ(font.family(), "Century Schoolbook");
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_EQ(font.pixelSize(), size.pixels) << size.points;
  }
}

rt::FormDescription windowWith(std::vector<rt::ControlDescription> controls) {
  return {.caption = "Test",
          .style = rt::WindowStyle::FullScreen,
          .backColor = 0,
          .foreColor = 0,
          .font = {},
          .left = 0,
          .top = 0,
          .width = 3000,
          .height = 3000,
          .icon = {},
          .mouseIcon = {},
          .controls = std::move(controls)};
}

TEST(QtBackendTest, TimersTickAfterLoadUnlessTheirIntervalIsZero) {
  TestForm form(windowWith({{.name = "Fast", .kind = rt::ControlKind::Timer, .interval = 20},
                            {.name = "Off", .kind = rt::ControlKind::Timer, .interval = 0}}));
  form.record("Fast", rt::ControlEvent::Timer);
  form.record("Off", rt::ControlEvent::Timer);
  form.showWhile([](rt::qt::FormWindow&) { QTest::qWait(300); });
  ASSERT_FALSE(form.events.empty());
  EXPECT_EQ(form.events.front(), "Load");
  EXPECT_GE(std::ranges::count(form.events, "Fast_Timer"), 3);
  EXPECT_EQ(std::ranges::count(form.events, "Off_Timer"), 0);
}

TEST(QtBackendTest, CloseRequestUnloadsTheFormAndEndsTheShow) {
  TestForm form(windowWith({}));
  form.showWhile([](rt::qt::FormWindow& window) {
    window.close();
    QTest::qWait(50);
  });
  EXPECT_EQ(form.events, (std::vector<std::string>{"Load", "Unload"}));
  EXPECT_THROW(shownWindow(), std::logic_error);
}

TEST(QtBackendTest, CancelledUnloadKeepsTheWindow) {
  TestForm form(windowWith({}), /*cancelUnload=*/true);
  form.showWhile([](rt::qt::FormWindow& window) {
    window.close();
    QTest::qWait(50);
    EXPECT_TRUE(window.isVisible());
  });
  EXPECT_EQ(form.events, (std::vector<std::string>{"Load", "Unload"}));
}

}  // namespace
