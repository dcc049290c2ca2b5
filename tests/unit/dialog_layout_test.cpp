#include "runtime/dialog_layout.h"

#include <gtest/gtest.h>

#include "infodialog/form1_description.h"

namespace {

// Form1's controls by their place in its description.
enum : std::size_t {
  Frame2,
  Text1,
  Label9,
  Label8,
  Label7,
  Label6,
  Label5,
  Label4,
  Command1,
  Frame1,
  Label3,
  Label2,
  Label1
};

TEST(DialogLayoutTest, BackToFrontEarlierStoredInFrontAndFramesBehindTheirControls) {
  EXPECT_EQ(rt::dialog::stackingOrder(form1Description()),
            (std::vector<std::size_t>{Frame1, Label1, Label2, Label3, Command1, Frame2, Label4,
                                      Label5, Label6, Label7, Label8, Label9, Text1}));
}

TEST(DialogLayoutTest, FocusGoesByTabIndexToTheTextBoxAndTheButtonOnly) {
  const rt::FormDescription form = form1Description();
  EXPECT_EQ(rt::dialog::tabOrder(form), (std::vector<std::size_t>{Command1, Text1}));
  EXPECT_EQ(rt::dialog::nextInTabOrder(2, std::nullopt, false), 0u);
  EXPECT_EQ(rt::dialog::nextInTabOrder(2, 0, false), 1u);
  EXPECT_EQ(rt::dialog::nextInTabOrder(2, 1, false), 0u);
  EXPECT_EQ(rt::dialog::nextInTabOrder(2, 0, true), 1u);
  EXPECT_EQ(rt::dialog::nextInTabOrder(3, 0, true), 2u);
}

TEST(DialogLayoutTest, ControlsInAFrameArePlacedFromItsCorner) {
  rt::FormDescription form = form1Description();
  EXPECT_EQ(rt::dialog::containerOf(form, Label1), std::optional<std::size_t>(Frame1));
  EXPECT_EQ(rt::dialog::containerOf(form, Command1), std::nullopt);
  const rt::dialog::Point text = rt::dialog::placeOnForm(form, Text1);
  EXPECT_EQ(text.x, 1920);
  EXPECT_EQ(text.y, 1560 + 960);
  // A container that names no frame is the drawing area.
  form.controls[Label1].container = "Command1";
  EXPECT_EQ(rt::dialog::containerOf(form, Label1), std::nullopt);
  EXPECT_EQ(rt::dialog::placeOnForm(form, Label1).x, 240);
}

}  // namespace
