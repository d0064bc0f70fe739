// Preloaded into kortalwind-export by the video test, to hold the program
// inside a call into libav: with KT_STALL=frame, sending the first picture to
// the encoder never returns, as a hung library call would not; with
// KT_STALL=drain, the drain at the finish waits for a signal and only then
// goes on, as a long finish would. Either first creates the file
// KT_STALL_MARK, so that the test knows where the program is. With
// KT_STALL=missing, FFmpeg's libraries cannot be loaded at all, as on a
// system without them.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

// The library's own types, by name: the exporter calls this through a
// pointer of the real function's type, which the sanitizers hold it to.
struct AVCodecContext;
struct AVFrame;

extern "C" int avcodec_send_frame(AVCodecContext* codec, const AVFrame* frame) {
  const char* stall = std::getenv("KT_STALL");
  const std::string_view here = frame ? "frame" : "drain";
  if (stall && stall == here) {
    if (const char* mark = std::getenv("KT_STALL_MARK")) ::close(::open(mark, O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    do ::pause();
    while (frame);
  }
  using Send = decltype(&avcodec_send_frame);
  static const auto send = reinterpret_cast<Send>(::dlsym(RTLD_NEXT, "avcodec_send_frame"));
  return send(codec, frame);
}

extern "C" void* dlopen(const char* file, int mode) {
  const char* stall = std::getenv("KT_STALL");
  if (stall && std::string_view(stall) == "missing" && file && std::string_view(file).starts_with("libav")) {
    return nullptr;  // and dlerror() has nothing to say, as the loader's callers must allow
  }
  using Open = void* (*)(const char*, int);
  static const auto open = reinterpret_cast<Open>(::dlsym(RTLD_NEXT, "dlopen"));
  return open(file, mode);
}
