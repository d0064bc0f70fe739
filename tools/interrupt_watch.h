#pragma once
// While one lives, SIGINT and SIGTERM end the command at once, wherever it
// is, even inside a library call that never returns: the handler removes the
// paths the command noted, says so in one line on stderr, and the process
// then ends by that signal, as it would without the watch.

#include <atomic>
#include <csignal>
#include <cstddef>
#include <string>
#include <vector>

class InterruptWatch {
 public:
  // A signal the process was started with ignored stays ignored.
  InterruptWatch();
  // Puts back the handlers there were before this watch.
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // A signal from now on removes the file at path, or the folder if it is
  // empty. The last noted goes first, so a folder is noted before what goes
  // in it. Noting a path before it exists costs nothing if it never does.
  void RemoveFileOnSignal(const std::string& path) { Note(path, false); }
  void RemoveFolderOnSignal(const std::string& path) { Note(path, true); }

  // While one lives, the two signals wait, so that a file and the note of it
  // come together: a signal between the two would leave the file behind.
  class Held {
   public:
    Held();
    ~Held();
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

   private:
    sigset_t before_;
  };

 private:
  struct Noted {
    std::string path;
    bool folder;
  };
  static void End(int signal);
  void Note(const std::string& path, bool folder);
  void RemoveNoted() const;

  static constexpr int kWatched[] = {SIGINT, SIGTERM};
  struct sigaction before_[std::size(kWatched)] = {};
  bool replaced_[std::size(kWatched)] = {};
  InterruptWatch* outer_ = nullptr;  // the watch this one hides until it ends
  bool terminal_ = false;  // stderr may hold a progress line, to be cleared first
  std::string line_;       // what the handler says, made beforehand
  std::vector<Noted> noted_;  // moved only while signals are held
  std::atomic<std::size_t> published_{0};  // how many of noted_ the handler may read
};
