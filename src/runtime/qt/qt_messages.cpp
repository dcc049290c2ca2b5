#include "runtime/qt/qt_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runtime/error.h"
#include "runtime/start.h"
#include "runtime/status.h"

namespace rt {
namespace {

struct HeldMessage {
  QtMsgType type;
  const char* category;
  QString text;
};

QtMessageHandler qtsOwnHandler = nullptr;
const Form* starting = nullptr;
std::vector<HeldMessage> held;

// Qt's complaint about the runtime directory that the program keeps it from making is no news.
void handleQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (message.startsWith(QStringLiteral("QStandardPaths: "))) return;
    if (starting) return held.push_back({type, context.category, message});
    return qtsOwnHandler(type, context, message);
  }
  if (starting) failProgram(RuntimeError(ErrorKind::FailedCall, kFail, starting->name(), "Show"));
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  std::fflush(nullptr);
  std::_Exit(1);
}

}  // namespace

void handleQtMessagesWhileStarting(const Form& form) {
  starting = &form;
  qtsOwnHandler = qInstallMessageHandler(handleQtMessage);
}

void sayQtMessagesFromNowOn() {
  starting = nullptr;
  for (const HeldMessage& message : held) {
    qtsOwnHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                  message.text);
  }
  held.clear();
}

}  // namespace rt
