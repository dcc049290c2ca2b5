#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "runtime/colour.h"

namespace rt {

struct FontDescription {
  std::string name;
  int weight;
  float size;
  int charset;
  bool italic;
  bool underline;
  bool strikethrough;
};

enum class ControlKind { Timer, ImageList, Frame, Label, TextBox, CommandButton };

// One control as the form stores it. Positions are twips from the top-left corner of its
// container: the form's drawing area, or the frame named by container.
struct ControlDescription {
  std::string name;
  ControlKind kind;
  std::string container = {};
  std::string caption = {};
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = 0;
  int interval = 0;
  bool multiLine = false;
};

// How the window is framed: a borderless window over the whole screen, or a fixed dialog.
enum class WindowStyle { FullScreen, Dialog };

// A form as it is stored: its look, its drawing area (twips, screen coordinates) and its
// controls in creation order. Icons are .ico files.
struct FormDescription {
  std::string caption;
  WindowStyle style;
  std::optional<Colour> backColor = {};
  std::optional<Colour> foreColor = {};
  std::optional<FontDescription> font = {};
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  std::span<const std::uint8_t> icon = {};
  std::span<const std::uint8_t> mouseIcon = {};
  // Where that pointer points in its 32 x 32 image: an icon stores no hot spot of its own.
  struct HotSpot {
    int x = 0;
    int y = 0;
  } mouseHotSpot = {};
  std::vector<ControlDescription> controls = {};
};

}  // namespace rt
