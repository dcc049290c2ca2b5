#include "recording_backend.h"

#include "runtime/start.h"

RecordingBackend::RecordingBackend() { rt::setBackend(*this); }

RecordingBackend::~RecordingBackend() = default;

std::string RecordingBackend::commandLine() { return commandLineText; }

void RecordingBackend::runModal(rt::Form& form) {
  log.push_back("show " + form.name());
  form.raiseLoad();
  if (whileShown && !ended_.count(&form)) whileShown(form);
  ended_.erase(&form);
  log.push_back("returned " + form.name());
}

void RecordingBackend::endModal(rt::Form& form) { ended_.insert(&form); }

float RecordingBackend::width(const rt::Form&) { return windowWidth; }

float RecordingBackend::height(const rt::Form&) { return windowHeight; }

void RecordingBackend::paintPicture(rt::Form&, const rt::Picture& picture, float x, float y) {
  paints.push_back({picture.width(), picture.height(), picture.rows(), x, y});
}

void RecordingBackend::print(rt::Form&, const rt::TextOut& text) { prints.push_back(text); }

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
