#pragma once

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "runtime/backend.h"
#include "runtime/form.h"

// Thrown where the program would end, so a test can see how it ended.
struct ProgramEnded {
  int exitStatus;
};

// A platform in memory: records what the program does and lets a test drive the window.
class RecordingBackend : public rt::Backend {
 public:
  struct Paint {
    int pictureWidth;
    int pictureHeight;
    const std::uint8_t* pictureData;
    float x;
    float y;
  };

  RecordingBackend();
  ~RecordingBackend() override;

  std::string commandLineText;
  float windowWidth = 28800;   // 1920 pixels at 96 dpi
  float windowHeight = 16200;  // 1080 pixels
  // Calls, as "object.member", whose status is a failure.
  std::set<std::string> failing;

  // What happened, in order: "created Form1", "show Form1", "load Form1", "end 0", ...
  std::vector<std::string> log;
  std::vector<Paint> paints;
  std::vector<rt::TextOut> prints;
  std::vector<std::string> errors;

  // Runs while a form is shown modally: the test's script of events.
  std::function<void(rt::Form&)> whileShown;

  std::string commandLine() override;
  void runModal(rt::Form& form) override;
  void endModal(rt::Form& form) override;
  float width(const rt::Form& form) override;
  float height(const rt::Form& form) override;
  void paintPicture(rt::Form& form, const rt::Picture& picture, float x, float y) override;
  void print(rt::Form& form, const rt::TextOut& text) override;
  rt::Status callStatus(std::string_view object, std::string_view member) override;
  void reportError(const std::string& title, const std::string& message) override;
  [[noreturn]] void end(int exitStatus) override;

 private:
  std::set<const rt::Form*> ended_;
};
