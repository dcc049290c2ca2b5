#include "recording_backend.h"

#include <stdexcept>

#include "runtime/error.h"

class RecordingWindow : public rt::Window {
 public:
  RecordingWindow(RecordingBackend& backend, const rt::FormDescription& description)
      : backend_(backend), caption_(description.caption) {}
  ~RecordingWindow() override {
    backend_.shown_ = nullptr;
    backend_.events_ = nullptr;
  }

  void startTimer(std::size_t control, int milliseconds) override {
    backend_.log.push_back("timer " + std::to_string(control) + " " + std::to_string(milliseconds));
  }
  void show() override {
    if (backend_.failing.count("window.show gives up"))
      rt::failCallInProgress(RecordingBackend::kRefused);
    backend_.refuseIfFailing("window.show");
    backend_.log.push_back("show " + caption_);
  }
  void runUntilEnded() override {
    if (backend_.whileShown && !ended_) backend_.whileShown();
    backend_.log.push_back("returned " + caption_);
  }
  void end() override { ended_ = true; }
  float outerWidth() const override { return backend_.windowWidth; }
  float outerHeight() const override { return backend_.windowHeight; }
  void paintPicture(const rt::Picture& picture, float x, float y) override {
    backend_.refuseIfFailing("window.paintPicture");
    backend_.paints.push_back({picture.width(), picture.height(), picture.rows(), x, y});
  }
  void print(const rt::PrintedText& text) override {
    backend_.refuseIfFailing("window.print");
    backend_.prints.push_back(text);
  }

 private:
  RecordingBackend& backend_;
  std::string caption_;
  bool ended_ = false;
};

void RecordingBackend::tick(const std::string& timer) { events_->timerDue(controlIndex(timer)); }

void RecordingBackend::click(const std::string& button) {
  events_->controlClicked(controlIndex(button));
}

void RecordingBackend::key(std::optional<char16_t> character) { events_->keyPressed(character); }

void RecordingBackend::close() { events_->closeRequested(); }

void RecordingBackend::activate(bool active) { events_->activationChanged(active); }

std::string RecordingBackend::commandLine() { return commandLineText; }

std::unique_ptr<rt::Window> RecordingBackend::createWindow(const rt::FormDescription& description,
                                                           rt::WindowEvents& events) {
  refuseIfFailing("window.create");
  auto window = std::make_unique<RecordingWindow>(*this, description);
  shown_ = &description;
  events_ = &events;
  return window;
}

rt::Status RecordingBackend::callStatus(std::string_view object, std::string_view member) {
  const std::string call = std::string(object) + "." + std::string(member);
  if (member == "New") log.push_back("created " + std::string(object));
  return failing.count(call) ? rt::kFail : rt::kOk;
}

void RecordingBackend::reportError(const std::string&, const std::string& message) {
  errors.push_back(message);
}

void RecordingBackend::end(int exitStatus) {
  log.push_back("end " + std::to_string(exitStatus));
  throw ProgramEnded{exitStatus};
}

std::size_t RecordingBackend::controlIndex(const std::string& name) const {
  for (std::size_t index = 0; index < shown_->controls.size(); ++index) {
    if (shown_->controls[index].name == name) return index;
  }
  throw std::invalid_argument("no control " + name);
}

void RecordingBackend::refuseIfFailing(const std::string& operation) const {
  if (failing.count(operation)) throw rt::PlatformFailure(kRefused);
}
