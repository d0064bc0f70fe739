#include "platform/core/start_toolkit.h"

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
StartState toolkitStart;

void PassOn(const HeldMessage& message) {
  const QMessageLogContext context(nullptr, 0, nullptr, message.category.c_str());
  if (toolkitStart.previous != nullptr) toolkitStart.previous(message.type, context, message.text);
}

// Start-up failures are fatal to the toolkit, which aborts once this returns:
// say why in one line and end the program before that.
void HoldWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    toolkitStart.held.push_back({type, context.category ? context.category : "", text});
    return;
  }
  // The first warning names the cause ("could not connect to display"); the
  // later ones and the fatal text only say that no plugin started.
  QString reason = toolkitStart.held.empty() ? text : toolkitStart.held.front().text;
  reason = reason.simplified();
  if (reason.isEmpty()) reason = QStringLiteral("no usable window system");
  std::fprintf(stderr, "%s: cannot open a window: %s\n", toolkitStart.programName.c_str(),
               reason.toLocal8Bit().constData());
  std::fflush(stderr);
  std::_Exit(EXIT_FAILURE);
}

}  // namespace

std::unique_ptr<QApplication> StartToolkit(int& argc, char** argv, const std::string& programName) {
  toolkitStart.programName = programName;
  toolkitStart.held.clear();
  toolkitStart.previous = qInstallMessageHandler(HoldWhileStarting);
  auto toolkit = std::make_unique<QApplication>(argc, argv);
  qInstallMessageHandler(toolkitStart.previous);
  for (const HeldMessage& message : toolkitStart.held) PassOn(message);
  toolkitStart.held.clear();
  return toolkit;
}
