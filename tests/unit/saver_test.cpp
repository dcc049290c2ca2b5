#include <gtest/gtest.h>

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
  // Shows the window and fires n ticks of Timer1, as the message loop would.
  void runTicks(teskf& window, int ticks) {
    backend.whileShown = [ticks](rt::Form& form) {
      for (int i = 0; i < ticks; ++i) form.raiseControlEvent("Timer1", "Timer");
    };
    window.Show(rt::ShowMode::Modal);
  }

  RecordingBackend backend;
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
  EXPECT_EQ(drawsTaken(), 12 * 8);
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
  scriptDraws(std::vector<float>(8, r));
  backend.windowWidth = 28800;
  backend.windowHeight = 16200;
  teskf window;
  runTicks(window, 1);

  const RecordingBackend::Paint& paint = backend.paints.at(0);
  EXPECT_FLOAT_EQ(paint.x, 14400.0f * r);
  EXPECT_FLOAT_EQ(paint.y, 8100.0f * r);
  EXPECT_LT(paint.x, 14400.0f);
  EXPECT_LT(paint.y, 8100.0f);
  const rt::TextOut& text = backend.prints.at(0);
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
  scriptDraws({0.25f, 0.5f, 0.75f, 0.125f, 1.0f / 255, 2.0f / 255, 3.0f / 255, 0.5f});
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
  backend.whileShown = [this](rt::Form& form) {
    form.raiseControlEvent("Timer1", "Timer");
    backend.windowWidth = 1000;
    backend.windowHeight = 500;
    form.raiseControlEvent("Timer1", "Timer");
  };
  scriptDraws(std::vector<float>(16, 0.5f));
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
  backend.whileShown = [](rt::Form& form) {
    form.raiseKeyPress('a');
    form.raiseControlEvent("Timer1", "Timer");
  };
  EXPECT_THROW(window.Show(rt::ShowMode::Modal), ProgramEnded);
  EXPECT_EQ(backend.log.at(1), "end 0");
  EXPECT_TRUE(backend.paints.empty());
}

TEST_F(SaverTest, UnloadEndsTheProgram) {
  teskf window;
  backend.whileShown = [](rt::Form& form) { form.raiseUnload(); };
  EXPECT_THROW(window.Show(rt::ShowMode::Modal), ProgramEnded);
  EXPECT_EQ(backend.log.at(1), "end 0");
}

struct Failure {
  const char* call;
  std::size_t paints;  // what was drawn before the failure stays drawn
};

const Failure kFailures[] = {
    {"IImages.Count", 0},      {"IImages.Item", 0},    {"IImage.Picture", 0}, {"teskf.Width", 0},
    {"teskf.PaintPicture", 0}, {"teskf.ForeColor", 1}, {"Font.Size", 1},      {"teskf.Print", 1},
};

class SaverFailureTest : public SaverTest, public testing::WithParamInterface<Failure> {};

TEST_P(SaverFailureTest, FailingCallLeavesTheTickWithTheRuntimeError) {
  backend.failing = {GetParam().call};
  teskf window;
  try {
    runTicks(window, 2);
    FAIL() << "no error";
  } catch (const rt::RuntimeError& error) {
    EXPECT_EQ(error.kind(), rt::ErrorKind::FailedCall);
    EXPECT_EQ(error.object() + "." + error.member(), GetParam().call);
  }
  EXPECT_EQ(backend.paints.size(), GetParam().paints);
  EXPECT_TRUE(backend.prints.empty());
}

INSTANTIATE_TEST_SUITE_P(Calls, SaverFailureTest, testing::ValuesIn(kFailures));

TEST_F(SaverTest, NonFiniteSizeRaisesTheFloatingPointError) {
  for (float size : {std::numeric_limits<float>::infinity(), std::nanf("")}) {
    backend.windowHeight = size;
    teskf window;
    try {
      runTicks(window, 1);
      FAIL() << "no error";
    } catch (const rt::RuntimeError& error) {
      EXPECT_EQ(error.kind(), rt::ErrorKind::Overflow);
      EXPECT_EQ(error.number(), 6);
    }
    EXPECT_TRUE(backend.paints.empty());
  }
}

}  // namespace
