#include "saver/teskf_description.h"

#include "resources/stored_data.h"

rt::FormDescription teskfDescription() {
  rt::FormDescription form{
      .caption = "Tesk screen saver",
      .style = rt::WindowStyle::FullScreen,
      .backColor = rt::RGB(0, 0, 0),
      .foreColor = rt::RGB(0, 0, 0),
      .font = rt::FontDescription{"Century Schoolbook", 700, 27.75f, 0, false, false, false},
      .left = 1095,
      .top = 1485,
      .width = 7365,
      .height = 5805,
      .icon = {},
      .mouseIcon = resources::pointerIcon(),
      .mouseHotSpot = {14, 28},  // the tick's vertex
      .controls = {},
  };
  form.controls.push_back({.name = "Timer1", .kind = rt::ControlKind::Timer, .interval = 2000});
  form.controls.push_back({.name = "ImageList1", .kind = rt::ControlKind::ImageList});
  return form;
}
