// Preloaded into kortalwind-export by the video test, to hold the program
// inside a call into libav: with KT_STALL=frame, sending the first picture to
// the encoder never returns, as a hung library call would not; with
// KT_STALL=drain, the drain at the finish waits for a signal and only then
// goes on, as a long finish would. Either first creates the file
// KT_STALL_MARK, so that the test knows where the program is.

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <string_view>

extern "C" int avcodec_send_frame(void* codec, const void* frame) {
  const char* stall = std::getenv("KT_STALL");
  const std::string_view here = frame ? "frame" : "drain";
  if (stall && stall == here) {
    if (const char* mark = std::getenv("KT_STALL_MARK")) ::close(::open(mark, O_CREAT | O_WRONLY | O_CLOEXEC, 0600));
    do ::pause();
    while (frame);
  }
  using Send = int (*)(void*, const void*);
  static const auto send = reinterpret_cast<Send>(::dlsym(RTLD_NEXT, "avcodec_send_frame"));
  return send(codec, frame);
}
