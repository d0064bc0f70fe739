#pragma once
// While one lives, SIGINT and SIGTERM only mark the run as interrupted: the
// command stops at its next frame and takes away what it wrote, and the
// process then ends by that signal (export_main re-raises it).

struct Interrupted {
  int signal;
};

class InterruptWatch {
 public:
  // A signal the process was started with ignored stays ignored.
  InterruptWatch();
  // Puts back the handlers there were.
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // Throws Interrupted once a signal came.
  void ThrowIfInterrupted() const;
};
