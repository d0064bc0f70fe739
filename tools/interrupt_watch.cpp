#include "tools/interrupt_watch.h"

#include <csignal>
#include <iterator>

namespace {

constexpr int kWatched[] = {SIGINT, SIGTERM};
volatile std::sig_atomic_t received = 0;
struct sigaction before[std::size(kWatched)];
bool replaced[std::size(kWatched)];

void Mark(int signal) { received = signal; }

}  // namespace

InterruptWatch::InterruptWatch() {
  received = 0;
  for (std::size_t i = 0; i < std::size(kWatched); ++i) {
    replaced[i] = false;
    if (::sigaction(kWatched[i], nullptr, &before[i]) != 0 || before[i].sa_handler == SIG_IGN) continue;
    struct sigaction mark {};
    mark.sa_handler = Mark;
    sigemptyset(&mark.sa_mask);
    mark.sa_flags = SA_RESTART;  // a write in progress finishes; the loop looks at the next frame
    replaced[i] = ::sigaction(kWatched[i], &mark, nullptr) == 0;
  }
}

InterruptWatch::~InterruptWatch() {
  for (std::size_t i = 0; i < std::size(kWatched); ++i) {
    if (replaced[i]) ::sigaction(kWatched[i], &before[i], nullptr);
  }
}

void InterruptWatch::ThrowIfInterrupted() const {
  if (received != 0) throw Interrupted{received};
}
