#include "tools/interrupt_watch.h"

#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <iterator>
#include <span>
#include <string_view>

namespace {

// The watch whose notes a signal removes; the handler cannot be given it.
std::atomic<InterruptWatch*> current{nullptr};

sigset_t Watched(std::span<const int> signals) {
  sigset_t set;
  sigemptyset(&set);
  for (const int s : signals) sigaddset(&set, s);
  return set;
}

}  // namespace

InterruptWatch::InterruptWatch()
    : outer_(current.load()),
      terminal_(::isatty(STDERR_FILENO) == 1),
      line_(std::string(program_invocation_short_name) + ": interrupted; nothing was written\n") {
  for (std::size_t i = 0; i < std::size(kWatched); ++i) {
    if (::sigaction(kWatched[i], nullptr, &before_[i]) != 0 || before_[i].sa_handler == SIG_IGN) continue;
    struct sigaction end {};
    end.sa_handler = End;
    end.sa_mask = Watched(kWatched);  // a second signal waits for the first to finish the job
    replaced_[i] = ::sigaction(kWatched[i], &end, nullptr) == 0;
  }
  current = this;
}

InterruptWatch::~InterruptWatch() {
  for (std::size_t i = 0; i < std::size(kWatched); ++i) {
    if (replaced_[i]) ::sigaction(kWatched[i], &before_[i], nullptr);
  }
  current = outer_;
}

void InterruptWatch::Note(const std::string& path, bool folder) {
  if (noted_.size() == noted_.capacity()) {
    constexpr std::size_t kFirstRoom = 16;
    const Held held;  // the handler reads the list
    noted_.reserve(std::max(kFirstRoom, 2 * noted_.size()));
  }
  noted_.push_back({path, folder});  // in room already there: nothing the handler reads moves
  published_ = noted_.size();
}

// Only calls a handler may make: unlink, rmdir, write, sigaction, raise.
void InterruptWatch::RemoveNoted() const {
  for (std::size_t i = published_; i-- > 0;) {
    const Noted& noted = noted_[i];
    (void)(noted.folder ? ::rmdir(noted.path.c_str()) : ::unlink(noted.path.c_str()));
  }
}

void InterruptWatch::End(int signal) {
  if (const InterruptWatch* watch = current.load()) {
    watch->RemoveNoted();
    constexpr std::string_view kClearLine = "\r\033[K";
    if (watch->terminal_) (void)!::write(STDERR_FILENO, kClearLine.data(), kClearLine.size());
    (void)!::write(STDERR_FILENO, watch->line_.data(), watch->line_.size());
  }
  // Whoever started us learns of the signal as for any program it ends.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  ::sigaction(signal, &fallback, nullptr);
  sigset_t self;
  sigemptyset(&self);
  sigaddset(&self, signal);
  ::sigprocmask(SIG_UNBLOCK, &self, nullptr);
  ::raise(signal);
  ::_exit(128 + signal);  // only if the signal did not end us
}

InterruptWatch::Held::Held() {
  const sigset_t watched = Watched(kWatched);
  ::sigprocmask(SIG_BLOCK, &watched, &before_);
}

InterruptWatch::Held::~Held() { ::sigprocmask(SIG_SETMASK, &before_, nullptr); }
