#include "saver/saver_options.h"

#include <charconv>
#include <string_view>

#include "platform/core/command_line.h"
#include "platform/core/quoted_text.h"

namespace {

constexpr std::uint32_t kMaxDelayUs = 10'000'000;
constexpr int kMaxSide = 16'384;

struct Fault {
  std::string text;
};

std::uint32_t Unsigned(std::string_view option, std::string_view text, std::uint32_t max) {
  const std::optional<std::uint64_t> value = ReadWholeNumber(text, 0, max);
  if (!value) {
    throw Fault{std::string(option) + " takes " + WholeNumberTakes(max) + ", not " + Quoted(text)};
  }
  return static_cast<std::uint32_t>(*value);
}

double Speed(std::string_view text) {
  const std::optional<double> value = ReadSpeed(text);
  if (!value) throw Fault{std::string("--speed takes ") + kSpeedTakes + ", not " + Quoted(text)};
  return *value;
}

// A side or an offset of WxH+X+Y, consumed from the front of text.
bool TakeNumber(std::string_view& text, int& value) {
  const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (problem != std::errc() || end == text.data() || value > kMaxSide) return false;
  text.remove_prefix(std::size_t(end - text.data()));
  return true;
}

void Geometry(std::string_view text, SaverPlacement& placement) {
  std::string_view rest = text;
  int width = 0, height = 0, x = 0, y = 0;
  bool ok = TakeNumber(rest, width) && rest.starts_with('x') && (rest.remove_prefix(1), TakeNumber(rest, height));
  const bool positioned = ok && rest.starts_with('+');
  if (positioned) {
    rest.remove_prefix(1);
    ok = TakeNumber(rest, x) && rest.starts_with('+') && (rest.remove_prefix(1), TakeNumber(rest, y));
  }
  if (!ok || !rest.empty() || width < 1 || height < 1 || x < 0 || y < 0) {
    throw Fault{"--geometry takes WxH or WxH+X+Y, sides 1 to 16384 and places 0 to 16384, not " + Quoted(text)};
  }
  placement.geometry = Rect{x, y, x + width, y + height};
  placement.positioned = positioned;
}

NativeWindowId WindowId(std::string_view text) {
  const std::optional<NativeWindowId> id = ParseNativeWindowId(text);
  if (!id) throw Fault{"--window-id takes a window id, in hexadecimal (0x...) or decimal, not " + Quoted(text)};
  return *id;
}

// Takes one option (its name without dashes) and, when it needs one, its value.
void Take(std::string_view name, const std::string* value, SaverOptions& o) {
  using Kind = SaverPlacement::Kind;
  if (name == "window") o.placement.kind = Kind::ownWindow;
  else if (name == "fullscreen") o.placement.kind = Kind::fullScreen;
  else if (name == "root") o.placement.kind = Kind::screenSaverWindow;
  else if (name == "fps") o.showStatistics = true;
  else if (name == "window-id") {
    o.placement.kind = Kind::windowId;
    o.placement.windowId = WindowId(*value);
  } else if (name == "geometry") Geometry(*value, o.placement);
  else if (name == "delay") o.delayUs = Unsigned("--delay", *value, kMaxDelayUs);
  else if (name == "speed") o.speed = Speed(*value);
  else if (name == "seed") o.seed = Unsigned("--seed", *value, kMaxSeed);
  else if (name == "new-city") o.newCitySeconds = Unsigned("--new-city", *value, kMaxNewCitySeconds);
}

bool NeedsValue(std::string_view name) {
  for (std::string_view n : {"window-id", "geometry", "delay", "speed", "seed", "new-city"}) {
    if (name == n) return true;
  }
  return false;
}

bool IsFlag(std::string_view name) {
  for (std::string_view n : {"window", "fullscreen", "root", "fps"}) {
    if (name == n) return true;
  }
  return false;
}

SaverOptions Answer(SaverOptions::Action action, std::string error = {}) {
  SaverOptions options;
  options.action = action;
  options.error = std::move(error);
  return options;
}

}  // namespace

SaverOptions ParseSaverOptions(const std::vector<std::string>& args) {
  SaverOptions options;
  try {
    for (std::size_t i = 0; i < args.size(); ++i) {
      const std::string& arg = args[i];
      const std::optional<CommandLineOption> option = ReadOption(arg);
      if (!option) throw Fault{"unexpected argument " + Quoted(arg) + " (try --help)"};
      const std::string_view name = option->name;
      std::optional<std::string> value(option->value);
      if (!value && (name == "help" || name == "h")) return Answer(SaverOptions::Action::help);
      if (!value && (name == "version" || name == "v")) return Answer(SaverOptions::Action::version);
      if (NeedsValue(name) && !value) {
        if (i + 1 == args.size()) throw Fault{"option " + Quoted(arg) + " needs a value"};
        value = args[++i];
      }
      if (!NeedsValue(name) && (!IsFlag(name) || value)) throw Fault{"unknown option " + Quoted(arg) + " (try --help)"};
      Take(name, value ? &*value : nullptr, options);
    }
  } catch (const Fault& fault) {
    return Answer(SaverOptions::Action::error, fault.text);
  }
  return options;
}

std::string SaverHelpText(const std::string& program) {
  return "Usage: " + program +
         " [OPTION]...\n"
         "Shows the korTalwind flight over a city and nothing else, as a screen saver.\n"
         "Options take one dash or two.\n"
         "\n"
         "  --window                a window of its own (the default): q, Escape or closing it ends it\n"
         "  --geometry WxH[+X+Y]    that window's size and place (default 1280x720)\n"
         "  --fullscreen            the whole screen; any key or a click ends it\n"
         "  --root                  the window XSCREENSAVER_WINDOW names, else the root window (X11)\n"
         "  --window-id ID          that existing X11 window, ID in hexadecimal (0x...) or decimal\n"
         "  --fps                   show the statistics line\n"
         "  --delay MICROSECONDS    the pause between steps, 0 to 10000000 (default 40000; 0: no pause)\n"
         "  --speed RATIO           the flight's clock runs RATIO times as fast, 0.1 to 10 (default 1)\n"
         "  --seed N                the city from seed N, 0 to 4294967295, the same that\n"
         "                          'kortalwind-export city --seed N' prints (default: from the clock)\n"
         "  --new-city SECONDS      a new city every SECONDS, 0 to 86400 (default 300; 0: never)\n"
         "  -h, --help              show this help and exit\n"
         "  -v, --version           show the version and exit\n"
         "\n"
         "SIGTERM, SIGINT and SIGHUP end it with status 0, as does the end of its window.\n"
         "Exit status 2: a command line or a window that cannot be used.\n";
}
