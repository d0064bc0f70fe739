#include "tools/libav.h"

#include <dlfcn.h>

#include <libavutil/macros.h>

namespace {

// The versions this program was built against: the names their packages
// install them under.
constexpr const char* kLibraries[] = {
    "libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR),
    "libswscale.so." AV_STRINGIFY(LIBSWSCALE_VERSION_MAJOR),
    "libavcodec.so." AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR),
    "libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR),
};

struct Loaded {
  LibavCalls calls;
  std::string problem;
};

Loaded Load() {
  Loaded loaded;
  // Global, and each call looked up as the linker would: a library preloaded
  // beside the program still stands in for the one it names.
  for (const char* library : kLibraries) {
    if (!::dlopen(library, RTLD_NOW | RTLD_GLOBAL)) {
      const char* why = ::dlerror();
      loaded.problem = std::string("cannot load FFmpeg's libraries (") + (why ? why : library) + ")";
      return loaded;
    }
  }
#define KT_LIBAV_FIND(name)                                                                        \
  loaded.calls.name = reinterpret_cast<decltype(&::name)>(::dlsym(RTLD_DEFAULT, #name));          \
  if (!loaded.calls.name) {                                                                        \
    loaded.problem = "this system's FFmpeg libraries have no " #name;                              \
    return loaded;                                                                                 \
  }
  KT_LIBAV_CALLS(KT_LIBAV_FIND)
#undef KT_LIBAV_FIND
  return loaded;
}

const Loaded& TheLibraries() {
  static const Loaded loaded = Load();
  return loaded;
}

}  // namespace

const std::string& LoadLibav() { return TheLibraries().problem; }

const LibavCalls& Libav() { return TheLibraries().calls; }
