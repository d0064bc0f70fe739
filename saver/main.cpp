// kortalwind-saver: the flight and nothing else, in a window of its own,
// over the whole screen, or inside a screen saver's window.

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/shell/shell_options.h"
#include "saver/kor_talwind_saver_app.h"

CKorTalwindSaverApp theApp;

namespace {

constexpr const char* kProgram = "kortalwind-saver";

int Refuse(const std::string& why) {
  std::fprintf(stderr, "%s: %s\n", kProgram, why.c_str());
  return kSaverUsageStatus;
}

int Print(const std::string& text) {
  std::fputs(text.c_str(), stdout);
  return std::fflush(stdout) == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}

}  // namespace

int main(int argc, char** argv) {
  SaverOptions options = ParseSaverOptions({argv + std::min(argc, 1), argv + argc});
  switch (options.action) {
    case SaverOptions::Action::help: return Print(SaverHelpText(kProgram));
    case SaverOptions::Action::version: return Print(ShellVersionText());
    case SaverOptions::Action::error: return Refuse(options.error);
    case SaverOptions::Action::run: break;
  }
  // Every fault of the window is found before a window of ours exists.
  if (const std::string why = PrepareSaverPlacement(options.placement); !why.empty()) return Refuse(why);
  theApp.m_options = options;
  return AfxSaverMain(kProgram);
}
