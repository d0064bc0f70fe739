#include "platform/start_toolkit.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// A toolkit message held back while the toolkit starts.
struct HeldMessage {
  QtMsgType type;
  std::string category;
  QString text;
};

struct StartState {
  std::string programName;
  QtMessageHandler previous = nullptr;
  std::vector<HeldMessage> held;
};
StartState start;

void PassOn(const HeldMessage& message) {
  const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
  if (start.previous != nullptr) start.previous(message.type, context, message.text);
}

// Start-up failures are fatal to the toolkit, which aborts once this returns:
// say why in one line and end the program before that.
void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    start.held.push_back({type, context.category ? context.category : "", text});
    return;
  }
  // The first warning names the cause ("could not connect to display"); the
  // later ones and the fatal text only say that no plugin started.
  QString reason = start.held.empty() ? text : start.held.front().text;
  reason = reason.simplified();
  if (reason.isEmpty()) reason = QStringLiteral("no usable window system");
  std::fprintf(stderr, "%s: cannot open a window: %s\n", start.programName.c_str(), reason.toLocal8Bit().constData());
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const std::string& programName) {
  start.programName = programName;
  start.held.clear();
  start.previous = qInstallMessageHandler(HoldWhileStarting);
  auto toolkit = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(start.previous);
  for (const HeldMessage& message : start.held) PassOn(message);
  start.held.clear();
  return toolkit;
}
