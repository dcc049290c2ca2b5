#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "recording_backend.h"
#include "resources/stored_data.h"
#include "runtime/error.h"
#include "saver/quotations.h"
#include "saver/teskf.h"
#include "scripted_random.h"

namespace {

class SaverTest : public testing::Test {
 protected:
  // Runs ticks that must fail: the runtime's error they raise.
  rt::RuntimeError failingTicks(teskf& window, int ticks) {
    try {
      runTicks(window, ticks);
    } catch (const rt::RuntimeError& error) {
      return error;
    }
    ADD_FAILURE() << "no error";
    return rt::RuntimeError(rt::ErrorKind::Internal);
  }

  // Shows the window and fires n ticks of Timer1, as the message loop would.
  void runTicks(teskf& window, int ticks) {
    backend.whileShown = [this, ticks] {
      for (int i = 0; i < ticks; ++i) backend.tick("Timer1");
    };
    window.Show(rt::ShowMode::Modal);
  }

  RecordingBackend backend;
  ScriptedDraws draws;
  std::vector<rt::Picture> pictures = resources::spacePictures();
};

TEST_F(SaverTest, TicksStepThroughPicturesAndQuotationsFromTheSecond) {
  teskf window;
  runTicks(window, 12);
  ASSERT_EQ(backend.paints.size(), 12u);
  ASSERT_EQ(backend.prints.size(), 12u);
  for (std::size_t tick = 1; tick <= 12; ++tick) {
    EXPECT_EQ(backend.paints[tick - 1].pictureData, pictures[tick % 4].rows()) << tick;
    EXPECT_EQ(backend.prints[tick - 1].text, kQuotations[tick % 6]) << tick;
  }
  EXPECT_EQ(draws.taken(), 12 * 8);
}

TEST_F(SaverTest, NothingIsDrawnBeforeTheFirstTick) {
  teskf window;
  runTicks(window, 0);
  EXPECT_TRUE(backend.paints.empty());
  EXPECT_TRUE(backend.prints.empty());
}

struct Draw {
  float value;
  std::int16_t component;  // each colour component drawn from it
};

// The edges of the draws: 0, a half, both sides of where rounding reaches 0 and 255, just below 1.
const Draw kDraws[] = {
    {0.0f, 0},
    {0.5f, 128},  // 127.5 rounds to even
    {std::nextafter(1.0f / 510, 0.0f), 0},
    {509.0f / 510 + 1e-6f, 255},
    {std::nextafter(1.0f, 0.0f), 255},
};

class SaverDrawTest : public SaverTest, public testing::WithParamInterface<Draw> {};

TEST_P(SaverDrawTest, PlacesColoursAndSizesFromTheDraws) {
  const float r = GetParam().value;
  draws.script(std::vector<float>(8, r));
  backend.windowWidth = 28800;
  backend.windowHeight = 16200;
  teskf window;
  runTicks(window, 1);

  const RecordingBackend::Paint& paint = backend.paints.at(0);
  EXPECT_FLOAT_EQ(paint.x, 14400.0f * r);
  EXPECT_FLOAT_EQ(paint.y, 8100.0f * r);
  EXPECT_LT(paint.x, 14400.0f);
  EXPECT_LT(paint.y, 8100.0f);
  const rt::PrintedText& text = backend.prints.at(0);
  EXPECT_FLOAT_EQ(text.x, r * 28800.0f / 2.0f);
  EXPECT_FLOAT_EQ(text.y, r * 16200.0f);
  const std::int16_t c = GetParam().component;
  EXPECT_EQ(text.colour, rt::RGB(c, c, c));
  EXPECT_EQ(text.font.size, r * 40.0f);
  EXPECT_LT(text.font.size, 40.0f);
  EXPECT_EQ(text.font.name, "Century Schoolbook");
  EXPECT_EQ(text.font.weight, 700);
}

INSTANTIATE_TEST_SUITE_P(Edges, SaverDrawTest, testing::ValuesIn(kDraws));

TEST_F(SaverTest, EachDrawGoesToItsOwnValue) {
  draws.script({0.25f, 0.5f, 0.75f, 0.125f, 1.0f / 255, 2.0f / 255, 3.0f / 255, 0.5f});
  teskf window;
  runTicks(window, 1);
  EXPECT_EQ(backend.paints.at(0).x, 3600.0f);
  EXPECT_EQ(backend.paints.at(0).y, 4050.0f);
  EXPECT_EQ(backend.prints.at(0).x, 10800.0f);
  EXPECT_EQ(backend.prints.at(0).y, 2025.0f);
  EXPECT_EQ(backend.prints.at(0).colour, rt::RGB(1, 2, 3));
  EXPECT_EQ(backend.prints.at(0).font.size, 20.0f);
}

TEST_F(SaverTest, SizeIsReadOnEveryTick) {
  teskf window;
  backend.whileShown = [this] {
    backend.tick("Timer1");
    backend.windowWidth = 1000;
    backend.windowHeight = 500;
    backend.tick("Timer1");
  };
  draws.script(std::vector<float>(16, 0.5f));
  window.Show(rt::ShowMode::Modal);
  EXPECT_EQ(backend.paints.at(1).x, 250.0f);
  EXPECT_EQ(backend.paints.at(1).y, 125.0f);
}

TEST_F(SaverTest, AListOfOnePicturePaintsItOnEveryTick) {
  teskf window{rt::ImageList({pictures[2]})};
  runTicks(window, 3);
  for (const auto& paint : backend.paints) EXPECT_EQ(paint.pictureData, pictures[2].rows());
}

TEST_F(SaverTest, CharacterKeyEndsTheProgramWithoutUnloading) {
  teskf window;
  backend.whileShown = [this] {
    backend.key(std::nullopt);  // a key that yields no character is no key press
    backend.tick("Timer1");
    backend.key(u'a');
    backend.tick("Timer1");
  };
  EXPECT_THROW(window.Show(rt::ShowMode::Modal), ProgramEnded);
  EXPECT_EQ(std::ranges::count(backend.log, "end 0"), 1);
  EXPECT_EQ(backend.paints.size(), 1u);
}

TEST_F(SaverTest, UnloadEndsTheProgram) {
  teskf window;
  backend.whileShown = [this] { backend.close(); };
  EXPECT_THROW(window.Show(rt::ShowMode::Modal), ProgramEnded);
  EXPECT_EQ(std::ranges::count(backend.log, "end 0"), 1);
}

struct Failure {
  const char* failing;   // the refused call, the runtime's or the window's
  const char* reported;  // the call the error names
  std::size_t paints;    // what was drawn before the failure stays drawn
};

// Every checked call of a tick, in its order.
const Failure kFailures[] = {
    {"ImageList.ListImages", "ImageList.ListImages", 0},
    {"IImages.Count", "IImages.Count", 0},
    {"IImages.Item", "IImages.Item", 0},
    {"IImage.Picture", "IImage.Picture", 0},
    {"teskf.Width", "teskf.Width", 0},
    {"teskf.Height", "teskf.Height", 0},
    {"teskf.PaintPicture", "teskf.PaintPicture", 0},
    {"window.paintPicture", "teskf.PaintPicture", 0},
    {"teskf.CurrentX", "teskf.CurrentX", 1},
    {"teskf.CurrentY", "teskf.CurrentY", 1},
    {"teskf.ForeColor", "teskf.ForeColor", 1},
    {"teskf.Font", "teskf.Font", 1},
    {"Font.Size", "Font.Size", 1},
    {"teskf.Print", "teskf.Print", 1},
    {"window.print", "teskf.Print", 1},
};

class SaverFailureTest : public SaverTest, public testing::WithParamInterface<Failure> {};

TEST_P(SaverFailureTest, FailingCallLeavesTheTickWithTheRuntimeError) {
  backend.failing = {GetParam().failing};
  teskf window;
  const rt::RuntimeError error = failingTicks(window, 2);
  EXPECT_EQ(error.kind(), rt::ErrorKind::FailedCall);
  EXPECT_EQ(error.object() + "." + error.member(), GetParam().reported);
  EXPECT_EQ(backend.paints.size(), GetParam().paints);
  EXPECT_TRUE(backend.prints.empty());
}

INSTANTIATE_TEST_SUITE_P(Calls, SaverFailureTest, testing::ValuesIn(kFailures));

TEST_F(SaverTest, NonFiniteSizeRaisesTheFloatingPointError) {
  for (float size : {std::numeric_limits<float>::infinity(), std::nanf("")}) {
    backend.windowHeight = size;
    teskf window;
    const rt::RuntimeError error = failingTicks(window, 1);
    EXPECT_EQ(error.kind(), rt::ErrorKind::Overflow);
    EXPECT_EQ(error.number(), 6);
    EXPECT_TRUE(backend.paints.empty());
  }
}

// A value computed from the draw at that position is not finite: the error is raised before
// the value is used, so nothing is drawn from it.
class SaverFloatCheckTest : public SaverTest, public testing::WithParamInterface<int> {};

TEST_P(SaverFloatCheckTest, EachComputedValueIsCheckedBeforeUse) {
  const int position = GetParam();
  std::vector<float> script(8, 0.5f);
  script[static_cast<std::size_t>(position)] = std::nanf("");
  draws.script(script);
  teskf window;
  EXPECT_EQ(failingTicks(window, 1).kind(), rt::ErrorKind::Overflow);
  EXPECT_EQ(backend.paints.size(), position < 2 ? 0u : 1u);
  EXPECT_TRUE(backend.prints.empty());
}

INSTANTIATE_TEST_SUITE_P(Draws, SaverFloatCheckTest, testing::Range(0, 8));

}  // namespace
