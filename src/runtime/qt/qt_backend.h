#pragma once

#include <QApplication>
#include <QImage>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "runtime/backend.h"
#include "runtime/qt/form_window.h"

namespace rt {

// The runtime's platform on Qt Widgets. The application, and with it the display, comes only
// when a form is shown: a run that shows nothing needs no display.
class QtBackend : public Backend {
 public:
  QtBackend(int argc, char** argv);
  ~QtBackend() override;

  std::string commandLine() override;
  void runModal(Form& form) override;
  void endModal(Form& form) override;
  float width(const Form& form) override;
  float height(const Form& form) override;
  void paintPicture(Form& form, const Picture& picture, float x, float y) override;
  void print(Form& form, const TextOut& text) override;
  void reportError(const std::string& title, const std::string& message) override;
  [[noreturn]] void end(int exitStatus) override;

  // The window of a form while it is shown, else null.
  FormWindow* window(const Form& form) const;
  // The lasting image of a form shown full screen, else null.
  const QImage* retainedImage(const Form& form) const;
  // How many distinct pictures have been turned into images so far.
  std::size_t decodedPictureCount() const { return pictureImages_.size(); }

 private:
  const QImage& pictureImage(const Picture& picture);

  // Qt takes options of its own from the arguments it is given (-platform, -display, -style...):
  // it gets the program's name alone, and the command line stays the program's only input.
  int applicationArgc_ = 1;
  char* applicationArgv_[2];
  std::string commandLine_;
  std::unique_ptr<QApplication> application_;
  std::map<const Form*, FormWindow*> shown_;
  std::unordered_map<const std::uint8_t*, QImage> pictureImages_;
};

}  // namespace rt
