#include "infodialog/form1_description.h"

#include "resources/stored_data.h"

namespace {

using rt::ControlKind;

rt::ControlDescription control(const char* name, ControlKind kind, const char* container,
                               const char* caption, int left, int top, int width, int height,
                               int tabIndex) {
  return {.name = name,
          .kind = kind,
          .container = container,
          .caption = caption,
          .left = left,
          .top = top,
          .width = width,
          .height = height,
          .tabIndex = tabIndex,
          .multiLine = kind == ControlKind::TextBox};
}

constexpr const char* kAddress =
    "Quendral & Cie\r\n"
    "Skarvelunde saver\r\n"
    "3 rue Brune\r\n"
    "99210 Olmel\r\n"
    "France\r\n";

}  // namespace

rt::FormDescription form1Description() {
  return {
      .caption = "Skarvelunde Screen Saver",
      .style = rt::WindowStyle::Dialog,
      .backColor = {},
      .foreColor = {},
      .font = {},
      .left = 1125,
      .top = 1500,
      .width = 4770,
      .height = 4305,
      .icon = resources::applicationIcon(),
      .mouseIcon = {},
      .controls =
          {
              control("Frame2", ControlKind::Frame, "", "Complete Version available", 0, 1560, 4695,
                      2655, 5),
              control("Text1", ControlKind::TextBox, "Frame2", kAddress, 1920, 960, 1695, 1215, 9),
              control("Label9", ControlKind::Label, "Frame2", "- and more ...", 2280, 600, 2175,
                      255, 12),
              control("Label8", ControlKind::Label, "Frame2", "- Options available (Speed,...)",
                      2280, 360, 2175, 255, 11),
              control("Label7", ControlKind::Label, "Frame2",
                      "Don't forget to give your e-mail or your address !!", 120, 2280, 4455, 255,
                      10),
              control("Label6", ControlKind::Label, "Frame2", "To order : send 10$ to :", 120, 960,
                      1815, 255, 8),
              control("Label5", ControlKind::Label, "Frame2", "- More quotations", 120, 600, 1695,
                      255, 7),
              control("Label4", ControlKind::Label, "Frame2", "- More pictures !!!", 120, 360, 1575,
                      255, 6),
              control("Command1", ControlKind::CommandButton, "", "&OK", 3600, 1080, 975, 375, 3),
              control("Frame1", ControlKind::Frame, "", "Lite Version", 0, 120, 4695, 1455, 0),
              control("Label3", ControlKind::Label, "Frame1", "Contribution price : 1$", 240, 960,
                      1935, 255, 4),
              control("Label2", ControlKind::Label, "Frame1",
                      "Quendral && Cie / 3 rue Brune / 99210 Olmel / France", 240, 600, 4095, 255,
                      2),
              control("Label1", ControlKind::Label, "Frame1", "By Odile Parvenche", 240, 360, 1935,
                      255, 1),
          },
  };
}
