#include "runtime/qt/qt_backend.h"

#include <cstdio>
#include <cstdlib>

#include "runtime/form.h"
#include "runtime/qt/dialog_window.h"
#include "runtime/qt/display_only.h"
#include "runtime/qt/leak_check.h"
#include "runtime/qt/picture_image.h"
#include "runtime/qt/saver_window.h"
#include "runtime/twips.h"

namespace rt {
namespace {

QtMessageHandler qtsOwnHandler = nullptr;

// Qt gives up on a fatal message by aborting; without a display, say why and end plainly.
void endOnFatalMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) return qtsOwnHandler(type, context, message);
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  std::fflush(nullptr);
  checkLeaks();
  std::_Exit(1);
}

std::string joinedArguments(int argc, char** argv) {
  std::string line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) line += ' ';
    line += argv[i];
  }
  return line;
}

std::unique_ptr<FormWindow> createWindow(Form& form) {
  if (form.description().style == WindowStyle::FullScreen) {
    return std::make_unique<SaverWindow>(form);
  }
  return std::make_unique<DialogWindow>(form);
}

}  // namespace

QtBackend::QtBackend(int argc, char** argv)
    : applicationArgv_{argv[0], nullptr}, commandLine_(joinedArguments(argc, argv)) {}

QtBackend::~QtBackend() = default;

std::string QtBackend::commandLine() { return commandLine_; }

void QtBackend::runModal(Form& form) {
  if (!QApplication::instance()) {
    keepToTheDisplay();
    qtsOwnHandler = qInstallMessageHandler(endOnFatalMessage);
    application_ = std::make_unique<QApplication>(applicationArgc_, applicationArgv_);
  }
  const std::unique_ptr<FormWindow> window = createWindow(form);
  shown_[&form] = window.get();
  form.raiseLoad();
  window->runModal();
  shown_.erase(&form);
}

void QtBackend::endModal(Form& form) {
  if (FormWindow* shown = window(form)) shown->endModal();
}

// A form that is not shown has its stored size.
float QtBackend::width(const Form& form) {
  const FormWindow* shown = window(form);
  if (!shown) return static_cast<float>(form.description().width);
  return twipsFromPixels(shown->frameGeometry().width(), shown->dotsPerInch());
}

float QtBackend::height(const Form& form) {
  const FormWindow* shown = window(form);
  if (!shown) return static_cast<float>(form.description().height);
  return twipsFromPixels(shown->frameGeometry().height(), shown->dotsPerInch());
}

// Only a form shown full screen keeps a lasting image to draw on.
void QtBackend::paintPicture(Form& form, const Picture& picture, float x, float y) {
  if (auto* saver = dynamic_cast<SaverWindow*>(window(form))) {
    saver->paintImage(pictureImage(picture), x, y);
  }
}

void QtBackend::print(Form& form, const TextOut& text) {
  if (auto* saver = dynamic_cast<SaverWindow*>(window(form))) saver->print(text);
}

void QtBackend::reportError(const std::string& title, const std::string& message) {
  std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
  std::fflush(stderr);
}

// Nothing runs on the way out: no further event, no teardown of the application.
void QtBackend::end(int exitStatus) {
  std::fflush(nullptr);
  checkLeaks();
  std::_Exit(exitStatus);
}

FormWindow* QtBackend::window(const Form& form) const {
  const auto found = shown_.find(&form);
  return found == shown_.end() ? nullptr : found->second;
}

const QImage* QtBackend::retainedImage(const Form& form) const {
  const auto* saver = dynamic_cast<const SaverWindow*>(window(form));
  return saver ? &saver->image() : nullptr;
}

// Each picture is decoded once, on its first paint.
const QImage& QtBackend::pictureImage(const Picture& picture) {
  const auto [entry, added] = pictureImages_.try_emplace(picture.file().data());
  if (added) entry->second = imageFromPicture(picture);
  return entry->second;
}

}  // namespace rt
