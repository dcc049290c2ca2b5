#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "runtime/backend.h"
#include "runtime/start.h"

// Thrown where the program would end, so a test can see how it ended.
struct ProgramEnded {
  int exitStatus;
};

// A platform in memory, in place while it lives: records what the program does and lets a test
// drive the shown window through its events.
class RecordingBackend : public rt::Backend {
 public:
  struct Paint {
    int pictureWidth;
    int pictureHeight;
    const std::uint8_t* pictureData;
    float x;
    float y;
  };

  // The status of a refused window operation ("window.show", "window.paintPicture", ...).
  static constexpr rt::Status kRefused = static_cast<rt::Status>(0x80070008u);

  std::string commandLineText;
  float windowWidth = 28800;   // 1920 pixels at 96 dpi
  float windowHeight = 16200;  // 1080 pixels
  // Calls, as "object.member", whose status is a failure; "window.operation" for the window's,
  // and "window.show gives up" for a platform that ends the program inside the show.
  std::set<std::string> failing;

  // What happened, in order: "created Form1", "show Form1's caption", "end 0", ...
  std::vector<std::string> log;
  std::vector<Paint> paints;
  std::vector<rt::PrintedText> prints;
  std::vector<std::string> errors;

  // Runs while a window is shown: the test's script of events.
  std::function<void()> whileShown;

  // The shown window's events, by control name where they come from a control.
  void tick(const std::string& timer);
  void click(const std::string& button);
  void key(std::optional<char16_t> character);
  void close();
  void activate(bool active);

  std::string commandLine() override;
  std::unique_ptr<rt::Window> createWindow(const rt::FormDescription& description,
                                           rt::WindowEvents& events) override;
  rt::Status callStatus(std::string_view object, std::string_view member) override;
  void reportError(const std::string& title, const std::string& message) override;
  [[noreturn]] void end(int exitStatus) override;

 private:
  friend class RecordingWindow;
  std::size_t controlIndex(const std::string& name) const;
  void refuseIfFailing(const std::string& operation) const;

  rt::BackendScope scope_{*this};
  const rt::FormDescription* shown_ = nullptr;
  rt::WindowEvents* events_ = nullptr;
};
