#include "runtime/qt/qt_messages.h"

#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runtime/backend.h"
#include "runtime/qt/leak_check.h"

namespace rt::qt {
namespace {

struct HeldMessage {
  QtMsgType type;
  const char* category;
  QString text;
};

QtMessageHandler qtsOwnHandler = nullptr;
bool starting = false;
std::vector<HeldMessage> held;

// Qt's complaint about the runtime directory that the program keeps it from making is no news.
void handleQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (type != QtFatalMsg) {
    if (message.startsWith(QStringLiteral("QStandardPaths: "))) return;
    if (starting) return held.push_back({type, context.category, message});
    return qtsOwnHandler(type, context, message);
  }
  if (starting) failCallInProgress(kFail);
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
  std::fflush(nullptr);
  checkLeaks();
  std::_Exit(1);
}

}  // namespace

void handleQtMessagesWhileStarting() {
  starting = true;
  qtsOwnHandler = qInstallMessageHandler(handleQtMessage);
}

void sayQtMessagesFromNowOn() {
  starting = false;
  for (const HeldMessage& message : held) {
    qtsOwnHandler(message.type, QMessageLogContext(nullptr, 0, nullptr, message.category),
                  message.text);
  }
  held.clear();
}

}  // namespace rt::qt
