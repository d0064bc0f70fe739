#include "platform/shell/shell_options.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "platform/core/app_object.h"
#include "platform/core/command_line.h"
#include "platform/core/resource_registry.h"

namespace {

// The toolkit's own options; each may also be written with two dashes.
constexpr std::array<std::string_view, 12> kToolkitOptionsWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowicon",
    "qwindowtitle", "session", "display", "geometry", "style", "stylesheet"};
constexpr std::array<std::string_view, 2> kToolkitFlags = {"reverse", "widgetcount"};
// Options written as -name=value.
constexpr std::array<std::string_view, 5> kToolkitOptionsWithEquals = {"style", "stylesheet", "qmljsdebugger",
                                                                       "dialogs", "fontengine"};

template <std::size_t N>
bool Contains(const std::array<std::string_view, N>& names, std::string_view name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

ShellOptions Error(std::string text) {
  ShellOptions result;
  result.action = ShellOptions::Action::error;
  result.error = std::move(text);
  return result;
}

}  // namespace

ShellOptions ParseShellOptions(const std::vector<std::string>& args) {
  ShellOptions result;
  std::vector<std::string> files;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const std::optional<CommandLineOption> option = ReadOption(arg);
    if (optionsEnded || !option) {
      files.push_back(arg);  // "-" alone is a name too
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") return ShellOptions{ShellOptions::Action::help, {}, {}};
    if (arg == "--version" || arg == "-v") return ShellOptions{ShellOptions::Action::version, {}, {}};
    const auto [name, value] = *option;
    if (Contains(kToolkitOptionsWithValue, name) && !value) {
      if (i + 1 == args.size()) return Error("option '" + arg + "' needs a value");
      ++i;
      continue;
    }
    if (value ? Contains(kToolkitOptionsWithEquals, name) : Contains(kToolkitFlags, name)) continue;
    return Error("unknown option '" + arg + "' (try --help)");
  }
  if (files.size() > 1) return Error("only one FILE may be given (try --help)");
  if (!files.empty()) {
    if (files.front().size() > 1 && files.front()[0] == '-') result.programArgs.push_back("--");
    result.programArgs.push_back(files.front());
  }
  return result;
}

std::string ShellHelpText(const std::string& program) {
  return "Usage: " + program +
         " [OPTION]... [FILE]\n"
         "Watch an animated flight over a city; a left click in the picture builds a new one.\n"
         "With FILE, open it as the document (its content is not read); without, start a new one.\n"
         "\n"
         "  -h, --help              show this help and exit\n"
         "  -v, --version           show the version and exit\n"
         "\n"
         "Window-system options:\n"
         "  -display NAME           the X display to use\n"
         "  -geometry WxH+X+Y       the main window's size and place\n"
         "  -platform NAME          the window-system plugin (xcb, wayland, offscreen, ...)\n"
         "  -style NAME, -reverse, -session ID and the other Qt options are accepted too.\n"
         "\n"
         "Exit status: 0 when the program was closed, 1 when FILE could not be opened,\n"
         "2 for a command line that cannot be used.\n";
}

std::string ShellVersionText() {
  const VersionBlock* version = FindVersionBlock();
  return std::string(AfxGetAppName()) + " " + (version ? version->versionText : "") + "\n";
}
